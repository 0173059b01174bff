#include "navdb/tables.h"

#include "base/text.h"

namespace {

int32_t append(FixedTable<WaypointRecord>& table, int32_t capacity, int32_t& count,
               FixedTable<IdentKey>* idents, const WaypointRecord& record) {
    if (count < 0 || count >= capacity) return 0;
    ++count;
    table[static_cast<size_t>(count)] = record;
    if (idents != nullptr) copyField((*idents)[static_cast<size_t>(count)].text, record.ident);
    return count;
}

}  // namespace

int32_t addWaypoint(NavDbState& db, char typeLetter, const WaypointRecord& record) {
    switch (typeLetter) {
        case kTypeVor:
            return append(db.vors, kVorCapacity, db.vorCount, &db.vorIdents, record);
        case kTypeNdb:
            return append(db.ndbs, kNdbCapacity, db.ndbCount, &db.ndbIdents, record);
        case kTypeIntersection:
            return append(db.intersections, kIntersectionCapacity, db.intersectionCount,
                          &db.intersectionIdents, record);
        case kTypeUserWaypoint:
            return append(db.userWaypoints, kUserWaypointCapacity, db.userWaypointCount,
                          nullptr, record);
        default:
            return 0;
    }
}

AirportRecord* nextAirportSlot(NavDbState& db) {
    if (db.airportCount < 0 || db.airportCount >= kAirportCapacity) return nullptr;
    return &db.airports[static_cast<size_t>(db.airportCount) + 1];
}

int32_t commitAirport(NavDbState& db) {
    if (nextAirportSlot(db) == nullptr) return 0;
    ++db.airportCount;
    const size_t index = static_cast<size_t>(db.airportCount);
    copyField(db.airportIdents[index].text, db.airports[index].ident);
    return db.airportCount;
}

int32_t addAirport(NavDbState& db, const AirportRecord& record) {
    AirportRecord* slot = nextAirportSlot(db);
    if (slot == nullptr) return 0;
    *slot = record;
    return commitAirport(db);
}
