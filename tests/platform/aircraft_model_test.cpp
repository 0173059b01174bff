#include "platform/sim/aircraft_model.h"

#include <gtest/gtest.h>

#include "frame/aircraft_reads.h"
#include "platform/sim/sim_host.h"

// The encoding must be what the unit's own decoding undoes, on both sides of 0 and 180.
TEST(AircraftModel, PositionEncodingRoundTripsThroughTheUnitsDecoding) {
    const double cases[][2] = {
        {47.4502, -122.3088}, {0.0, 0.0}, {-33.9461, 151.1772}, {51.4775, -0.4614},
        {10.0, 179.99},       {10.0, -179.99},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c[0] << ", " << c[1]);
        EXPECT_NEAR(decodeLatitude(encodeLatitude(c[0])), c[0], 1e-9);
        EXPECT_NEAR(decodeLongitude(encodeLongitude(c[1])), c[1], 1e-9);
    }
    EXPECT_GT(encodeLongitude(-0.5), 140737488355332.0);
    EXPECT_LT(encodeLongitude(179.9), 140737488355332.0);
}

TEST(AircraftModel, TokensCarryHostUnits) {
    SimHost host;
    AircraftState state;
    state.groundSpeedKt = 120.0;
    state.altitudeFt = 3280.8399;
    state.magVarDeg = -15.0;
    setMagneticHeading(state, 10.0);
    setUtc(state, 13, 5, 42.7);
    state.powerOn = false;
    encodeAircraftState(state, host);
    EXPECT_NEAR(host.readToken(kTokenGroundSpeed), 120.0 * 1.68781, 1e-9);
    EXPECT_DOUBLE_EQ(host.readToken(kTokenHeadingTrue), 355.0);
    EXPECT_NEAR(host.readToken(kTokenHeightMetres), 1000.0, 1e-6);
    EXPECT_EQ(host.evaluateCalculatorCode(kIndicatedAltitudeCode), 3280.8399);
    EXPECT_EQ(host.readToken(kTokenUtcHour), 13.0);
    EXPECT_EQ(host.readToken(kTokenUtcMinute), 5.0);
    EXPECT_EQ(host.readToken(kTokenClockSecond), 42.0);
    EXPECT_EQ(host.readToken(kTokenPower), 0.0);
}

TEST(AircraftModel, FliesGreatCirclesAndTurnsTheShortWayAtThreeDegreesASecond) {
    AircraftState state;
    state.groundSpeedKt = 3600.0;  // one NM a second
    setMagneticHeading(state, 90.0);
    for (int i = 0; i < 60; ++i) advanceAircraft(state, 1.0, false, 0.0);
    EXPECT_NEAR(state.latDeg, 0.0, 1e-9);
    EXPECT_NEAR(state.lonDeg, 1.0, 1e-9);  // 60 NM along the equator is one degree
    EXPECT_NEAR(state.utcSeconds, 60.0, 1e-9);

    state.latDeg = 89.5;
    state.lonDeg = 0.0;
    setMagneticHeading(state, 0.0);
    advanceAircraft(state, 60.0, false, 0.0);  // over the pole onto the far meridian
    EXPECT_NEAR(state.latDeg, 89.5, 1e-6);
    EXPECT_NEAR(state.lonDeg, 180.0, 1e-6);

    state.groundSpeedKt = 0.0;
    setMagneticHeading(state, 350.0);
    advanceAircraft(state, 2.0, true, 20.0);  // right through north, not left
    EXPECT_NEAR(state.headingMagDeg, 356.0, 1e-9);
    advanceAircraft(state, 20.0, true, 20.0);
    EXPECT_NEAR(state.headingMagDeg, 20.0, 1e-9);
}
