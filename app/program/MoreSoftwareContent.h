// What the more-software window shows: the maker's products and free tools,
// and the two pages of the maker's web sites that its links open.
#pragma once

#include "resource.h"

namespace vevove {

constexpr const char* kShopPage = "https://shop.example/shop/catalog/browse?shop_param=";
constexpr const char* kProductPage = "http://tools.example/5.html";

enum class LabelFont {
    Heading,     // 13 pixels, bold, underlined
    ProductName, // 15 pixels, underlined
    Description, // 12 pixels
    ToolName,    // 13 pixels, bold
};

enum class LabelColour { Purple, Navy, Black, WindowText };

enum class Link { None, ShopPage, ProductPage };

struct MoreSoftwareLabel {
    int id;
    const char* text;
    int left, top, width, height;
    bool fixedSize; // wraps its text within its size; otherwise sized to its text
    LabelFont font;
    LabelColour colour;
    Link link;
};

// Top to bottom.
const MoreSoftwareLabel kMoreSoftwareLabels[] = {
    {IDC_OFFERS_HEADING, "More software offers on:", 17, 11, 178, 22, true, LabelFont::Heading,
     LabelColour::Navy, Link::None},
    {IDC_SHOP_ADDRESS, "www.shop.example", 207, 11, 144, 16, false, LabelFont::Heading,
     LabelColour::Purple, Link::ShopPage},
    {IDC_PHOTOS_NAME, "Fotavi", 17, 39, 52, 18, false, LabelFont::ProductName, LabelColour::Purple,
     Link::ProductPage},
    {IDC_PHOTOS_TEXT,
     "Fotavi keeps a photo collection in order: it finds duplicates, sorts pictures into "
     "folders by the day they were taken and renames them in one go. A preview shows every "
     "change before it is made.",
     17, 60, 480, 45, true, LabelFont::Description, LabelColour::Black, Link::None},
    {IDC_BACKUP_NAME, "Baksala", 17, 115, 53, 18, false, LabelFont::ProductName,
     LabelColour::Purple, Link::ProductPage},
    {IDC_BACKUP_TEXT,
     "Baksala copies the folders you choose to a second drive or a network share, every day "
     "or every hour. Only changed files are copied, and older versions stay at hand for "
     "thirty days.",
     17, 138, 504, 47, true, LabelFont::Description, LabelColour::Black, Link::None},
    {IDC_EDITOR_NAME, "Codrel", 17, 193, 54, 18, false, LabelFont::ProductName, LabelColour::Purple,
     Link::ProductPage},
    {IDC_EDITOR_TEXT,
     "Codrel is a notepad for programmers: tabs, syntax colours for twenty languages, search "
     "and replace across files and a side-by-side comparison of two texts.",
     17, 214, 498, 35, true, LabelFont::Description, LabelColour::Black, Link::None},
    {IDC_SUITE_NAME, "Ordavan Suite", 17, 253, 88, 18, false, LabelFont::ProductName,
     LabelColour::Purple, Link::ShopPage},
    {IDC_SUITE_TEXT,
     "Ordavan Suite bundles the three programs above at a lower price, with one licence for "
     "up to five computers of a household and two years of free updates. Order it in our "
     "online shop and start at once with the key that comes by e-mail.",
     17, 274, 504, 60, true, LabelFont::Description, LabelColour::Black, Link::None},
    {IDC_FREE_TOOLS_HEADING, "Freeware tools", 18, 342, 95, 18, false, LabelFont::ProductName,
     LabelColour::Purple, Link::ProductPage},
    {IDC_CLIPBOARD_NAME, "Klippora", 17, 364, 63, 16, false, LabelFont::ToolName,
     LabelColour::WindowText, Link::None},
    {IDC_CLIPBOARD_TEXT, "Keeps the last fifty texts of the clipboard", 127, 366, 283, 14, false,
     LabelFont::Description, LabelColour::WindowText, Link::None},
    {IDC_CLOCK_NAME, "Zonuret", 17, 381, 95, 16, false, LabelFont::ToolName,
     LabelColour::WindowText, Link::None},
    {IDC_CLOCK_TEXT, "A second clock for another time zone", 127, 382, 287, 15, true,
     LabelFont::Description, LabelColour::Black, Link::None},
    {IDC_ON_TOP_NAME, "Pinvo", 17, 399, 35, 16, false, LabelFont::ToolName, LabelColour::WindowText,
     Link::None},
    {IDC_ON_TOP_TEXT, "Keeps any window you pick on top of all the others", 127, 400, 339, 14,
     false, LabelFont::Description, LabelColour::WindowText, Link::None},
    {IDC_VEVOVE_NAME, "Vevove", 17, 416, 69, 16, false, LabelFont::ToolName,
     LabelColour::WindowText, Link::None},
    {IDC_VEVOVE_TEXT, "Restore desktop icons and screen resolution", 127, 417, 242, 14, false,
     LabelFont::Description, LabelColour::WindowText, Link::None},
};

} // namespace vevove
