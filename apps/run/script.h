// The script language of tarnwick-run: one command a line, words separated by blanks, a
// double-quoted word may hold blanks, "#" starts a comment, blank lines are ignored.
// The whole script is parsed and checked before anything runs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class Command {
    Frames,
    Press,
    Click,
    Token,
    Var,
    Calc,
    Position,
    GroundSpeed,
    Heading,
    MagVar,
    Altitude,
    Utc,
    Wind,
    Power,
    Fly,
    Service,
    Dump,
    Print,
    Png,
    SimPlan,
};

struct ScriptLine {
    int lineNumber = 0;
    Command command = Command::Dump;
    std::vector<std::string> words;  // press: variable names; print: names; png/var: text
    std::vector<double> numbers;     // numeric arguments in order
    bool hasOptional = false;        // heading TRUE, utc S were given
};

struct ScriptError {
    int lineNumber = 0;
    std::string problem;
};

// Parses the whole text; returns false with the first problem in `error`.
bool parseScript(const std::string& text, std::vector<ScriptLine>& lines, ScriptError& error);
