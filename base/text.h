// Text helpers for the unit's files, names and fixed text fields: blank tests, comparisons
// without case, one bounded line reader, one field splitter, locale-free numbers with the
// prefix rule of the C conversions, and copies cut to a fixed field. Standard library only;
// nothing here allocates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string_view>

#include "base/file_access.h"

// The blanks of the C locale: space, tab, CR, LF, vertical tab, form feed.
constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// ASCII letters compare without case; every other byte compares as it is.
[[nodiscard]] bool equalsIgnoreCase(std::string_view a, std::string_view b);
[[nodiscard]] bool endsWithIgnoreCase(std::string_view text, std::string_view suffix);

// Splits `text` at runs of blanks into at most `maxFields` fields; returns how many. Text
// after the last field taken is not looked at.
int splitFields(std::string_view text, std::string_view* fields, int maxFields);

// What parseNumber read from the start of a text.
struct ParsedNumber {
    // The number read; 0 when there is none. Too large a number gives an infinity of its
    // sign and too small a one a zero of its sign, both with outOfRange set. The words
    // "inf", "infinity" and "nan" read as the C conversions read them.
    double value = 0.0;
    // Characters taken, leading blanks and sign included; 0 when there is no number.
    size_t consumed = 0;
    bool outOfRange = false;
};

enum class NumberForm {
    Decimal,      // digits, a decimal point and an exponent, as atof reads them
    WholeDigits,  // digits only, as atoi reads them
};

// Reads the longest number at the start of `text` after blanks and one optional sign,
// without the locale. A second sign, a lone sign or no digits at all read as no number.
[[nodiscard]] ParsedNumber parseNumber(std::string_view text,
                                       NumberForm form = NumberForm::Decimal);

// The C prefix rule as data files need it: parseNumber's value, with 0 for no number and
// for a result that is not finite (an overflow, "inf" or "nan" in a file is never a
// usable position, heading or time).
[[nodiscard]] double parseDoublePrefix(std::string_view text);
// The whole-digit prefix, saturated at the 32-bit limits instead of overflowing.
[[nodiscard]] int32_t parseIntPrefix(std::string_view text);

// Copies `text` into a field of `size` bytes: cut to size - 1 characters and at the first
// NUL, and zero-filled to the end of the field. A size of 0 writes nothing. Inline, as the
// pages copy a few short fields on every draw.
inline void copyField(char* field, size_t size, std::string_view text) {
    if (size == 0) return;
    size_t i = 0;
    for (; i < size - 1 && i < text.size() && text[i] != '\0'; ++i) field[i] = text[i];
    for (; i < size; ++i) field[i] = '\0';
}

template <size_t N>
void copyField(char (&field)[N], std::string_view text) {
    copyField(field, N, text);
}

// Reads a text file line by line into views of at most `maxLength` characters, through a
// buffer the caller provides, so nothing is allocated. Given a path, the reader opens the
// file itself (a file that cannot be opened has no lines) and closes it when it goes. A
// longer line yields its first `maxLength` characters and the rest of it, up to the line
// end, is skipped, so the tail of a long line never reads as a line of its own. The line
// end (LF or CR LF) is never part of a line, a last line without a line end is still a
// line, and a UTF-8 byte-order mark at the start of the file is dropped. A read error ends
// the lines at the last whole one.
//
// Given a path, the reader opens the file through a FileAccess (only a regular file: a
// FIFO or a device would block or never end) and reads at most kMaxReadFileBytes of it:
// the largest data file the unit reads is a few tens of megabytes, so the bound only stops
// a file that is not one.
constexpr size_t kMaxReadFileBytes = size_t{256} * 1024 * 1024;

class LineReader {
public:
    // `maxLength` is cut to buffer.size() - 2, which leaves room to find the line end after
    // the longest line. `file` may be null: it then has no lines. The caller keeps it.
    LineReader(std::FILE* file, size_t maxLength, std::span<char> buffer);
    LineReader(const char* path, size_t maxLength, std::span<char> buffer,
               FileAccess& files = systemFileAccess());
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    [[nodiscard]] bool isOpen() const { return file_ != nullptr || accessFile_ != nullptr; }
    // Whether reading the file failed (as opposed to ending).
    [[nodiscard]] bool readFailed() const;

    // The next line, valid until the next call. False at the end of the file.
    bool next(std::string_view& line);

private:
    bool refill();
    bool skipToLineEnd();
    size_t readBytes(char* bytes, size_t size);

    std::FILE* file_;  // a file the caller keeps
    FileAccess* files_ = nullptr;  // or one opened by path, which the reader closes
    FileAccess::File* accessFile_ = nullptr;
    bool accessFailed_ = false;
    char* buffer_;
    size_t capacity_;
    size_t maxLength_;
    size_t begin_ = 0;
    size_t end_ = 0;
    bool atEnd_ = false;
    bool firstLine_ = true;
    bool skipping_ = false;
    size_t bytesLeft_ = static_cast<size_t>(-1);
};
