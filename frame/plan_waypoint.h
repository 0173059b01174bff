// One waypoint of a flight plan, the record every plan, the active route, the direct-to
// leg and the lookup candidate list hold.
//
// Positions are degrees, north and east positive. Texts are fixed, zero-terminated
// arrays: longer input is cut to the field. An all-zero record is an empty row.
#pragma once

#include <cstdint>

// Route files may carry identifiers and frequencies longer than the five characters
// entered on the unit or the six of the database; they are kept whole, so these fields
// hold any field of a route file line (148 characters at most).
constexpr int kPlanFileFieldMaxChars = 148;
constexpr int kPlanIdentSize = kPlanFileFieldMaxChars + 1;
constexpr int kPlanTypeSize = 8;     // "APT", "VOR", "NDB", "INT", "WPT", "W" or a file's text
constexpr int kPlanColumnSize = 24;  // the optional sixth and seventh route file columns
constexpr int kPlanReservedSize = 8;
constexpr int kPlanFrequencySize = kPlanFileFieldMaxChars + 1;

struct PlanWaypoint {
    char ident[kPlanIdentSize];
    double latitude;
    double longitude;
    char type[kPlanTypeSize];
    char column6Text[kPlanColumnSize];
    char column7Text[kPlanColumnSize];
    char reservedText1[kPlanReservedSize];  // never written; not copied between plans
    char reservedText2[kPlanReservedSize];
    char reservedText3[kPlanReservedSize];
    double reservedValue1;  // 0 from the database or the simulator, -999.0 from a route file
    double reservedValue2;  // as reservedValue1
    double reservedValue3;  // 0 from the database or the simulator, -1.0 from a route file
    int32_t reservedCount1;
    int32_t reservedCount2;
    char frequency[kPlanFrequencySize];
    int32_t recordIndex;  // database record the entry came from (duplicate list)
};

// Copies every field a plan-to-plan copy carries: all but reservedText1 and recordIndex.
void copyPlanWaypoint(PlanWaypoint& to, const PlanWaypoint& from);

