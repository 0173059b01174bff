// Conversion of the unit's Windows-1252 text (the degree sign is 0xB0) to UTF-8 and
// to Unicode code points, for the canvases that do not speak the ANSI code page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The code point of one Windows-1252 byte. The five bytes the code page leaves
// undefined map to the C1 control of the same value, as Windows converts them.
uint32_t cp1252CodePoint(unsigned char byte);

// Appends the UTF-8 form of zero-terminated Windows-1252 `text` to `out`.
void appendCp1252AsUtf8(std::string& out, const char* text);

// Writes the UTF-8 form of `text` into `out` (size bytes, always terminated), cutting at
// a whole character when it does not fit. Returns the number of bytes written.
size_t cp1252ToUtf8(const char* text, char* out, size_t size);
