#include "frame/unit.h"
#include "nav/navigation.h"

void recordInterceptLeg(Unit& unit) {
    NavState& nav = unit.nav;
    nav.interceptStartLat = nav.presentLat;
    nav.interceptStartLon = nav.presentLon;
    nav.interceptActive = 1;
}
