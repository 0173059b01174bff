#include "apps/navdata/progress.h"

#include <cstdio>
#include <unistd.h>

namespace navdata {

Progress::Progress(bool enabled) : enabled_(enabled && isatty(STDERR_FILENO) != 0) {}

void Progress::update(const DatReader& reader) {
    if (!enabled_ || reader.size() == 0) return;
    const int percent = static_cast<int>(reader.position() * 100 / reader.size());
    if (percent == lastPercent_) return;
    lastPercent_ = percent;
    std::fprintf(stderr, "\r%s: %3d%%, line %ld", reader.name().c_str(), percent,
                 reader.lineNumber());
    std::fflush(stderr);
}

void Progress::finish(const DatReader& reader) {
    if (!enabled_) return;
    std::fprintf(stderr, "\r%s: done, %ld lines\n", reader.name().c_str(), reader.lineNumber());
    lastPercent_ = -1;
}

bool finishFile(Progress& progress, const DatReader& reader, std::string& error) {
    progress.finish(reader);
    if (reader.error().empty()) return true;
    error = reader.error();
    return false;
}

}  // namespace navdata
