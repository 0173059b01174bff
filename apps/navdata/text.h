// Text helpers of the converter: splitting rows into fields, locale-free numbers, and
// turning identifiers and names into what the unit's files can carry.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace navdata {

// Splits `line` at runs of blanks into at most `maxFields` fields; returns how many.
int splitFields(std::string_view line, std::string_view* fields, int maxFields);

// The text after the first `skip` fields, without surrounding blanks ("" when none).
std::string_view restAfterFields(std::string_view line, int skip);

// Whole-field numbers: the field must be a finite number and nothing else ("+"
// allowed); `value` is left alone otherwise.
[[nodiscard]] bool parseNumber(std::string_view field, double& value);
[[nodiscard]] bool parseInteger(std::string_view field, long& value);
// Latitude -90..90 and longitude -180..180.
bool validPosition(double lat, double lon);

// Text in double quotes, for messages.
std::string quoted(std::string_view text);

// An identifier as the unit compares it: printable ASCII without blanks, cut to 11
// characters. Empty when nothing printable is left.
std::string unitIdent(std::string_view raw);

// How a name's bytes were read.
enum class NameEncoding { Ascii, Utf8, Windows1252 };

// A name in the unit's character set: upper-case ASCII, accents folded (UTF-8 when the
// bytes are valid UTF-8, Windows-1252 otherwise), runs of blanks as one underscore,
// cut to `maxChars` characters.
std::string unitName(std::string_view raw, size_t maxChars, NameEncoding* encoding = nullptr);

}  // namespace navdata
