// Name wrapping and runway designations for the waypoint pages.
#include <cstdio>
#include <cstring>

#include "navdb/pages/waypoint_pages.h"

namespace {

constexpr int kNameCutChars = 22;

// Copies at most kNameLineChars characters of `text` (up to `length`) into a line.
void setLine(char (&line)[kNameLineChars + 1], const char* text, int length) {
    if (length > kNameLineChars) length = kNameLineChars;
    if (length < 0) length = 0;
    std::memcpy(line, text, static_cast<size_t>(length));
    line[length] = '\0';
}

int wordLength(const char* text) {
    int n = 0;
    while (text[n] != '\0' && text[n] != ' ') ++n;
    return n;
}

}  // namespace

NameLines splitName(const char* name) {
    NameLines lines{};
    if (name == nullptr) return lines;

    // Work on a copy with underscores shown as blanks, cut to 22 characters.
    char text[kNameCutChars + 1];
    int length = 0;
    for (; length < kNameCutChars && name[length] != '\0'; ++length) {
        text[length] = name[length] == '_' ? ' ' : name[length];
    }
    text[length] = '\0';

    if (length <= kNameLineChars) {
        setLine(lines.line1, text, length);
        return lines;
    }
    if (text[9] == ' ') {
        setLine(lines.line1, text, 9);
        setLine(lines.line2, text + 10, length - 10);
        return lines;
    }
    const char* firstBlank = std::strchr(text, ' ');
    if (firstBlank == nullptr) {
        setLine(lines.line1, text, length);
        return lines;
    }

    const int firstWord = static_cast<int>(firstBlank - text);
    const char* rest = firstBlank + 1;
    const int nextWord = wordLength(rest);
    // A second word moves up only when the joined line still fits the row, so no row is
    // ever cut in the middle of a word that could have stayed whole below.
    if (rest[nextWord] == ' ' && firstWord + 1 + nextWord <= kNameLineChars) {
        setLine(lines.line1, text, firstWord + 1 + nextWord);
        const char* after = rest + nextWord + 1;
        setLine(lines.line2, after, static_cast<int>(std::strlen(after)));
    } else {
        setLine(lines.line1, text, firstWord);
        setLine(lines.line2, rest, static_cast<int>(std::strlen(rest)));
    }
    return lines;
}

int runwayNumber(const char* designation) {
    if (designation == nullptr) return 0;
    int number = 0;
    for (int i = 0; designation[i] >= '0' && designation[i] <= '9'; ++i) {
        if (number < 1000) number = number * 10 + (designation[i] - '0');
    }
    return number;
}

bool reciprocalDesignation(const char* designation, char (&out)[kRunwayDesignationChars + 1]) {
    out[0] = '\0';
    const int number = runwayNumber(designation);
    if (number < 1 || number > 18) return false;
    int digits = 0;
    while (designation[digits] >= '0' && designation[digits] <= '9') ++digits;
    // Left and right swap ends; a centre runway, or any other side letter, stays as it is.
    char side[2] = {designation[digits], '\0'};
    if (side[0] == 'L') side[0] = 'R';
    else if (side[0] == 'R') side[0] = 'L';
    std::snprintf(out, sizeof out, "%02d%s", number + 18, side);
    return true;
}
