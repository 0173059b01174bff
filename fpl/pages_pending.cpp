// Pages and start-up steps of the flight-plan subsystem that are not built yet.
#include "fpl/fpl_hooks.h"
#include "frame/pages.h"


void drawTriPage(Unit&, Host&, Canvas&, float) {}
void drawStaPage(Unit&, Host&, Canvas&, float) {}
void drawSetPage(Unit&, Host&, Canvas&, float) {}
void drawDuplicatesPage(Unit&, Host&, Canvas&) {}
void drawRefPage(Unit&, Host&, Canvas&, float) {}
void drawActPage(Unit&, Host&, Canvas&, float) {}
void drawDtPage(Unit&, Host&, Canvas&, float) {}
