// APT 4: the airport's communication frequencies from the information file.
#include "frame/display.h"
#include "frame/unit.h"
#include "navdb/pages/apt_pages.h"
#include "navdb/navdb_load.h"

namespace {

constexpr int kFrequencyRows = 5;  // rows 2..6
constexpr float kFrequencyColumn = 3.0f;

struct FrequencyEntry {
    const char* label;
    const char* text;
};

}  // namespace

void loadAirportInfoOnce(Unit& unit) {
    NavDbState& db = unit.db;
    if (db.currentAirport < 1 || db.currentAirport > db.airportCount) return;
    AirportRecord& airport = db.airports[static_cast<size_t>(db.currentAirport)];
    if (airport.infoLoaded != 0) return;
    LoadAirportInfo(unit);
    airport.infoLoaded = 1;
}

void drawApt4(Unit& unit, Canvas& canvas, float pageX, AirportRecord& airport) {
    loadAirportInfoOnce(unit);
    // The centre frequency is shown under the tower label.
    const FrequencyEntry entries[] = {
        {"ATIS", airport.atis}, {"CLR", airport.clr},   {"GRND", airport.grnd},
        {"TWR", airport.twr},   {"UNCM", airport.uncm}, {"FSS", airport.fss},
        {"APPR", airport.appr}, {"TWR", airport.ctr},
    };
    int row = 0;
    for (const FrequencyEntry& entry : entries) {
        if (row == kFrequencyRows) break;
        if (entry.text[0] == '\0') continue;
        const CellText cell = formatCell("%4s %s", entry.label, entry.text);
        drawCell(canvas, pageX + kFrequencyColumn, rowY(1 + row), cell.text);
        ++row;
    }
    for (; row < kFrequencyRows; ++row) {
        const CellText cell = formatCell("%4s %s", "----", "---.--");
        drawCell(canvas, pageX + kFrequencyColumn, rowY(1 + row), cell.text);
    }
}
