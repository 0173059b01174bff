// Pages and start-up steps of the database subsystem that are not built yet.
#include "frame/pages.h"
#include "navdb/navdb_load.h"


void drawAptPage(Unit&, Host&, Canvas&, float) {}
void drawVorPage(Unit&, Host&, Canvas&, float) {}
void drawNdbPage(Unit&, Host&, Canvas&, float) {}
void drawIntPage(Unit&, Host&, Canvas&, float) {}
void drawSupPage(Unit&, Host&, Canvas&, float) {}
