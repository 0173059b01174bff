#include "apps/navdata/dat_reader.h"

#include <zlib.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "apps/navdata/text.h"

namespace navdata {
namespace {

constexpr size_t kChunkBytes = 1 << 20;
// A line longer than this is cut; no row of these files comes near it.
constexpr size_t kMaxLineBytes = 1 << 16;

gzFile asGz(void* file) { return static_cast<gzFile>(file); }

bool isBlankLine(std::string_view line) {
    for (char c : line) {
        if (c != ' ' && c != '\t' && c != '\r') return false;
    }
    return true;
}

}  // namespace

DatReader::~DatReader() {
    if (file_ != nullptr) gzclose(asGz(file_));
}

bool DatReader::open(const std::string& path) {
    name_ = std::filesystem::path(path).filename().string();
    std::error_code code;
    if (std::filesystem::is_directory(path, code)) {
        error_ = path + ": is a folder, not a file";
        return false;
    }
    file_ = gzopen(path.c_str(), "rb");
    if (file_ == nullptr) {
        error_ = path + ": cannot open (" + std::strerror(errno) + ")";
        return false;
    }
    gzbuffer(asGz(file_), 1 << 18);
    size_ = std::filesystem::file_size(path, code);
    if (code) size_ = 0;
    buffer_.resize(kChunkBytes + kMaxLineBytes);
    return true;
}

uint64_t DatReader::position() const {
    if (file_ == nullptr) return 0;
    const z_off_t offset = gzoffset(asGz(file_));
    return offset < 0 ? 0 : static_cast<uint64_t>(offset);
}

bool DatReader::fill() {
    if (eof_ || file_ == nullptr) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    const size_t room = buffer_.size() - end_;
    if (room == 0) return true;
    const int got = gzread(asGz(file_), buffer_.data() + end_, static_cast<unsigned>(room));
    if (got < 0) {
        int code = 0;
        error_ = name_ + ": read error after line " + std::to_string(lineNumber_) + " (" +
                 gzerror(asGz(file_), &code) + ")";
        eof_ = true;
        return false;
    }
    if (got == 0) {
        eof_ = true;
        // A gzip stream that ends early reads as the end of the file with an error set.
        int code = Z_OK;
        const char* message = gzerror(asGz(file_), &code);
        if (code != Z_OK && code != Z_STREAM_END) {
            error_ = name_ + ": read error after line " + std::to_string(lineNumber_) + " (" +
                     message + ")";
        }
        return false;
    }
    end_ += static_cast<size_t>(got);
    return true;
}

bool DatReader::next(std::string_view& line) {
    if (unread_) {
        unread_ = false;
        ++lineNumber_;
        line = last_;
        return true;
    }
    for (;;) {
        const char* start = buffer_.data() + begin_;
        const size_t available = end_ - begin_;
        const void* found = std::memchr(start, '\n', available);
        size_t length = 0;
        if (found != nullptr) {
            length = static_cast<size_t>(static_cast<const char*>(found) - start);
            begin_ += length + 1;
        } else if (available >= kMaxLineBytes) {
            length = kMaxLineBytes;  // cut; the rest reads as the next line
            begin_ += length;
        } else if (fill()) {
            continue;
        } else if (available > 0 && error_.empty()) {
            length = available;  // a last line without a line end
            begin_ = end_;
        } else {
            return false;
        }
        if (length > 0 && start[length - 1] == '\r') --length;
        ++lineNumber_;
        line = std::string_view(start, length);
        last_ = line;
        return true;
    }
}

int readHeader(DatReader& reader, Diagnostics& diagnostics, int assumedVersion) {
    std::string_view line;
    auto nextNonBlank = [&]() {
        while (reader.next(line)) {
            if (!isBlankLine(line)) return true;
        }
        return false;
    };
    auto missing = [&](const char* what, long lineNumber) {
        diagnostics.warn(reader.name(), lineNumber, what,
                         "reading it as version " + std::to_string(assumedVersion));
        return assumedVersion;
    };
    if (!nextNonBlank()) return missing("empty file", reader.lineNumber());
    std::string_view fields[2];
    int count = splitFields(line, fields, 2);
    const bool byteOrderLine = count == 1 && (fields[0] == "I" || fields[0] == "A");
    if (byteOrderLine && !nextNonBlank()) return missing("no version line", reader.lineNumber());
    count = splitFields(line, fields, 2);
    long version = 0;
    if (count == 2 && fields[1] == "Version" && parseInteger(fields[0], version)) {
        return static_cast<int>(version);
    }
    // The line is data: give it back so the rows start with it.
    const long dataLine = reader.lineNumber();
    reader.unread();
    return missing(byteOrderLine ? "no version line" : "no header", dataLine);
}

}  // namespace navdata
