// The page table's rows. A page's run function is declared here beside its row; the page
// itself is one file in its subsystem's pages folder.
#include "frame/pages/page_table.h"

#include "nav/pages/nav_hooks.h"

// Frame.
void drawSelfTestPage(Unit& unit, Host& host, Canvas& canvas, float x);
// Navigation.
void drawDirectToPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawOthPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawModPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawAltPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawMessagePage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawNavPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawCalPage(Unit& unit, Host& host, Canvas& canvas, float x);
// Navigation database.
void drawAptPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawVorPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawNdbPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawIntPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawSupPage(Unit& unit, Host& host, Canvas& canvas, float x);
// Flight plans.
void drawFplPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawRefPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawDuplicatesPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawActPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawSetPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawStaPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawTriPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawDtPage(Unit& unit, Host& host, Canvas& canvas, float x);

namespace {

constexpr PageCover kNone = PageCover::None;
constexpr PageSides kLeft = PageSides::Left;
constexpr PageSides kRight = PageSides::Right;
constexpr PageSides kBoth = PageSides::Both;

// clang-format off
constexpr PageEntry kPageTable[] = {
    // group          label  sides   run                enter          cover
    {PG_TRI,          "TRI", kLeft,  &drawTriPage,      nullptr,       kNone},
    {PG_MOD,          "MOD", kLeft,  &drawModPage,      nullptr,       kNone},
    {PG_FPL,          "FPL", kLeft,  &drawFplPage,      nullptr,       kNone},
    {PG_NAV,          "NAV", kBoth,  &drawNavPage,      &enterNavPage, kNone},
    {PG_CAL,          "CAL", kLeft,  &drawCalPage,      nullptr,       kNone},
    {PG_STA,          "STA", kLeft,  &drawStaPage,      nullptr,       kNone},
    {PG_SET,          "SET", kLeft,  &drawSetPage,      nullptr,       kNone},
    {PG_OTH,          "OTH", kLeft,  &drawOthPage,      nullptr,       kNone},
    {PG_APT,          "APT", kRight, &drawAptPage,      nullptr,       kNone},
    {PG_REF,          "REF", kRight, &drawRefPage,      nullptr,       kNone},
    {PG_ACT,          "ACT", kRight, &drawActPage,      nullptr,       kNone},
    {PG_DT,           "D/T", kRight, &drawDtPage,       nullptr,       kNone},
    {PG_VOR,          "VOR", kRight, &drawVorPage,      nullptr,       kNone},
    {PG_NDB,          "NDB", kRight, &drawNdbPage,      nullptr,       kNone},
    {PG_INT,          "INT", kRight, &drawIntPage,      nullptr,       kNone},
    {PG_SUP,          "SUP", kRight, &drawSupPage,      nullptr,       kNone},
    {PG_DIRECT_TO,    "D->", kLeft,  &drawDirectToPage, nullptr,       kNone},
    {PG_ALT,          "ALT", kLeft,  &drawAltPage,      nullptr,       kNone},
    {PG_MESSAGE,      "MSG", kLeft,  &drawMessagePage,  nullptr,       PageCover::RightPage},
    {PG_SELF_TEST,    "",    kLeft,  &drawSelfTestPage, nullptr,       PageCover::WholeDisplay},
    {PG_DUPLICATES,   "DUP", kLeft,  &drawDuplicatesPage, nullptr,     kNone},
};
// clang-format on

constexpr int rowsOf(int32_t group) {
    int rows = 0;
    for (const PageEntry& entry : kPageTable) rows += entry.group == group ? 1 : 0;
    return rows;
}

// Every group has exactly one row, and every row names a group.
constexpr bool everyGroupHasOneRow() {
    for (int32_t group = PG_TRI; group <= kLastPageGroup; ++group) {
        if (rowsOf(group) != (isPageGroup(group) ? 1 : 0)) return false;
    }
    for (const PageEntry& entry : kPageTable) {
        if (!isPageGroup(entry.group) || entry.label == nullptr) return false;
    }
    return true;
}
static_assert(everyGroupHasOneRow(), "every page group needs exactly one row in kPageTable");

constexpr PageRowIndex makeRowIndex() {
    PageRowIndex index{};
    for (const PageEntry& entry : kPageTable) index.rows[entry.group] = &entry;
    return index;
}

}  // namespace

constexpr PageRowIndex kPageRows = makeRowIndex();

const char* pageLabel(PageGroup group) {
    const PageEntry* entry = pageRow(group);
    return entry != nullptr ? entry->label : "";
}
