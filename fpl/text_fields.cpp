#include "fpl/text_fields.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

int splitFields(std::string_view line, std::string_view* fields, int maxFields) {
    int count = 0;
    size_t i = 0;
    while (count < maxFields) {
        while (i < line.size() && isBlank(line[i])) ++i;
        if (i >= line.size()) break;
        size_t start = i;
        while (i < line.size() && !isBlank(line[i])) ++i;
        fields[count++] = line.substr(start, i - start);
    }
    return count;
}

double leadingDouble(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    if (i < text.size() && text[i] == '+') ++i;
    double value = 0.0;
    auto result = std::from_chars(text.data() + i, text.data() + text.size(), value,
                                  std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(value)) return 0.0;
    return value;
}

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

void copyField(char* out, size_t size, std::string_view text) {
    if (size == 0) return;
    size_t n = text.size() < size - 1 ? text.size() : size - 1;
    if (n > 0) std::memcpy(out, text.data(), n);
    out[n] = '\0';
}

bool readLine(void* file, char* out, size_t size) {
    std::FILE* stream = static_cast<std::FILE*>(file);
    size_t length = 0;
    int c = std::fgetc(stream);
    if (c == EOF) return false;
    while (c != EOF && c != '\n') {
        if (length + 1 < size) out[length++] = static_cast<char>(c);
        c = std::fgetc(stream);
    }
    if (length > 0 && out[length - 1] == '\r') --length;
    out[length] = '\0';
    return true;
}
