// The state variables the `print` line can show, by name. Each row reads one value from
// the Unit; whole numbers print as integers, quantities with up to ten significant
// digits. Add a row to kPrintFields in print_table.cpp to make a new name printable.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct Unit;

struct PrintValue {
    bool whole = true;
    int64_t integer = 0;
    double real = 0.0;
};

constexpr PrintValue wholeValue(int64_t v) { return PrintValue{true, v, 0.0}; }
constexpr PrintValue realValue(double v) { return PrintValue{false, 0, v}; }

struct PrintField {
    const char* name;
    PrintValue (*read)(const Unit& unit);
};

// The row for `name`; null when there is none.
const PrintField* findPrintField(std::string_view name);

// "NAME=VALUE" without the newline.
std::string formatPrintField(const PrintField& field, const Unit& unit);
