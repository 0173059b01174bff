// The CAL pages' figures at their edges: the conversions both ways and at their limits, the
// VNAV angle and vertical speed with the zero cases that would divide by zero, the
// barometric entry with the key event it sends and its limits, and the density altitude
// against the standard atmosphere.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "frame/host_tokens.h"
#include "support/test_bench.h"

namespace {

constexpr uint32_t kNoKeyEvent = 0;

struct CalCase {
    const char* name;
    int32_t calPage;
    int32_t field;  // 0: cursor off; else the CAL 4 or CAL 5 field or the baro digit
    std::function<void(TestBench&)> setup;
    const char* keys;  // pressed one by one
    float x;
    int row;
    const char* text;
    uint32_t keyParameter = kNoKeyEvent;  // the altimeter setting the last key event sent
};

// 8000 ft indicated, descending to 3000 ft, planned at 150 kt and `fpm`.
std::function<void(TestBench&)> descent(double fpm, double angle = 0.0) {
    return [fpm, angle](TestBench& bench) {
        bench.setAltitude(8000.0);
        VnavState& vnav = bench.unit().vnav;
        vnav.vnavTargetAltitude = 3000.0;
        vnav.vnavVerticalSpeed = fpm;
        vnav.vnavAngle = angle;
    };
}

// As descent(), flying a route whose TO waypoint lies `distanceNm` due north.
std::function<void(TestBench&)> descentTo(double distanceNm, double fpm) {
    return [distanceNm, fpm](TestBench& bench) {
        descent(fpm)(bench);
        Unit& unit = bench.unit();
        for (int i = 0; i < 2; ++i) {
            PlanWaypoint& waypoint = unit.fpl.activeRoute.waypoints[i];
            std::snprintf(waypoint.ident, sizeof waypoint.ident, "WPT%d", i);
            waypoint.latitude = i;
        }
        unit.fpl.activeLastIndex = 1;
        unit.nav.leg.activeToIndex = 1;
        bench.setPosition(1.0 - distanceNm / 60.0, 0.0);
        bench.setGroundSpeed(150.0);
    };
}

std::function<void(TestBench&)> conversions(double celsius, double fahrenheit, double knots,
                                            double mph) {
    return [=](TestBench& bench) {
        CalPageState& cal = bench.unit().pages.cal;
        cal.convCelsius = celsius;
        cal.convFahrenheit = fahrenheit;
        cal.convKnots = knots;
        cal.convMph = mph;
    };
}

std::function<void(TestBench&)> baro(const char* units, double tokenMb) {
    return [units, tokenMb](TestBench& bench) {
        std::snprintf(bench.unit().settings.baroUnits, sizeof bench.unit().settings.baroUnits, "%s",
                      units);
        bench.host().setToken(kTokenBaroSetting, tokenMb);
    };
}

TEST(CalPages, FiguresAtTheirEdges) {
    const CalCase cases[] = {
        {"20 C is 68 F", 5, 1, conversions(19, 66.2, 100, 115.08), "li+", 10, 2,
         "   068\xB0"
         "F"},
        {"100 kt is 115 mph", 5, 3, conversions(0, 32, 99, 113.93), "li+", 10, 5, "   115MPH"},
        {"115 mph is 100 kt", 5, 4, conversions(0, 32, 100.8, 116), "li-", 10, 4, "   100KT"},
        {"just below 0 C shows 000", 5, 1, conversions(-1.11, 30, 100, 115), "li+", 10, 1,
         "   000\xB0"
         "C"},
        {"C clamped at 150", 5, 1, conversions(149.5, 301, 100, 115), "li+", 10, 1,
         "   150\xB0"
         "C"},
        {"F clamped at 200", 5, 2, conversions(93, 199.4, 100, 115), "li+", 10, 2,
         "   200\xB0"
         "F"},
        {"knots stop at 0", 5, 3, conversions(0, 32, 0.5, 0.6), "li- li-", 10, 5, "   000MPH"},
        {"VS 500 at 150 kt: 2.0", 4, 2, descent(400), "li+", 10, 4, "ANGLE: 2.0"},
        {"151 kt: 1.99", 4, 1, descent(500), "li+", 10, 4, "ANGLE: 2.0"},
        {"equal altitudes", 4, 2,
         [](TestBench& b) {
             descent(400)(b);
             b.setAltitude(3000);
         },
         "li+", 10, 4, "ANGLE: 2.0"},
        {"no ground speed keeps the angle", 4, 1,
         [](TestBench& b) {
             descent(500, 2.0)(b);
             b.unit().vnav.vnavGroundSpeed = 1;
         },
         "li- li-", 10, 4, "ANGLE: 2.0"},
        {"VS clamped at 10000", 4, 2, descent(9950), "li+ li+", 10, 3, "FPM:   10000"},
        {"angle clamped at 10", 4, 3, descent(500, 9.95), "li+ li+", 10, 4, "ANGLE: 10.0"},
        {"angle stops at 0", 4, 3, descent(500, 0.05), "li- li-", 10, 4, "ANGLE: 0.0"},
        {"angle step, 20 NM to go", 4, 3, descentTo(20, 500), "li+", 10, 3, "FPM:   0625"},
        {"angle step at the waypoint", 4, 3, descentTo(0, 500), "li+", 10, 3, "FPM:   0500"},
        {"angle step without a route", 4, 3, descent(500, 2.0), "li+", 10, 3, "FPM:   0525"},
        {"density altitude", 1, 0,
         [](TestBench& b) {
             b.setAltitude(5000);
             b.host().setToken(kTokenOutsideTemperature, 10);
         },
         "", 10, 5, "DEN  5588FT"},
        {"inches: hundredths up", 1, 4, baro("INCHES", 1013.25), "li+", 80, 2, "29.93\"", 16216},
        {"inches: tens up stops at 32", 2, 1, baro("INCHES", 1013.25), "li+", 80, 3, "32.00\"",
         17338},
        {"inches: ones down from 28.00", 1, 2, baro("INCHES", 948.2), "li-", 80, 2, "27.99\"",
         15167},
        {"millibars: units down", 1, 4, baro("MILLIBARS", 1013.25), "li-", 80, 2, "1012MB", 16192},
        {"millibars: hundreds down stops at 948", 2, 2, baro("MILLIBARS", 960), "li-", 80, 3,
         "0948MB", 15168},
        {"no setting from the host", 1, 4, baro("INCHES", 0), "li+", 80, 2, "29.93\"", 16216},
        {"digit moves right, stops", 1, 1, baro("MILLIBARS", 1013), "lo+ lo+ lo+ lo+ li+", 80, 2,
         "1014MB", 16224},
    };
    for (const CalCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestBench bench;
        bench.powerOnAndSkipSelfTest();
        c.setup(bench);
        Unit& unit = bench.unit();
        unit.page.leftPageGroup = PG_CAL;
        unit.pages.cal.calPage = c.calPage;
        bench.frame();
        if (c.field != 0) {
            bench.press("lcrsr");
            unit.pages.cal.vnavCalField = c.field;
            unit.pages.cal.convField = c.field;
            unit.pages.cal.baroDigit = c.field;
        }
        bench.host().clearKeyEvents();
        for (const char* key = c.keys; *key != '\0';) {
            const char* end = key;
            while (*end != '\0' && *end != ' ') ++end;
            bench.press(std::string_view(key, static_cast<size_t>(end - key)));
            key = *end == ' ' ? end + 1 : end;
        }
        EXPECT_EQ(bench.textAt(c.x, 24.0f * static_cast<float>(c.row)), c.text) << bench.dump();
        const auto& sent = bench.host().keyEvents();
        if (c.keyParameter == kNoKeyEvent) {
            EXPECT_TRUE(sent.empty());
            continue;
        }
        ASSERT_FALSE(sent.empty());
        EXPECT_EQ(sent.back().eventId, kKeyAltimeterSetting);
        EXPECT_EQ(sent.back().parameter, c.keyParameter);
    }
}

}  // namespace
