// Every page function the draw routine dispatches to. A page function draws its page at
// x offset `x` (0 left, 184 right) and acts on the pending control events of its side.
#pragma once

class Canvas;
class Host;
struct Unit;

// Left page groups.
void drawTriPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawModPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawFplPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawCalPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawStaPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawSetPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawOthPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawDirectToPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawAltPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawMessagePage(Unit& unit, Host& host, Canvas& canvas);
void drawSelfTestPage(Unit& unit, Host& host, Canvas& canvas);
void drawDuplicatesPage(Unit& unit, Host& host, Canvas& canvas);

// Either side.
void drawNavPage(Unit& unit, Host& host, Canvas& canvas, float x, int navPage);

// Right page groups.
void drawAptPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawRefPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawActPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawDtPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawVorPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawNdbPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawIntPage(Unit& unit, Host& host, Canvas& canvas, float x);
void drawSupPage(Unit& unit, Host& host, Canvas& canvas, float x);
