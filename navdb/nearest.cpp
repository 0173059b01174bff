// The nearest-airport, VOR and NDB lists.
#include "navdb/nearest.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "frame/unit.h"
#include "nav/geodesy.h"

namespace {

constexpr double kWideRadiusNm = 600.0;
constexpr double kWideRebuildNm = 200.0;
constexpr double kNarrowRadiusNm = 180.0;
constexpr double kNarrowRebuildNm = 50.0;
constexpr double kAirportSearchMoveNm = 1.0;
constexpr double kEmptySlotNm = 9999.0;

// Distance from the aircraft to a list position; a list never built is infinitely far,
// since its marker position (-1024, -1024) is, as an angle, a real place on the earth.
double distanceFromAircraft(const Unit& unit, double lat, double lon) {
    if (lat == kNearestNoPosition && lon == kNearestNoPosition) return INFINITY;
    double distance = 0.0;
    double bearing = 0.0;
    greatCircle(unit.nav.aircraft.presentLat, unit.nav.aircraft.presentLon, lat, lon, distance, bearing);
    return distance;
}

int32_t kindCount(const NavDbState& db, NearestKind kind) {
    switch (kind) {
        case NearestKind::Airports: return db.airportCount;
        case NearestKind::Vors: return db.vorCount;
        default: return db.ndbCount;
    }
}

const FixedTable<WaypointRecord>& navaidTable(const NavDbState& db, NearestKind kind) {
    return kind == NearestKind::Vors ? db.vors : db.ndbs;
}

// The wide-list entry of record `index` of a kind's table.
void makeEntry(const NavDbState& db, NearestKind kind, int32_t index, NearestEntry& entry) {
    entry.recordIndex = index;
    if (kind == NearestKind::Airports) {
        const AirportRecord& airport = db.airports[static_cast<size_t>(index)];
        std::memcpy(entry.ident, airport.ident, sizeof entry.ident);
        entry.latitude = airport.latitude;
        entry.longitude = airport.longitude;
        entry.longestRunwayFeet = airport.longestRunwayFeet;
    } else {
        const WaypointRecord& record = navaidTable(db, kind)[static_cast<size_t>(index)];
        std::memcpy(entry.ident, record.ident, sizeof entry.ident);
        entry.latitude = record.latitude;
        entry.longitude = record.longitude;
        entry.longestRunwayFeet = 0;
    }
}

void recordPosition(const NavDbState& db, NearestKind kind, int32_t index, double& lat,
                    double& lon) {
    if (kind == NearestKind::Airports) {
        const AirportRecord& airport = db.airports[static_cast<size_t>(index)];
        lat = airport.latitude;
        lon = airport.longitude;
    } else {
        const WaypointRecord& record = navaidTable(db, kind)[static_cast<size_t>(index)];
        lat = record.latitude;
        lon = record.longitude;
    }
}

void setRank(NavDbState& db, NearestKind kind, int32_t index, int32_t rank) {
    if (index < 1 || index > kindCount(db, kind)) return;
    switch (kind) {
        case NearestKind::Airports: db.airports[static_cast<size_t>(index)].nearestRank = rank; break;
        case NearestKind::Vors: db.vors[static_cast<size_t>(index)].nearestRank = rank; break;
        default: db.ndbs[static_cast<size_t>(index)].nearestRank = rank; break;
    }
}

int32_t worstSlot(const NearestList& list) {
    int32_t worst = 1;
    for (int32_t k = 2; k <= kNearestSlotCount; ++k) {
        if (list.slots[k].distanceNm > list.slots[worst].distanceNm) worst = k;
    }
    return worst;
}

// Sorts the slots by distance, keeping equal distances in their order: exchange the
// first neighbours out of order and start again until a pass exchanges nothing.
void sortSlots(NearestList& list) {
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (int32_t k = 1; k < kNearestSlotCount; ++k) {
            if (list.slots[k].distanceNm > list.slots[k + 1].distanceNm) {
                const WaypointRecord held = list.slots[k];
                list.slots[k] = list.slots[k + 1];
                list.slots[k + 1] = held;
                exchanged = true;
                break;
            }
        }
    }
}

