#include "navdb/line_reader.h"

#include <cstring>

LineReader::LineReader(std::FILE* file, size_t maxLength)
    : file_(file), maxLength_(maxLength < kBufferSize ? maxLength : kBufferSize - 1) {}

bool LineReader::refill() {
    if (atEnd_ || file_ == nullptr) return false;
    if (begin_ > 0) {
        std::memmove(buffer_, buffer_ + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == kBufferSize) return true;
    const size_t got = std::fread(buffer_ + end_, 1, kBufferSize - end_, file_);
    if (got == 0) atEnd_ = true;
    end_ += got;
    return got > 0;
}

// Drops the rest of an over-long line, up to and including its line end.
bool LineReader::skipToLineEnd() {
    for (;;) {
        const void* lineEnd = std::memchr(buffer_ + begin_, '\n', end_ - begin_);
        if (lineEnd != nullptr) {
            begin_ = static_cast<size_t>(static_cast<const char*>(lineEnd) - buffer_) + 1;
            return true;
        }
        begin_ = end_ = 0;
        if (!refill()) return false;
    }
}

bool LineReader::next(std::string_view& line) {
    if (skipping_) {
        skipping_ = false;
        if (!skipToLineEnd()) return false;
    }
    for (;;) {
        const char* start = buffer_ + begin_;
        const size_t available = end_ - begin_;
        const void* found = std::memchr(start, '\n', available < maxLength_ + 2 ? available
                                                                                 : maxLength_ + 2);
        size_t length = 0;
        if (found != nullptr) {
            length = static_cast<size_t>(static_cast<const char*>(found) - start);
            begin_ += length + 1;
        } else if (available > maxLength_ + 1) {
            // No line end within reach: the line is too long. Its first maxLength
            // characters are the line; the rest is skipped on the next call.
            length = maxLength_;
            begin_ += length;
            skipping_ = true;
        } else if (refill()) {
            continue;
        } else if (available > 0) {
            length = available;  // a last line without a line end
            begin_ = end_;
        } else {
            return false;
        }
        if (length > 0 && start[length - 1] == '\r') --length;
        if (length > maxLength_) length = maxLength_;
        if (firstLine_) {
            firstLine_ = false;
            if (length >= 3 && std::memcmp(start, "\xEF\xBB\xBF", 3) == 0) {
                start += 3;
                length -= 3;
            }
        }
        line = std::string_view(start, length);
        return true;
    }
}
