// The barometric setting on CAL 1 and CAL 2, shown and entered in the unit SET 7 chose:
// inches of mercury with two decimals or whole millibars, four digits either way. With the
// cursor on, the outer knob picks the digit and the inner knob steps it through 0..9; the
// setting is kept within 27.994 to 32.0 inches (948 to 1083 millibars) and sent to the
// simulator on every click, so the altimeter follows the entry at once.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/knob_step.h"
#include "frame/display.h"
#include "frame/host.h"
#include "frame/host_tokens.h"
#include "frame/numbers.h"
#include "frame/unit.h"
#include "nav/pages/cal_pages.h"

namespace {

constexpr double kMillibarsPerInch = 33.8637526;
constexpr float kLabelColumn = 10.0f;
constexpr float kSettingColumn = 80.0f;
constexpr float kDigitBoxOrigin = 68.0f;  // + 16 for each character position, from 1
constexpr int32_t kDigitCount = 4;

// The limits and digits of the setting in one unit: the setting is a whole number of
// `perUnit`ths (hundredths of an inch, whole millibars) with four digits.
struct BaroUnit {
    bool inches;
    double lowest;
    double highest;
    double standard;  // what an entry starts from when the host gave no number
    double perUnit;
};

constexpr BaroUnit kInches{true, 27.994, 32.0, 29.92, 100.0};
// 948 mb is 27.995 in and 1083 mb is 31.98 in: the inch limits in whole millibars.
constexpr BaroUnit kMillibars{false, 948.0, 1083.0, 1013.0, 1.0};

const BaroUnit& unitOf(const Settings& settings) {
    return std::strcmp(settings.baroUnits, "INCHES") == 0 ? kInches : kMillibars;
}

// The character position (from 1) of digit `digit` in the shown setting: the inch text has
// its decimal point after the second digit.
int32_t charPosition(const BaroUnit& baro, int32_t digit) {
    return baro.inches && digit > 2 ? digit + 1 : digit;
}

// One inner-knob click on digit `digit` (1 the leftmost). The digit steps through the
// candidates 0..9, wrapping as a character list does, and the new setting stops at the
// limit it would pass. A setting outside the limits is first brought into them, so the
// digits are always the four the page shows; with none from the host (no number, or 0)
// the entry starts from the standard setting.
double stepDigit(double setting, const BaroUnit& baro, int32_t digit, KnobTurn turn) {
    const bool given = std::isfinite(setting) && setting > 0.0;
    const double start = given ? std::clamp(setting, baro.lowest, baro.highest) : baro.standard;
    const long whole = std::lround(start * baro.perUnit);
    long place = 1;
    for (int32_t i = digit; i < kDigitCount; ++i) place *= 10;
    const auto oldDigit = static_cast<int32_t>(whole / place % 10);
    const int32_t newDigit = knobStep(oldDigit, turn, 0, 9, KnobEnd::Wrap);
    const double edited = static_cast<double>(whole + (newDigit - oldDigit) * place) / baro.perUnit;
    return std::clamp(edited, baro.lowest, baro.highest);
}

void sendSetting(Unit& unit, Host& host, const BaroUnit& baro, double setting) {
    // The page shows the new setting at once; the navigation solution reads the simulator's
    // own value again on its next run.
    unit.nav.aircraft.baroSetting = setting;
    const double millibars = baro.inches ? setting * kMillibarsPerInch : setting;
    host.sendKeyEvent(kKeyAltimeterSetting,
                      static_cast<uint32_t>(truncateToInt32(millibars * 16.0)));
}

CellText settingText(double setting, const BaroUnit& baro) {
    if (!std::isfinite(setting)) return formatCell("%s", baro.inches ? "--.--\"" : "----MB");
    return baro.inches ? formatCell("%02.2f\"", setting) : formatCell("%04.0fMB", setting);
}

}  // namespace

void runBaroSettingRow(Unit& unit, Host& host, Canvas& canvas, float x, int row) {
    const BaroUnit& baro = unitOf(unit.settings);
    int32_t& digit = unit.pages.cal.baroDigit;
    digit = std::clamp(digit, 1, kDigitCount);
    const bool cursorOn = unit.page.leftCursorOn == 1;
    if (cursorOn) {
        ControlEvents& events = unit.events;
        if (take(events.evtLeftOuterUp))
            digit = knobStep(digit, KnobTurn::Up, 1, kDigitCount, KnobEnd::Stop);
        if (take(events.evtLeftOuterDown))
            digit = knobStep(digit, KnobTurn::Down, 1, kDigitCount, KnobEnd::Stop);
        const double& setting = unit.nav.aircraft.baroSetting;
        if (take(events.evtLeftInnerUp)) {
            sendSetting(unit, host, baro, stepDigit(setting, baro, digit, KnobTurn::Up));
        }
        if (take(events.evtLeftInnerDown)) {
            sendSetting(unit, host, baro, stepDigit(setting, baro, digit, KnobTurn::Down));
        }
    }
    drawCell(canvas, x + kLabelColumn, rowY(row), "BARO:");
    const CellText text = settingText(unit.nav.aircraft.baroSetting, baro);
    drawCell(canvas, x + kSettingColumn, rowY(row), text.text);
    if (cursorOn) {
        const float boxX =
            x + kDigitBoxOrigin + kCharWidth * static_cast<float>(charPosition(baro, digit));
        const size_t fromEnd =
            std::strlen(text.text) + 1 - static_cast<size_t>(charPosition(baro, digit));
        drawCalCursorCell(canvas, boxX, row, text.text, fromEnd);
    }
}
