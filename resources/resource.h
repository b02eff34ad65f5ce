// Resource and control identifiers shared by the resource script and the code.
#pragma once

#define IDI_VEVOVE 1
#define IDR_MANIFEST 1

// Button glyphs; Help.bmp and Ok.bmp hold the glyph and its greyed twin side by side.
#define IDB_QUIT 201
#define IDB_INFO 202
#define IDB_HELP 203
#define IDB_OK 204

// Main window
#define IDC_EDIT1 101
#define IDC_EDIT2 102
#define IDC_MEMO1 103
#define IDC_BUTTON1 104
#define IDC_BUTTON2 105
#define IDC_CHECKBOX1 106
#define IDC_BUTTON4 107
#define IDC_BUTTON5 108
#define IDC_BITBTN2 109
#define IDC_BITBTN1 110
#define IDC_BITBTN3 111
#define IDC_LABEL1 112
#define IDC_LABEL2 113
#define IDC_LABEL3 114

// Help window
#define IDC_FORM2_BITBTN1 301
#define IDC_STATICTEXT1 302
#define IDC_STATICTEXT2 303
#define IDC_STATICTEXT3 304
#define IDC_STATICTEXT5 305
#define IDC_STATICTEXT6 306
#define IDC_STATICTEXT7 307
#define IDC_STATICTEXT8 308
#define IDC_STATICTEXT9 309
#define IDC_FORM2_LABEL1 310

// More-software window
#define IDC_FREEWARE_BITBTN1 400
// Label1 to Label19
#define IDC_FREEWARE_LABEL(number) (400 + (number))

#define IDT_TIMER1 1
