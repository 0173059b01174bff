#include "frame/plan_waypoint.h"

#include <cstring>

void copyPlanWaypoint(PlanWaypoint& to, const PlanWaypoint& from) {
    if (&to == &from) return;
    std::memcpy(to.ident, from.ident, sizeof to.ident);
    to.latitude = from.latitude;
    to.longitude = from.longitude;
    std::memcpy(to.type, from.type, sizeof to.type);
    std::memcpy(to.column6Text, from.column6Text, sizeof to.column6Text);
    std::memcpy(to.column7Text, from.column7Text, sizeof to.column7Text);
    std::memcpy(to.reservedText2, from.reservedText2, sizeof to.reservedText2);
    std::memcpy(to.reservedText3, from.reservedText3, sizeof to.reservedText3);
    to.reservedValue1 = from.reservedValue1;
    to.reservedValue2 = from.reservedValue2;
    to.reservedValue3 = from.reservedValue3;
    to.reservedCount1 = from.reservedCount1;
    to.reservedCount2 = from.reservedCount2;
    std::memcpy(to.frequency, from.frequency, sizeof to.frequency);
}