void fillSlots(Unit& unit, NearestKind kind, NearestList& list) {
    NavDbState& db = unit.db;
    for (int32_t k = 1; k <= kNearestSlotCount; ++k) {
        setRank(db, kind, list.slots[k].recordIndex, 0);
        list.slots[k] = WaypointRecord{};
        list.slots[k].distanceNm = kEmptySlotNm;
    }
    int32_t worst = 1;
    for (int32_t i = 1; i <= list.narrowCount; ++i) {
        const NearestEntry& entry = list.narrowList[static_cast<size_t>(i)];
        if (kind == NearestKind::Airports &&
            entry.longestRunwayFeet < unit.settings.minRunwayLength) {
            continue;
        }
        double distance = 0.0;
        double bearing = 0.0;
        greatCircle(unit.nav.aircraft.presentLat, unit.nav.aircraft.presentLon, entry.latitude, entry.longitude,
                    distance, bearing);
        if (!(distance < list.slots[worst].distanceNm)) continue;
        WaypointRecord& slot = list.slots[worst];
        slot = WaypointRecord{};
        std::memcpy(slot.ident, entry.ident, sizeof slot.ident);
        slot.latitude = entry.latitude;
        slot.longitude = entry.longitude;
        if (kind != NearestKind::Airports && entry.recordIndex >= 1 &&
            entry.recordIndex <= kindCount(db, kind)) {
            const WaypointRecord& record =
                navaidTable(db, kind)[static_cast<size_t>(entry.recordIndex)];
            std::memcpy(slot.frequency, record.frequency, sizeof slot.frequency);
        }
        slot.recordIndex = entry.recordIndex;
        slot.distanceNm = distance;
        slot.bearingDeg = toMagnetic(bearing, unit.nav.aircraft.magVar);
        worst = worstSlot(list);
    }
}

void runSearch(Unit& unit, NearestKind kind) {
    NearestList& list = nearestList(unit.db, kind);
    const bool forced = kind == NearestKind::Airports && unit.settings.nearestCriteriaChanged;
    if (forced || distanceFromAircraft(unit, list.wideListLat, list.wideListLon) > kWideRebuildNm) {
        BuildWideList(unit, kind);
    }
    // The narrow list keeps its own build position, apart from the search position, so
    // that a rebuilt narrow list never makes the search below skip its slots.
    if (forced ||
        distanceFromAircraft(unit, list.narrowListLat, list.narrowListLon) > kNarrowRebuildNm) {
        BuildNarrowList(unit, kind);
    }
    const bool skipFill = kind == NearestKind::Airports && !forced &&
                          distanceFromAircraft(unit, list.searchLat, list.searchLon) <=
                              kAirportSearchMoveNm;
    if (!skipFill) fillSlots(unit, kind, list);
    sortSlots(list);
    list.searchLat = unit.nav.aircraft.presentLat;
    list.searchLon = unit.nav.aircraft.presentLon;
    for (int32_t k = 1; k <= kNearestSlotCount; ++k) {
        setRank(unit.db, kind, list.slots[k].recordIndex, k);
    }
}

// A candidate list that keeps the nearest entries when more qualify than it holds.
// While it has room, entries are appended, so they stay in table order. Once it is full
// it turns into a max-heap on distance, a nearer candidate replacing the farthest entry,
// and finish() puts the kept entries back in table order (by record number). Lists that
// never overflow are filled exactly as a plain append would fill them. The distances live
// in the caller's fixed array; nothing is allocated.
class NearestKeeper {
public:
    NearestKeeper(FixedTable<NearestEntry>& entries, double* distances, int32_t capacity,
                  int32_t& count)
        : entries_(entries), distances_(distances), capacity_(capacity), count_(count) {
        count_ = 0;
    }

    void offer(const NearestEntry& entry, double distanceNm) {
        if (count_ < capacity_) {
            ++count_;
            entries_[static_cast<size_t>(count_)] = entry;
            distances_[count_] = distanceNm;
            return;
        }
        if (capacity_ < 1) return;
        if (!heap_) {
            for (int32_t k = capacity_ / 2; k >= 1; --k) siftDown(k);
            heap_ = true;
        }
        // Equal distances keep the entry that came first in table order.
        if (!(distanceNm < distances_[1])) return;
        entries_[1] = entry;
        distances_[1] = distanceNm;
        siftDown(1);
    }

    // Beyond this distance no candidate can enter the list any more.
    double reachNm(double radiusNm) const { return heap_ ? distances_[1] : radiusNm; }

