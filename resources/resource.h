// Resource and control identifiers shared by the resource script and the code.
#pragma once

#define IDI_VEVOVE 1
#define IDR_MANIFEST 1

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

#define IDT_TIMER1 1
