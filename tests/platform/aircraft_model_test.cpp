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

// Speed, altitude and the clock also reach the unit's print-out in the fly scenario; these
// are the conversions only the host tokens show.
TEST(AircraftModel, TokensCarryHostUnits) {
    SimHost host;
    AircraftState state;
    state.altitudeFt = 3280.8399;
    state.magVarDeg = -15.0;
    setMagneticHeading(state, 10.0);
    setUtc(state, 13, 5, 42.7);
    state.powerOn = false;
    encodeAircraftState(state, host);
    EXPECT_DOUBLE_EQ(host.readToken(kTokenHeadingTrue), 355.0);
    EXPECT_NEAR(host.readToken(kTokenHeightMetres), 1000.0, 1e-6);
    EXPECT_EQ(host.readToken(kTokenClockSecond), 42.0);
    EXPECT_EQ(host.readToken(kTokenPower), 0.0);
}

TEST(AircraftModel, FliesOverThePoleOntoTheFarMeridian) {
    AircraftState state;
    state.groundSpeedKt = 3600.0;  // one NM a second
    state.latDeg = 89.5;
    advanceAircraft(state, 60.0, false, 0.0);
    EXPECT_NEAR(state.latDeg, 89.5, 1e-6);
    EXPECT_NEAR(state.lonDeg, 180.0, 1e-6);
    EXPECT_NEAR(state.utcSeconds, 60.0, 1e-9);
}
