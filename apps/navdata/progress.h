// A progress line on standard error while a large file is read, drawn over itself and
// only when standard error is a terminal.
#pragma once

#include <string>

#include "apps/navdata/dat_reader.h"

namespace navdata {

class Progress {
public:
    explicit Progress(bool enabled);
    // Called every few thousand lines; redraws the line when the percentage changed.
    void update(const DatReader& reader);
    // Ends the line of a finished file.
    void finish(const DatReader& reader);

private:
    bool enabled_;
    int lastPercent_ = -1;
};

// Ends the progress line of a file read to its end and reports how the reading ended:
// false, with `error` set, when the reader stopped on a read error.
bool finishFile(Progress& progress, const DatReader& reader, std::string& error);

}  // namespace navdata
