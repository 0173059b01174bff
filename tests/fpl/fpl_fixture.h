// A Unit with a temporary root folder for the flight plan tests, and small builders.
#pragma once

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "base/text.h"
#include "fpl/plan_store.h"
#include "frame/unit.h"
#include "tests/support/test_bench.h"

inline const std::string kPlansFolder = "Halcyra Software/Tarnwick/FlightPlans/";

struct FplFixture {
    TempFolder root;
    std::unique_ptr<Unit> unit = std::make_unique<Unit>();

    FplFixture() {
        setRoot(root.path().string());
        root.makeFolder(kPlansFolder);
    }
    void setRoot(const std::string& folder) {
        std::snprintf(unit->rootFolder, sizeof unit->rootFolder, "%s", folder.c_str());
    }
    void writePlan(const std::string& name, const std::string& contents) const {
        root.write(kPlansFolder + name, contents);
    }
    std::string readPlan(const std::string& name) const { return root.read(kPlansFolder + name); }
    bool planExists(const std::string& name) const { return root.exists(kPlansFolder + name); }
    FlightPlan& plan(int number) { return *unit->fpl.store.plan(number); }
};

inline PlanWaypoint makeWaypoint(const char* ident, double lat = 0.0, double lon = 0.0,
                                 const char* type = "APT") {
    PlanWaypoint w{};
    copyField(w.ident, ident);
    copyField(w.type, type);
    w.latitude = lat;
    w.longitude = lon;
    return w;
}

// Sets the active route to `idents` (at made-up positions) with the second one active.
inline void setActiveRoute(Unit& unit, const std::vector<std::string>& idents) {
    for (size_t i = 0; i < idents.size(); ++i) {
        unit.fpl.activeRoute.waypoints[i] =
            makeWaypoint(idents[i].c_str(), 47.0 + 0.1 * static_cast<double>(i), -122.0);
    }
    unit.fpl.activeLastIndex = static_cast<int32_t>(idents.size()) - 1;
    unit.nav.leg.activeToIndex = 1;
}

// A waypoint as "IDENT,TYPE,FREQUENCY,LAT,LON", with the five decimals a route file keeps.
inline std::string describe(const PlanWaypoint& w) {
    char text[2 * kPlanIdentSize + 64];
    std::snprintf(text, sizeof text, "%s,%s,%s,%.5f,%.5f", w.ident, w.type, w.frequency,
                  w.latitude, w.longitude);
    return text;
}

template <typename Plan>
std::vector<std::string> planRows(const Plan& plan) {
    std::vector<std::string> out;
    for (int i = 0; i <= plan.lastIndex; ++i) out.push_back(describe(plan.waypoints[i]));
    return out;
}

inline std::vector<std::string> planIdents(const FlightPlan& plan) {
    std::vector<std::string> out;
    for (int i = 0; i <= plan.lastIndex; ++i) out.emplace_back(plan.waypoints[i].ident);
    return out;
}

inline std::vector<std::string> activeIdents(const Unit& unit) {
    std::vector<std::string> out;
    for (int i = 0; i <= unit.fpl.activeLastIndex; ++i) {
        out.emplace_back(unit.fpl.activeRoute.waypoints[i].ident);
    }
    return out;
}
