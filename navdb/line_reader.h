// Reads a text file line by line into views of at most `maxLength` characters, without
// allocating. A longer line yields its first `maxLength` characters and the rest of it, up
// to the line end, is skipped, so the tail of a long line never reads as a line of its
// own. The line end (LF or CR LF) is never part of a line, and a UTF-8 byte-order mark at
// the start of the file is dropped.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

class LineReader {
public:
    static constexpr size_t kBufferSize = 1 << 16;

    // `maxLength` must be below kBufferSize.
    LineReader(std::FILE* file, size_t maxLength);
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line, valid until the next call. False at the end of the file.
    bool next(std::string_view& line);

private:
    bool refill();
    bool skipToLineEnd();

    std::FILE* file_;
    size_t maxLength_;
    size_t begin_ = 0;
    size_t end_ = 0;
    bool atEnd_ = false;
    bool firstLine_ = true;
    bool skipping_ = false;
    char buffer_[kBufferSize];
};
