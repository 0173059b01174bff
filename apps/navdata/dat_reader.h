// Reading an X-Plane format file, plain or gzip-compressed (zlib reads both), line by
// line: CR LF and LF line ends, a last line without a line end, NUL bytes and over-long
// lines are all read as lines. The header ("I" or "A", then "<version> Version ...") is
// read by readHeader, which reports a blank or missing one and the version it assumes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "apps/navdata/diagnostics.h"

namespace navdata {

class DatReader {
public:
    DatReader() = default;
    ~DatReader();
    DatReader(const DatReader&) = delete;
    DatReader& operator=(const DatReader&) = delete;

    // Opens `path`; false with `error()` set when it cannot be opened.
    bool open(const std::string& path);
    // The next line without its line end, valid until the next call; false at the end of
    // the file or on a read error (see error()).
    bool next(std::string_view& line);
    // Makes the next call return the last line again.
    void unread() {
        unread_ = true;
        --lineNumber_;
    }

    long lineNumber() const { return lineNumber_; }
    const std::string& error() const { return error_; }
    const std::string& name() const { return name_; }
    // Bytes of the file (compressed bytes for gzip) read so far, and the file's size.
    uint64_t position() const;
    uint64_t size() const { return size_; }

private:
    bool fill();

    void* file_ = nullptr;  // gzFile
    std::string name_;
    std::string error_;
    std::vector<char> buffer_;
    size_t begin_ = 0;
    size_t end_ = 0;
    bool eof_ = false;
    bool unread_ = false;
    std::string_view last_;
    long lineNumber_ = 0;
    uint64_t size_ = 0;
};

// Reads the header: skips blank lines, takes "I" or "A", then the version line. Returns
// the version, or `assumedVersion` (with a message) when there is none; a first line that
// is data is given back to the reader.
int readHeader(DatReader& reader, Diagnostics& diagnostics, int assumedVersion);

}  // namespace navdata
