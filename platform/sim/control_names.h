// The short names of the unit's controls used by the runner's `press` line and the test
// bench: lcrsr rcrsr lo- lo+ li- li+ ro- ro+ ri- ri+ push dto alt clr ent msg pwr, in the
// order of the polled control variables.
#pragma once

#include <string>
#include <string_view>

inline constexpr const char* kControlShortNames[] = {
    "lcrsr", "rcrsr", "lo-", "lo+", "li-", "li+", "ro-", "ro+", "ri-",
    "ri+",   "push",  "dto", "alt", "clr", "ent", "msg", "pwr",
};

// The named variable a `press` name sets: the control variable of a short name, or
// `name` itself when it is a plain variable name (letters, digits, underscores, not
// starting with a digit). Empty for anything else, such as a mistyped short name.
std::string pressVariableName(std::string_view name);
