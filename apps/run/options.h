// The command line of tarnwick-run:
//   tarnwick-run [--root DIR] [--script FILE|-] [--png FILE] [--size WxH]
#pragma once

#include <cstdint>
#include <string>

struct RunOptions {
    std::string rootFolder;  // empty: the current directory
    std::string scriptPath;  // "-" for stdin; empty: no script
    std::string pngPath;     // written after the script when not empty
    uint32_t widthPx = 370;
    uint32_t heightPx = 176;
    bool helpWanted = false;
};

constexpr uint32_t kMaxDisplayPx = 8192;

// Fills `options` from argv; on a bad or missing argument returns false with the problem
// in `error`.
bool parseOptions(int argc, const char* const* argv, RunOptions& options, std::string& error);

// "WxH" with both sides from 1 to kMaxDisplayPx.
bool parseDisplaySize(const std::string& text, uint32_t& widthPx, uint32_t& heightPx);

extern const char* const kUsage;
