#include "apps/navdata/text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace navdata {
namespace {

bool isBlankChar(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// Base letters of U+0100..U+017F (Latin Extended-A), two characters per code point
// ("A " = A); the upper- and lower-case forms alternate, so both fold alike.
constexpr std::string_view kLatinExtendedA =
    "A A A A A A C C C C C C C C D D D D E E E E E E E E E E G G G G G G G G H H H H "
    "I I I I I I I I I I IJIJJ J K K K L L L L L L L L L L N N N N N N N N N O O O O "
    "O O OEOER R R R R R S S S S S S S S T T T T T T U U U U U U U U U U U U W W Y Y "
    "Y Z Z Z Z Z Z S ";

// Folds one code point to upper-case ASCII text; unknown characters fold to nothing.
std::string_view foldCodePoint(uint32_t cp, char (&one)[2]) {
    if (cp < 0x80) {
        char c = static_cast<char>(cp);
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (isBlankChar(c)) c = ' ';
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return {};
        one[0] = c;
        return {one, 1};
    }
    if (cp >= 0xC0 && cp <= 0xFF) {
        constexpr std::string_view latin1[] = {
            "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",
            "D", "N", "O", "O", "O", "O", "O", "X", "O", "U", "U", "U", "U", "Y", "TH", "SS"};
        if (cp == 0xF7) return "/";
        if (cp == 0xFF) return "Y";
        return latin1[(cp - 0xC0) & 0x1F];
    }
    if (cp >= 0x100 && cp <= 0x17F) {
        std::string_view pair = kLatinExtendedA.substr((cp - 0x100) * 2, 2);
        return pair[1] == ' ' ? pair.substr(0, 1) : pair;
    }
    switch (cp) {
        case 0xA0: return " ";
        case 0x2018: case 0x2019: case 0xB4: return "'";
        case 0x201C: case 0x201D: return "\"";
        case 0x2013: case 0x2014: return "-";
        case 0x0218: case 0x0219: return "S";  // comma-below forms
        case 0x021A: case 0x021B: return "T";
        default: return {};
    }
}

// Windows-1252 bytes 0x80..0x9F as code points (0 where the code page has none).
uint32_t windows1252(unsigned char byte) {
    static constexpr uint16_t high[32] = {
        0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013,
        0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
    if (byte >= 0x80 && byte < 0xA0) return high[byte - 0x80];
    return byte;
}

// Decodes one UTF-8 sequence at `i`; false when the bytes there are not valid UTF-8.
bool decodeUtf8(std::string_view text, size_t& i, uint32_t& cp) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int extra = 0;
    if (lead < 0x80) { cp = lead; ++i; return true; }
    if (lead >= 0xC2 && lead <= 0xDF) { extra = 1; cp = lead & 0x1Fu; }
    else if (lead >= 0xE0 && lead <= 0xEF) { extra = 2; cp = lead & 0x0Fu; }
    else if (lead >= 0xF0 && lead <= 0xF4) { extra = 3; cp = lead & 0x07u; }
    else return false;
    if (i + static_cast<size_t>(extra) >= text.size()) return false;
    for (int k = 1; k <= extra; ++k) {
        const unsigned char next = byte(i + static_cast<size_t>(k));
        if ((next & 0xC0u) != 0x80u) return false;
        cp = (cp << 6) | (next & 0x3Fu);
    }
    // Overlong forms and surrogates are not UTF-8.
    if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF)) {
        return false;
    }
    i += static_cast<size_t>(extra) + 1;
    return true;
}

bool isValidUtf8(std::string_view text, bool& anyMultibyte) {
    anyMultibyte = false;
    size_t i = 0;
    while (i < text.size()) {
        uint32_t cp = 0;
        if (!decodeUtf8(text, i, cp)) return false;
        if (cp >= 0x80) anyMultibyte = true;
    }
    return true;
}

}  // namespace

int splitFields(std::string_view line, std::string_view* fields, int maxFields) {
    int count = 0;
    size_t i = 0;
    while (count < maxFields) {
        while (i < line.size() && isBlankChar(line[i])) ++i;
        if (i >= line.size()) break;
        const size_t start = i;
        while (i < line.size() && !isBlankChar(line[i])) ++i;
        fields[count++] = line.substr(start, i - start);
    }
    return count;
}

std::string_view restAfterFields(std::string_view line, int skip) {
    size_t i = 0;
    for (int field = 0; field < skip; ++field) {
        while (i < line.size() && isBlankChar(line[i])) ++i;
        while (i < line.size() && !isBlankChar(line[i])) ++i;
    }
    while (i < line.size() && isBlankChar(line[i])) ++i;
    size_t end = line.size();
    while (end > i && isBlankChar(line[end - 1])) --end;
    return line.substr(i, end - i);
}

bool parseNumber(std::string_view field, double& value) {
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    if (field.empty()) return false;
    double parsed = 0.0;
    const auto result = std::from_chars(field.data(), field.data() + field.size(), parsed);
    if (result.ec != std::errc() || result.ptr != field.data() + field.size() ||
        !std::isfinite(parsed)) {
        return false;
    }
    value = parsed;
    return true;
}

bool validPosition(double lat, double lon) {
    return lat >= -90.0 && lat <= 90.0 && lon >= -180.0 && lon <= 180.0;
}

bool parseInteger(std::string_view field, long& value) {
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    if (field.empty()) return false;
    const auto result = std::from_chars(field.data(), field.data() + field.size(), value);
    return result.ec == std::errc() && result.ptr == field.data() + field.size();
}

std::string quoted(std::string_view text) {
    std::string result;
    result.reserve(text.size() + 2);
    result.push_back('"');
    result.append(text);
    result.push_back('"');
    return result;
}

std::string unitIdent(std::string_view raw) {
    constexpr size_t kIdentChars = 11;
    std::string ident;
    for (char c : raw) {
        if (c > ' ' && c < 0x7F && ident.size() < kIdentChars) ident += c;
    }
    // A leading ';' would make the unit read the whole line as a comment.
    while (!ident.empty() && ident.front() == ';') ident.erase(0, 1);
    return ident;
}

std::string unitName(std::string_view raw, size_t maxChars, NameEncoding* encoding) {
    bool anyMultibyte = false;
    const bool utf8 = isValidUtf8(raw, anyMultibyte);
    if (encoding != nullptr) {
        *encoding = utf8 ? (anyMultibyte ? NameEncoding::Utf8 : NameEncoding::Ascii)
                         : NameEncoding::Windows1252;
    }
    std::string name;
    bool pendingBlank = false;
    size_t i = 0;
    while (i < raw.size() && name.size() < maxChars) {
        uint32_t cp = 0;
        if (utf8) {
            if (!decodeUtf8(raw, i, cp)) break;
        } else {
            cp = windows1252(static_cast<unsigned char>(raw[i++]));
        }
        char one[2] = {};
        for (char c : foldCodePoint(cp, one)) {
            if (c == ' ' || c == '_') {
                pendingBlank = !name.empty();
                continue;
            }
            if (pendingBlank && name.size() + 1 < maxChars) name += '_';
            pendingBlank = false;
            if (name.size() < maxChars) name += c;
        }
    }
    while (!name.empty() && name.front() == ';') name.erase(0, 1);
    return name;
}

}  // namespace navdata
