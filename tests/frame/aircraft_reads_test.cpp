// Host variables and their conversions, as the navigation solution reads them.
#include <gtest/gtest.h>

#include "frame/aircraft_reads.h"
#include "frame/host_tokens.h"
#include "support/test_bench.h"

namespace {

TEST(AircraftReads, LongitudeAboveHalfATurnIsWest) {
    EXPECT_NEAR(decodeLongitude(10.0 * 781874935307.4), 10.0, 1e-9);
    EXPECT_NEAR(decodeLongitude(350.0 * 781874935307.4), -10.0, 1e-9);
    EXPECT_NEAR(decodeLongitude(140737488355332.0), 180.0, 1e-6);
    EXPECT_NEAR(decodeLatitude(47.5 * 111130.555557), 47.5, 1e-12);
}

TEST(AircraftReads, FuelFlowsFallBackToTheSecondSet) {
    SimHost host;
    for (size_t i = 0; i < 4; ++i) host.setToken(kTokenFuelFlowSecondary[i], 10.0 * (i + 1));
    EXPECT_DOUBLE_EQ(engineFuelFlowPph(host, 1), 10.0);
    EXPECT_DOUBLE_EQ(engineFuelFlowPph(host, 2), 20.0);
    EXPECT_DOUBLE_EQ(totalFuelFlowPph(host), 100.0);
    host.setToken(kTokenFuelFlow[0], 5.0);
    host.setToken(kTokenFuelFlow[1], 6.0);
    host.setToken(kTokenFuelFlow[2], 7.0);
    EXPECT_DOUBLE_EQ(engineFuelFlowPph(host, 1), 5.0);
    // Engine 4 has no first-source flow and keeps its own second source.
    EXPECT_DOUBLE_EQ(totalFuelFlowPph(host), 5.0 + 6.0 + 7.0 + 40.0);
}

TEST(AircraftReads, FuelOnBoardSumsTheSevenTanks) {
    SimHost host;
    host.setToken(kTokenFuelWeightPerGallon, 6.0);
    host.setToken(kTokenFuelTanks[0].level, 8388608.0 / 2);  // the first tank half full
    host.setToken(kTokenFuelTanks[0].capacity, 100.0);       // of 100 gallons
    host.setToken(kTokenFuelTanks[6].level, 8388608.0);      // the last tank full
    host.setToken(kTokenFuelTanks[6].capacity, 10.0);
    EXPECT_DOUBLE_EQ(fuelOnBoardLb(host), 6.0 * (50.0 + 10.0));
}

TEST(AircraftReads, AirspeedApproachesAStepGeometrically) {
    TestBench bench;
    bench.start();
    bench.host().setToken(kTokenAirspeed, 100.0);
    std::vector<double> seen;
    for (int i = 0; i < 3; ++i) {
        bench.frame();
        seen.push_back(bench.unit().nav.aircraft.calibratedAirspeedKt);
    }
    EXPECT_NEAR(seen[0], 30.0, 1e-9);
    EXPECT_NEAR(seen[1], 51.0, 1e-9);
    EXPECT_NEAR(seen[2], 65.7, 1e-9);
}

TEST(AircraftReads, SnapshotRunsOncePerTickAndCountsClockSeconds) {
    TestBench bench;
    bench.start();
    bench.host().setToken(kTokenTick, 10);
    bench.host().setToken(kTokenClockSecond, 1);
    bench.service(10);
    const int32_t phase = bench.unit().nav.blinkPhase;
    const double seconds = bench.unit().record.secondsCounter;
    bench.service(10);  // same tick: nothing happens
    EXPECT_EQ(bench.unit().nav.blinkPhase, phase);
    bench.host().setToken(kTokenTick, 11);
    bench.service(10);  // new tick, same second
    EXPECT_EQ(bench.unit().record.secondsCounter, seconds);
    EXPECT_EQ(bench.unit().nav.blinkPhase, (phase + 1) % 18);
    bench.host().setToken(kTokenTick, 12);
    bench.host().setToken(kTokenClockSecond, 2);
    bench.service(10);
    EXPECT_EQ(bench.unit().record.secondsCounter, seconds + 1);
}

TEST(AircraftReads, MillibarsReadBackNearTheSetting) {
    TestBench bench;
    bench.start();
    std::snprintf(bench.unit().settings.baroUnits, sizeof bench.unit().settings.baroUnits,
                  "MILLIBARS");
    bench.host().setToken(kTokenBaroSetting, 1013.25);
    bench.frame();
    EXPECT_NEAR(bench.unit().nav.aircraft.baroSetting, 1013.2, 0.05);
}

}  // namespace
