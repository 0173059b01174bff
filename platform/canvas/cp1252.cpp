#include "platform/canvas/cp1252.h"

namespace {

// Code points of 0x80..0x9F; the rest of the upper half equals Latin-1.
constexpr uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Encodes one code point below 0x10000; returns its length (1..3).
int encodeUtf8(uint32_t cp, char* out) {
    if (cp < 0x80) {
        out[0] = static_cast<char>(cp);
        return 1;
    }
    if (cp < 0x800) {
        out[0] = static_cast<char>(0xC0 | (cp >> 6));
        out[1] = static_cast<char>(0x80 | (cp & 0x3F));
        return 2;
    }
    out[0] = static_cast<char>(0xE0 | (cp >> 12));
    out[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (cp & 0x3F));
    return 3;
}

}  // namespace

uint32_t cp1252CodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
    return byte;
}

void appendCp1252AsUtf8(std::string& out, const char* text) {
    if (text == nullptr) return;
    char buffer[4];
    for (const char* p = text; *p != '\0'; ++p) {
        int n = encodeUtf8(cp1252CodePoint(static_cast<unsigned char>(*p)), buffer);
        out.append(buffer, static_cast<size_t>(n));
    }
}

size_t cp1252ToUtf8(const char* text, char* out, size_t size) {
    if (out == nullptr || size == 0) return 0;
    size_t used = 0;
    if (text != nullptr) {
        char buffer[4];
        for (const char* p = text; *p != '\0'; ++p) {
            int n = encodeUtf8(cp1252CodePoint(static_cast<unsigned char>(*p)), buffer);
            if (used + static_cast<size_t>(n) >= size) break;
            for (int i = 0; i < n; ++i) out[used++] = buffer[i];
        }
    }
    out[used] = '\0';
    return used;
}
