#include "tests/support/test_bench.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <system_error>

#include "frame/display.h"
#include "frame/page_state.h"
#include "platform/sim/control_names.h"

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tarnwick-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot create a temporary folder from " << pattern;
        return;
    }
    path_ = pattern;
}

TempFolder::~TempFolder() {
    if (path_.empty()) return;
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

void TempFolder::write(const std::string& relativePath, std::string_view contents) const {
    std::filesystem::path file = path_ / relativePath;
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    if (!out) ADD_FAILURE() << "cannot write " << file;
}

void TempFolder::makeFolder(const std::string& relativePath) const {
    std::error_code error;
    std::filesystem::create_directories(path_ / relativePath, error);
    if (error) ADD_FAILURE() << "cannot create " << (path_ / relativePath);
}

std::string TempFolder::read(const std::string& relativePath) const {
    std::ifstream in(path_ / relativePath, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void TestBench::start() {
    if (!session_.start(root_.path().string())) ADD_FAILURE() << "root folder too long";
    started_ = true;
}

void TestBench::press(std::string_view names) {
    std::vector<std::string> variables;
    std::istringstream words{std::string(names)};
    std::string word;
    while (words >> word) {
        std::string variable = pressVariableName(word);
        if (variable.empty()) {
            ADD_FAILURE() << "unknown control name \"" << word << "\"";
            return;
        }
        variables.push_back(variable);
    }
    session_.press(variables);
}

void TestBench::powerOnAndSkipSelfTest() {
    if (!started_) start();
    if (unit().power.powerOn == 0) press("pwr");
    for (int i = 0; i < 200 && unit().page.leftPageGroup == PG_SELF_TEST; ++i) frame();
    EXPECT_NE(unit().page.leftPageGroup, PG_SELF_TEST) << "the self-test never handed over";
}

const DrawItem* TestBench::itemAt(float x, float y) const {
    for (const DrawItem& item : session_.canvas().items()) {
        if (item.kind == DrawKind::Text && item.x == x && item.y == y) return &item;
    }
    return nullptr;
}

std::string TestBench::textAt(float x, float y) const {
    const DrawItem* item = itemAt(x, y);
    return item ? std::string(item->text) : std::string();
}

std::vector<const DrawItem*> TestBench::rowItems(Side side, int rowIndex) const {
    if (rowIndex < 0 || rowIndex > kStatusRow) {
        ADD_FAILURE() << "no row " << rowIndex;
        return {};
    }
    // Row 5 ends where the status line's band begins.
    const float top = rowIndex == kStatusRow ? 150.0f : rowY(rowIndex);
    const float bottom = rowIndex == kStatusRow ? kDrawingHeight + 1.0f
                         : rowIndex == 5        ? 150.0f
                                                : rowY(rowIndex + 1);
    std::vector<const DrawItem*> out;
    for (const DrawItem* item : texts()) {
        bool onSide = side == Side::Left ? item->x < kRightPageX : item->x >= kRightPageX;
        if (onSide && item->y >= top && item->y < bottom) out.push_back(item);
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const DrawItem* a, const DrawItem* b) { return a->x < b->x; });
    return out;
}

std::string TestBench::row(Side side, int rowIndex) const {
    std::string text;
    for (const DrawItem* item : rowItems(side, rowIndex)) text += item->text;
    return text;
}

std::string TestBench::rows(Side side, int first, int last) const {
    std::string text = row(side, first);
    for (int k = first + 1; k <= last; ++k) text.append("|").append(row(side, k));
    return text;
}

std::string TestBench::dump() const {
    std::string out;
    for (const DrawItem* item : texts()) {
        out += formatTextItem(*item);
        out += '\n';
    }
    return out;
}
