// The host's numbers for what the unit reads and sends: token variables (read through
// Host::readToken, each in the host's own unit as noted), calculator-code expressions and
// key events. The conversions to the unit's units live with the reads (aircraft_reads.h).
#pragma once

#include <cstdint>

// --- token variables ---
constexpr uint32_t kTokenTick = 1;         // 18 Hz tick count
constexpr uint32_t kTokenClockSecond = 5;  // second of the minute
constexpr uint32_t kTokenUtcHour = 6;
constexpr uint32_t kTokenUtcMinute = 7;
constexpr uint32_t kTokenDayOfYear = 8;
constexpr uint32_t kTokenYear = 9;
constexpr uint32_t kTokenAirspeed = 61;  // calibrated airspeed, knots
constexpr uint32_t kTokenMach = 64;      // Mach number in units of 3.2 / 65536
constexpr uint32_t kTokenLatitude = 71;  // 111130.555557 units a degree
constexpr uint32_t kTokenLongitude = 72; // an angle wrapping at 360, 781874935307.4 units a degree
constexpr uint32_t kTokenBaroSetting = 75;  // millibars
constexpr uint32_t kTokenHeadingMag = 81;   // degrees
constexpr uint32_t kTokenMagVar = 82;       // degrees, east positive
constexpr uint32_t kTokenHeadingTrue = 86;  // degrees
constexpr uint32_t kTokenAutopilotMaster = 103;
constexpr uint32_t kTokenAutopilotNavHold = 105;
constexpr uint32_t kTokenAutopilotHeadingHold = 106;
constexpr uint32_t kTokenAutopilotApproachHold = 112;
constexpr uint32_t kTokenFuelWeightPerGallon = 306;  // pounds
constexpr uint32_t kTokenOutsideTemperature = 341;   // degrees Celsius
constexpr uint32_t kTokenWindSpeed = 343;            // knots
constexpr uint32_t kTokenWindDirection = 344;        // degrees true
constexpr uint32_t kTokenTotalAirTemperature = 350;  // in units of 1/256 degree
constexpr uint32_t kTokenGroundSpeed = 551;          // feet per second
constexpr uint32_t kTokenHeightMetres = 614;
constexpr uint32_t kTokenPower = 773;  // electrical power present, 0 or 1

// Fuel flow of engines 1 to 4 in pounds per hour, from two sources: the first set while
// its engine 1 reads above 0, else the second.
constexpr uint32_t kTokenFuelFlow[4] = {421, 460, 499, 538};
constexpr uint32_t kTokenFuelFlowSecondary[4] = {638, 657, 676, 695};

// The seven fuel tanks as (level, capacity) token pairs, in the order their contents are
// added up: the level is a fraction scaled by 2^23, the capacity in gallons.
struct FuelTankTokens {
    uint32_t level;
    uint32_t capacity;
};
constexpr FuelTankTokens kTokenFuelTanks[7] = {{289, 290}, {291, 292}, {297, 298}, {293, 294},
                                                {299, 300}, {295, 296}, {301, 302}};

// --- calculator-code expressions ---
inline constexpr const char* kIndicatedAltitudeCode = "(A:INDICATED ALTITUDE, feet)";
inline constexpr const char* kAutopilotAltitudeCode = "(A:AUTOPILOT ALTITUDE LOCK VAR, feet)";
inline constexpr const char* kPressureAltitudeCode = "(A:PRESSURE ALTITUDE,number)";  // metres

// --- key events ---
constexpr uint32_t kKeySetHeading = 0x101FA;  // parameter: whole degrees magnetic
constexpr uint32_t kKeyHeadingModeOn = 0x1010F;
constexpr uint32_t kKeyHeadingModeOff = 0x10117;
// The altimeter setting; parameter: millibars x 16, truncated.
constexpr uint32_t kKeyAltimeterSetting = 0x101F8;
