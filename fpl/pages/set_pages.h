// The SET pages (left page group 7): one file per page, run by drawSetPage
// (set_page.cpp), which picks the page with the left inner knob while the cursor is off
// and owns the cursor. A page run here draws its rows at page x `x` and, while the left
// cursor is on, acts on the left inner knob; the status label is drawn by drawSetPage.
#pragma once

class Canvas;
class Host;
struct Unit;

// SET 1: the initial position, with ground speed and track.
void runSetPositionPage(Unit& unit, Host& host, Canvas& canvas, float x);
// SET 2: the simulator's date and UTC time.
void runSetDateTimePage(Unit& unit, Host& host, Canvas& canvas, float x);
// SET 3: the nearest-airport minimum runway length.
void runSetNearestPage(Unit& unit, Host& host, Canvas& canvas, float x);
// SET 4: when the flight timer starts.
void runSetTimerPage(Unit& unit, Host& host, Canvas& canvas, float x);
// SET 7: the barometric units.
void runSetBaroPage(Unit& unit, Host& host, Canvas& canvas, float x);

// Runs the airport search the new runway length calls for and clears the change flag;
// APT pages in nearest mode then show the airport at their place in the new list.
void applyNearestCriteria(Unit& unit);
