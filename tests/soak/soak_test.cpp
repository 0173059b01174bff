// A random soak: every control, mouse clicks, power cycles and aircraft motion (the poles,
// the antimeridian, 0 to 600 kt) over a database at every table's capacity, with the
// unit's invariants checked after every frame. The run is short by default; the
// environment variables TARNWICK_SOAK_STEPS and TARNWICK_SOAK_SEED make it longer or
// different (scripts/soak runs it so).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/navdb_generate.h"
#include "frame/unit.h"
#include "platform/sim/control_names.h"
#include "tests/support/test_bench.h"

namespace {

uint64_t environmentNumber(const char* name, uint64_t fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') return fallback;
    return std::strtoull(text, nullptr, 10);
}

bool inside(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

// What must hold after any frame, whatever came before. Returns the first broken rule.
std::string brokenInvariant(TestBench& bench) {
    const Unit& unit = bench.unit();
    const PageState& page = unit.page;
    if (!isPageGroup(page.leftPageGroup) || !isPageGroup(page.rightPageGroup)) return "page group";
    if (!isPageGroup(page.savedLeftPageGroup)) return "saved page group";

    const NavDbState& db = unit.db;
    if (!inside(db.airportCount, 0, kAirportCapacity) || !inside(db.vorCount, 0, kVorCapacity) ||
        !inside(db.ndbCount, 0, kNdbCapacity) ||
        !inside(db.intersectionCount, 0, kIntersectionCapacity) ||
        !inside(db.userWaypointCount, 0, kUserWaypointCapacity)) {
        return "table count";
    }
    // Index 1 stands for "the first record" also while a table is empty.
    auto current = [](int32_t index, int32_t count) { return inside(index, 0, count > 1 ? count : 1); };
    if (!current(db.currentAirport, db.airportCount) || !current(db.currentVor, db.vorCount) ||
        !current(db.currentNdb, db.ndbCount) ||
        !current(db.currentIntersection, db.intersectionCount) ||
        !current(db.currentUserWaypoint, db.userWaypointCount)) {
        return "current record";
    }
    if (!inside(db.candidateCount, 0, kCandidateCapacity)) return "candidate count";
    for (const IdentEntry* entry : {&unit.identEntry, &unit.planEntry}) {
        if (!inside(entry->nextCharCount, 0, kNextCharCapacity) ||
            !inside(entry->nextCharPos, 0, entry->nextCharCount)) {
            return "next-character list: entry " + std::to_string(entry->nextCharPos) + " of " +
                   std::to_string(entry->nextCharCount);
        }
        if (std::memchr(entry->entryText, '\0', sizeof entry->entryText) == nullptr) return "entry text";
    }

    const FplState& fpl = unit.fpl;
    if (!inside(fpl.blankPlanIndex, 2, kPlanStoreSlots - 1)) return "blank plan index";
    if (!inside(fpl.selectedPlan, 0, fpl.blankPlanIndex)) return "selected plan";
    if (!inside(fpl.activeLastIndex, -1, kPlanWaypointCount - 1)) return "active route length";
    for (int32_t number = 1; number <= fpl.blankPlanIndex; ++number) {
        const FlightPlan* plan = fpl.store.plan(number);
        if (plan == nullptr || !inside(plan->lastIndex, -1, kPlanWaypointCount - 1)) return "plan length";
    }
    const int32_t to = unit.nav.leg.activeToIndex;
    if (to != kNoActiveRoute && !inside(to, 0, fpl.activeLastIndex > 0 ? fpl.activeLastIndex : 1)) {
        return "active TO index";
    }
    const FlightPlan* blank = fpl.store.plan(fpl.blankPlanIndex);
    if (page.leftPageGroup == PG_FPL && page.leftCursorOn == 1 && fpl.selectedPlan == fpl.blankPlanIndex &&
        !inside(unit.pages.fpl.planCursorRow, -2, blank->lastIndex > 0 ? blank->lastIndex : 0)) {
        return "plan cursor row";
    }

    const float width = static_cast<float>(unit.display.displaySize[0]);
    const float height = static_cast<float>(unit.display.displaySize[1]);
    for (const DrawItem* text : bench.texts()) {
        if (std::strstr(text->text, "nan") != nullptr || std::strstr(text->text, "inf") != nullptr ||
            std::strstr(text->text, "NAN") != nullptr || std::strstr(text->text, "INF") != nullptr) {
            return std::string("text \"") + text->text + "\"";
        }
        if (!(text->x >= 0.0f && text->x < width && text->y >= 0.0f && text->y < height)) {
            return std::string("text outside the display: ") + formatTextItem(*text);
        }
    }
    return {};
}

// One random step: a control, a click, a power cycle or a change of the aircraft's motion.
void randomStep(TestBench& bench, navdb_bench::Random& random) {
    const int kind = random.below(100);
    if (kind < 70) {
        constexpr int kControls = sizeof kControlShortNames / sizeof kControlShortNames[0];
        const char* name = kControlShortNames[random.below(kControls)];
        // Switching off is rare, so that the pages get time between power cycles.
        if (std::strcmp(name, "pwr") == 0 && random.below(8) != 0) name = "ent";
        bench.press(name);
    } else if (kind < 80) {
        bench.click(random.below(500), random.below(300));
        bench.frame();
    } else if (kind < 83) {
        bench.setPowerAvailable(random.below(4) != 0);
        bench.frame();
    } else {
        // Places the data does not cover as often as places it does.
        static const double kLatitudes[] = {90.0, -90.0, 89.9999, 0.0, 47.5};
        static const double kLongitudes[] = {180.0, -180.0, 179.9999, -179.9999, 0.0};
        const bool edge = random.below(3) == 0;
        bench.setPosition(edge ? kLatitudes[random.below(5)] : random.uniform(-90.0, 90.0),
                          edge ? kLongitudes[random.below(5)] : random.uniform(-180.0, 180.0));
        bench.setGroundSpeed(random.below(4) == 0 ? 0.0 : random.uniform(0.0, 600.0));
        bench.setHeading(random.uniform(0.0, 360.0));
        bench.frames(1 + random.below(3));
    }
}

TEST(Soak, RandomControlsAndMotionKeepEveryInvariant) {
    const uint64_t steps = environmentNumber("TARNWICK_SOAK_STEPS", 1500);
    const uint64_t seed = environmentNumber("TARNWICK_SOAK_SEED", 20261207);
    TestBench bench;
    navdb_bench::writeCapacityDatabase(bench.root().path());
    // Stored plans to page through, activate and edit; identifiers of the generated data.
    bench.root().write("Halcyra Software/Tarnwick/FlightPlans/north.rte",
                       "[FlightPlan]\nAAAA 89.9 0 APT\nAAAAA 45 179.99 INT\nZZZZ -89.9 -180 APT\n");
    bench.root().write("Halcyra Software/Tarnwick/FlightPlans/short.rte",
                       "[FlightPlan]\nBAAA 10 10 APT\nBAAA 10 10 APT\n");
    bench.powerOnAndSkipSelfTest();
    ASSERT_EQ(bench.unit().db.intersectionCount, kIntersectionCapacity);
    navdb_bench::Random random(seed);
    for (uint64_t step = 0; step < steps; ++step) {
        randomStep(bench, random);
        const std::string broken = brokenInvariant(bench);
        ASSERT_EQ(broken, "") << "seed " << seed << ", step " << step << "\n" << bench.dump();
    }
}

}  // namespace
