// Small text helpers for the plan files: whitespace fields, locale-free numbers and
// case-insensitive comparisons. Nothing here allocates.
#pragma once

#include <cstddef>
#include <string_view>

// Splits `line` into at most `maxFields` whitespace-separated fields; returns the count.
int splitFields(std::string_view line, std::string_view* fields, int maxFields);

// The leading decimal number of `text` after blanks, as the C conversion reads it;
// 0 when there is none or it is not finite.
double leadingDouble(std::string_view text);

bool equalsIgnoreCase(std::string_view a, std::string_view b);
bool endsWithIgnoreCase(std::string_view text, std::string_view suffix);

// Copies `text` into `out` (capacity `size`, terminated), cut to fit.
void copyField(char* out, size_t size, std::string_view text);

// Reads one line of `file` into `out` (capacity `size`): the line end (LF or CR LF) is
// dropped and the rest of a longer line is read and discarded. Returns false at the end.
bool readLine(void* file, char* out, size_t size);
