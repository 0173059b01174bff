#include "apps/navdata/diagnostics.h"

namespace navdata {

void Diagnostics::warn(const std::string& file, long line, const std::string& kind,
                       const std::string& detail) {
    const long seen = ++counts_[kind];
    if (out_ == nullptr) return;
    if (seen <= printedPerKind_) {
        std::fprintf(out_, "%s:%ld: %s%s%s\n", file.c_str(), line, kind.c_str(),
                     detail.empty() ? "" : ": ", detail.c_str());
    } else if (seen == printedPerKind_ + 1) {
        std::fprintf(out_, "%s:%ld: further \"%s\" messages are only counted\n", file.c_str(),
                     line, kind.c_str());
    }
}

long Diagnostics::countOf(const std::string& kind) const {
    const auto found = counts_.find(kind);
    return found == counts_.end() ? 0 : found->second;
}

void Diagnostics::printSummary() const {
    if (out_ == nullptr) return;
    for (const auto& [kind, seen] : counts_) std::fprintf(out_, "  %-40s %ld\n", kind.c_str(), seen);
}

}  // namespace navdata
