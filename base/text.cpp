#include "base/text.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (upper(a[i]) != upper(b[i])) return false;
    }
    return true;
}

bool endsWithIgnoreCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           equalsIgnoreCase(text.substr(text.size() - suffix.size()), suffix);
}

int splitFields(std::string_view text, std::string_view* fields, int maxFields) {
    int count = 0;
    size_t i = 0;
    while (count < maxFields) {
        while (i < text.size() && isBlank(text[i])) ++i;
        if (i >= text.size()) break;
        const size_t start = i;
        while (i < text.size() && !isBlank(text[i])) ++i;
        fields[count++] = text.substr(start, i - start);
    }
    return count;
}

ParsedNumber parseNumber(std::string_view text, NumberForm form) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // from_chars takes a minus of its own, which would let a second sign through; a second
    // sign is not a number for the C conversions either.
    if (i >= text.size() || text[i] == '+' || text[i] == '-') return {};
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    if (form == NumberForm::WholeDigits) {
        // Only the digit run goes to from_chars, so "1e3" reads as 1 and "3.9" as 3.
        const char* digitsEnd = first;
        while (digitsEnd < last && isDigit(*digitsEnd)) ++digitsEnd;
        last = digitsEnd;
    }
    ParsedNumber parsed;
    const auto result = std::from_chars(first, last, parsed.value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large overflows to infinity; too small (a negative exponent) underflows to 0.
        const std::string_view number(first, static_cast<size_t>(result.ptr - first));
        const size_t exponent = number.find_first_of("eE");
        const bool tiny = exponent != std::string_view::npos && exponent + 1 < number.size() &&
                          number[exponent + 1] == '-';
        parsed.value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
        parsed.outOfRange = true;
    } else if (result.ec != std::errc{}) {
        return {};
    }
    if (negative) parsed.value = -parsed.value;
    parsed.consumed = static_cast<size_t>(result.ptr - text.data());
    return parsed;
}

double parseDoublePrefix(std::string_view text) {
    const double value = parseNumber(text).value;
    return std::isfinite(value) ? value : 0.0;
}

int32_t parseIntPrefix(std::string_view text) {
    const double value = parseNumber(text, NumberForm::WholeDigits).value;
    if (value >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
        return std::numeric_limits<int32_t>::max();
    }
    if (value <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(value);
}

LineReader::LineReader(std::FILE* file, size_t maxLength, std::span<char> buffer)
    : file_(buffer.size() >= 3 ? file : nullptr),
      buffer_(buffer.data()),
      capacity_(buffer.size()),
      maxLength_(buffer.size() >= 3 && maxLength > buffer.size() - 2 ? buffer.size() - 2
                                                                     : maxLength) {}

LineReader::LineReader(const char* path, size_t maxLength, std::span<char> buffer,
                       FileAccess& files)
    : LineReader(static_cast<std::FILE*>(nullptr), maxLength, buffer) {
    if (path != nullptr && buffer.size() >= 3) accessFile_ = files.openForReading(path);
    if (accessFile_ != nullptr) files_ = &files;
    bytesLeft_ = kMaxReadFileBytes;
}

LineReader::~LineReader() {
    if (accessFile_ != nullptr) files_->close(accessFile_);
}

bool LineReader::readFailed() const {
    if (accessFile_ != nullptr) return accessFailed_;
    return file_ != nullptr && std::ferror(file_) != 0;
}

size_t LineReader::readBytes(char* bytes, size_t size) {
    if (accessFile_ != nullptr) return files_->read(accessFile_, bytes, size, accessFailed_);
    return std::fread(bytes, 1, size, file_);
}

bool LineReader::refill() {
    if (atEnd_ || !isOpen()) return false;
    if (begin_ > 0) {
        std::memmove(buffer_, buffer_ + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == capacity_) return true;
    const size_t room = capacity_ - end_;
    const size_t got = readBytes(buffer_ + end_, room < bytesLeft_ ? room : bytesLeft_);
    if (got == 0) atEnd_ = true;
    end_ += got;
    bytesLeft_ -= got;
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
    if (!isOpen()) return false;
    if (skipping_) {
        skipping_ = false;
        if (!skipToLineEnd()) return false;
    }
    for (;;) {
        const char* start = buffer_ + begin_;
        const size_t available = end_ - begin_;
        const size_t reach = available < maxLength_ + 2 ? available : maxLength_ + 2;
        const void* found = std::memchr(start, '\n', reach);
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
        } else if (available > 0 && !readFailed()) {
            // A last line without a line end. After a read error it is only the part read
            // before the error, cut anywhere (a number short of its digits), so it is no line.
            length = available;
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
