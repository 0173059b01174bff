// Fixed text fields and blank-separated columns for the data files.
#pragma once

#include <string_view>

// Copies text into a fixed field, cut to the field and zero-padded to its end.
template <int N>
void copyField(char (&field)[N], std::string_view text) {
    int i = 0;
    for (; i < N - 1 && i < static_cast<int>(text.size()) && text[static_cast<size_t>(i)] != '\0';
         ++i) {
        field[i] = text[static_cast<size_t>(i)];
    }
    for (; i < N; ++i) field[i] = '\0';
}

// The blanks of the C locale: space, tab, CR, LF, vertical tab, form feed.
constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// Splits text at runs of blanks into at most `maxColumns` columns; returns how many.
int splitColumns(std::string_view text, std::string_view* columns, int maxColumns);
