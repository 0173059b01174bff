// Runs a parsed script against one unit: start-up (services 2, 4, 14), each line in
// turn, then service 15 and the closing PNG. Output goes to `out`.
#pragma once

#include <cstdio>
#include <vector>

#include "apps/run/options.h"
#include "apps/run/script.h"

// Returns the process exit status: 0, or 1 when a PNG could not be written.
int runScript(const RunOptions& options, const std::vector<ScriptLine>& lines, std::FILE* out);
