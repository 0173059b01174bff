#include "navdb/user_waypoints.h"


#include "base/text.h"
#include "frame/unit.h"
#include "navdb/coordinates.h"
#include "navdb/ident_entry.h"
#include "navdb/records.h"
#include "navdb/tables.h"

bool userWaypointTableFull(const Unit& unit) {
    return unit.db.userWaypointCount >= kUserWaypointCapacity;
}

bool CreateUserWaypoint(Unit& unit, UserWaypointPlace place) {
    NavDbState& db = unit.db;
    const EnteredIdent entered = enteredIdent(unit.identEntry);
    const char* ident = entered.text;
    // A name is only taken once its first character stands before the cursor.
    if (unit.identEntry.entryText[0] == '\0' || userWaypointTableFull(unit) ||
        db.userWaypointCount < 0) {
        return false;
    }

    double latitude = unit.nav.aircraft.presentLat;
    double longitude = unit.nav.aircraft.presentLon;
    if (place == UserWaypointPlace::EnteredPosition) {
        char latitudeText[kPositionTextSize];
        char longitudeText[kPositionTextSize];
        BuildEnteredLatitudeText(unit, latitudeText);
        BuildEnteredLongitudeText(unit, longitudeText);
        ParsePosition(latitudeText, longitudeText, latitude, longitude);
        if (latitudeText[0] == 'S') latitude = -latitude;
        if (longitudeText[0] == 'W') longitude = -longitude;
    }

    WaypointRecord record{};
    copyField(record.ident, ident);
    copyField(record.name, ident);
    copyField(record.typeText, "W");
    record.latitude = latitude;
    record.longitude = longitude;
    const int32_t index = addWaypoint(db, kTypeUserWaypoint, record);
    if (index == 0) return false;
    db.currentUserWaypoint = index;
    return true;
}
