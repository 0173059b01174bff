// The folder the gauge module was loaded from, where its font file lies.
#pragma once

constexpr int kModulePathSize = 1024;

// Writes the module's folder, ending in a backslash, into `out`. False when it cannot be had
// or does not fit.
bool moduleFolder(wchar_t* out, int size);
// Appends `name` to `path`; false (path unchanged) when the result would not fit.
bool appendToPath(wchar_t* path, int size, const wchar_t* name);