    void finish() {
        if (!heap_) return;
        NearestEntry* first = &entries_[1];
        std::sort(first, first + count_, [](const NearestEntry& a, const NearestEntry& b) {
            return a.recordIndex < b.recordIndex;
        });
    }

private:
    void siftDown(int32_t k) {
        for (;;) {
            int32_t largest = k;
            const int32_t left = 2 * k;
            const int32_t right = left + 1;
            if (left <= count_ && distances_[left] > distances_[largest]) largest = left;
            if (right <= count_ && distances_[right] > distances_[largest]) largest = right;
            if (largest == k) return;
            std::swap(entries_[static_cast<size_t>(k)], entries_[static_cast<size_t>(largest)]);
            std::swap(distances_[k], distances_[largest]);
            k = largest;
        }
    }

    FixedTable<NearestEntry>& entries_;
    double* distances_;
    int32_t capacity_;
    int32_t& count_;
    bool heap_ = false;
};

}  // namespace

NearestList& nearestList(NavDbState& db, NearestKind kind) {
    switch (kind) {
        case NearestKind::Airports: return db.nearestAirports;
        case NearestKind::Vors: return db.nearestVors;
        default: return db.nearestNdbs;
    }
}

void BuildWideList(Unit& unit, NearestKind kind) {
    NavDbState& db = unit.db;
    NearestList& list = nearestList(db, kind);
    const double aircraftLat = unit.nav.aircraft.presentLat;
    const double aircraftLon = unit.nav.aircraft.presentLon;
    // A record more than 10 degrees of latitude away is more than 600 NM away; this test
    // spares most records the trigonometry.
    const double latitudeReach = kWideRadiusNm / 60.0;
    // Where more records lie within the radius than the list holds (dense regions of a
    // world database), the nearest ones are kept, so the nearest airport is never lost.
    double distances[kWideListCapacity + 1];
    NearestKeeper keeper(list.wideList, distances, kWideListCapacity, list.wideCount);
    const int32_t count = kindCount(db, kind);
    NearestEntry entry{};
    for (int32_t i = 1; i <= count; ++i) {
        double lat = 0.0;
        double lon = 0.0;
        recordPosition(db, kind, i, lat, lon);
        // Once the list is full, only records nearer than its farthest entry can enter.
        if (std::fabs(lat - aircraftLat) * 60.0 > keeper.reachNm(latitudeReach * 60.0)) continue;
        double distance = 0.0;
        double bearing = 0.0;
        greatCircle(aircraftLat, aircraftLon, lat, lon, distance, bearing);
        if (!(distance <= kWideRadiusNm)) continue;
        makeEntry(db, kind, i, entry);
        keeper.offer(entry, distance);
    }
    keeper.finish();
    list.wideListLat = aircraftLat;
    list.wideListLon = aircraftLon;
}

void BuildNarrowList(Unit& unit, NearestKind kind) {
    NearestList& list = nearestList(unit.db, kind);
    // The wide list is in table order, so the narrow list, kept in record order, stays in
    // wide-list order.
    double distances[kWideListCapacity + 1];
    const int32_t capacity = std::min(list.narrowCapacity, kWideListCapacity);
    NearestKeeper keeper(list.narrowList, distances, capacity, list.narrowCount);
    for (int32_t i = 1; i <= list.wideCount; ++i) {
        const NearestEntry& entry = list.wideList[static_cast<size_t>(i)];
        double distance = 0.0;
        double bearing = 0.0;
        greatCircle(unit.nav.aircraft.presentLat, unit.nav.aircraft.presentLon, entry.latitude, entry.longitude,
                    distance, bearing);
        if (!(distance <= kNarrowRadiusNm)) continue;
        keeper.offer(entry, distance);
    }
    keeper.finish();
    list.narrowListLat = unit.nav.aircraft.presentLat;
    list.narrowListLon = unit.nav.aircraft.presentLon;
}

void refreshNearestLists(Unit& unit, NearestKind kind) {
    const NearestList& list = nearestList(unit.db, kind);
    if (distanceFromAircraft(unit, list.wideListLat, list.wideListLon) > kWideRebuildNm) {
        BuildWideList(unit, kind);
    }
    if (distanceFromAircraft(unit, list.narrowListLat, list.narrowListLon) > kNarrowRebuildNm) {
        BuildNarrowList(unit, kind);
    }
}

void UpdateNearestAirports(Unit& unit) { runSearch(unit, NearestKind::Airports); }
void UpdateNearestVors(Unit& unit) { runSearch(unit, NearestKind::Vors); }
void UpdateNearestNdbs(Unit& unit) { runSearch(unit, NearestKind::Ndbs); }
