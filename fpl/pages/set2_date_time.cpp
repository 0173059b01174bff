// SET 2: the simulator's date (from its day of the year and year) and its UTC time.
#include "fpl/day_of_year.h"
#include "fpl/pages/set_pages.h"
#include "frame/aircraft_reads.h"
#include "frame/display.h"
#include "frame/numbers.h"
#include "frame/unit.h"

namespace {

constexpr float kColumn = 10.0f;

}  // namespace

void runSetDateTimePage(Unit& unit, Host& host, Canvas& canvas, float x) {
    drawCell(canvas, x + kColumn, rowY(0), "DATE / TIME");
    const int32_t year = truncateToInt32(calendarYear(host));
    const CalendarDate date = dayOfYearToDate(dayOfYear(host), year);
    CellText cell =
        formatCell("%02d %3s %02d", date.dayOfMonth, date.monthName, twoDigitYear(year));
    drawCell(canvas, x + kColumn, rowY(2), cell.text);
    // The host's clock fields are whole numbers; one that is not shows its whole part, so a
    // second of 59.7 never reads 60.
    const AircraftSnapshot& aircraft = unit.nav.aircraft;
    cell = formatCell("%02d:%02d %02dUTC", truncateToInt32(aircraft.zuluHour),
                      truncateToInt32(aircraft.zuluMinute), truncateToInt32(aircraft.clockSecond));
    drawCell(canvas, x + kColumn, rowY(3), cell.text);
    drawCell(canvas, x + kColumn, rowY(4), "CORD UNIV/Z");
}
