// Pages of the navigation subsystem that are not built yet draw nothing.
#include "frame/pages.h"

void drawModPage(Unit&, Host&, Canvas&, float) {}
void drawCalPage(Unit&, Host&, Canvas&, float) {}
void drawOthPage(Unit&, Host&, Canvas&, float) {}
void drawDirectToPage(Unit&, Host&, Canvas&, float) {}
void drawAltPage(Unit&, Host&, Canvas&, float) {}
void drawMessagePage(Unit&, Host&, Canvas&) {}
void drawNavPage(Unit&, Host&, Canvas&, float, int) {}
