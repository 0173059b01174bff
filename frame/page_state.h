// Page state, pending control events, pressed-button images, the knob spin counter,
// power and the unit record: the state the controls change and the pages read.
// Flags are 0 or 1 in 32-bit integers; page groups are the PG_ values below, stored as
// 32-bit integers.
#pragma once

#include <cstdint>

enum PageGroup : int32_t {
    PG_NONE = 0,
    PG_TRI = 1,
    PG_MOD = 2,
    PG_FPL = 3,
    PG_NAV = 4,
    PG_CAL = 5,
    PG_STA = 6,
    PG_SET = 7,
    PG_OTH = 8,
    PG_APT = 9,
    PG_REF = 11,
    PG_ACT = 12,
    PG_DT = 13,
    PG_VOR = 14,
    PG_NDB = 15,
    PG_INT = 16,
    PG_SUP = 17,
    PG_DIRECT_TO = 18,
    PG_ALT = 19,
    PG_MESSAGE = 20,
    PG_SELF_TEST = 21,
    PG_DUPLICATES = 22,
};

// Group numbers run from PG_TRI to kLastPageGroup; 10 names no group. A new group takes
// the next number and becomes kLastPageGroup, so the page table's check sees it.
constexpr PageGroup kLastPageGroup = PG_DUPLICATES;
constexpr bool isPageGroup(int32_t number) {
    return number >= PG_TRI && number <= kLastPageGroup && number != 10;
}

struct PageState {
    PageGroup leftPageGroup = PG_SELF_TEST;
    PageGroup rightPageGroup = PG_APT;
    PageGroup savedLeftPageGroup = PG_NAV;
    int32_t leftCursorOn = 0;
    int32_t rightCursorOn = 0;
    int32_t leftNavPage = 2;
    int32_t rightNavPage = 1;
    int32_t rightInnerKnobState = 1;  // 1 pushed in, 0 pulled out
};

// Raised by the handlers, consumed by the page functions while they draw, and cleared
// at the end of every powered draw. A page takes the flags it acts on with take(); the
// order in which the pages see them is kPageRunOrder (frame/pages/page_table.h).
struct ControlEvents {
    int32_t evtLeftOuterDown = 0;
    int32_t evtLeftOuterUp = 0;
    int32_t evtLeftInnerDown = 0;
    int32_t evtLeftInnerUp = 0;
    int32_t evtRightOuterDown = 0;
    int32_t evtRightOuterUp = 0;
    int32_t evtRightInnerDown = 0;
    int32_t evtRightInnerUp = 0;
    int32_t evtLeftCrsr = 0;
    int32_t evtRightCrsr = 0;
    int32_t evtEnt = 0;
    int32_t evtClr = 0;
    int32_t evtDto = 0;
};

// Reads a pending event flag and clears it, so no later page acts on the same press.
inline bool take(int32_t& flag) {
    const bool raised = flag != 0;
    flag = 0;
    return raised;
}

// Pressed-button images (image elements 2..7 and 10) and the cycle count that ends them.
struct PressedImages {
    int32_t pressedClr = 0;
    int32_t pressedEnt = 0;
    int32_t pressedDto = 0;
    int32_t pressedLeftCrsr = 0;
    int32_t pressedRightCrsr = 0;
    int32_t pressedAlt = 0;
    int32_t pressedMsg = 0;
    int32_t pressedTimer = 0;  // 0 idle, else control cycles since the press
};

// Counts bursts of left-inner-knob turns so the map range can step faster.
struct SpinCounter {
    int32_t leftInnerSpinWindow = 0;
    int32_t leftInnerSpinCount = 0;
};

struct PowerState {
    int32_t powerOn = 0;
    int32_t selfTestTicks = 0;  // draws of the self-test page since switch-on
};

// Operating time and power cycles kept across simulator runs in the unit record file.
struct GaugeUnitRecord {
    double totalTimeHours = 0.0;  // hours loaded from the file
    double secondsCounter = 0.0;  // seconds counted during this load of the gauge
    int32_t powerCycles = 1;
    // 1 when the record's file is there but could not be read whole: writing the counts
    // then would replace the stored ones with partial ones, so the file is left as it is.
    int32_t storedRecordUnread = 0;
};

// The display element's size in device pixels, copied at every draw.
struct DisplayContext {
    uint32_t displaySize[2] = {370, 176};
};
