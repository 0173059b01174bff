// Messages about the input: each names the file and the line, and each kind of problem
// is printed a few times and then only counted, so a world file with thousands of odd
// rows stays readable. The counts are printed in the summary.
#pragma once

#include <cstdio>
#include <map>
#include <string>

namespace navdata {

class Diagnostics {
public:
    explicit Diagnostics(std::FILE* out, int printedPerKind = 5)
        : out_(out), printedPerKind_(printedPerKind) {}

    // Reports a problem of kind `kind` ("unknown row code", "short row") at a line.
    void warn(const std::string& file, long line, const std::string& kind,
              const std::string& detail);
    // Counts a problem of kind `kind` without printing it.
    void count(const std::string& kind) { ++counts_[kind]; }

    long countOf(const std::string& kind) const;
    const std::map<std::string, long>& counts() const { return counts_; }
    void printSummary() const;

private:
    std::FILE* out_;
    int printedPerKind_;
    std::map<std::string, long> counts_;
};

}  // namespace navdata
