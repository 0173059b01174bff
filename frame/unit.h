// The whole state of one unit: everything the gauge keeps from load to unload.
//
// A Unit is created once (the gauge holds one; tests make a fresh one each) and all
// operations are free functions taking it by reference. Large tables inside it are
// allocated once, zero-filled, so nothing is allocated per frame, event or record.
#pragma once

#include <cstdint>

#include "fpl/fpl_state.h"
#include "frame/page_state.h"
#include "frame/settings.h"
#include "nav/direct_to_leg.h"
#include "nav/nav_state.h"
#include "navdb/ident_entry_state.h"
#include "navdb/navdb_state.h"

constexpr int kRootFolderSize = 260;

struct Unit {
    char rootFolder[kRootFolderSize + 1] = {};
    uintptr_t graphicsToken = 0;  // 0 while the graphics library is not started
    DisplayContext display;
    int32_t mapScalePixels = 96;

    PageState page;
    ControlEvents events;
    PressedImages pressed;
    SpinCounter spin;
    PowerState power;
    GaugeUnitRecord record;

    NavState nav;
    DirectToLeg directToLeg = {};
    NavPagesState navPages;
    Settings settings;
    NavDbState db;
    IdentEntry identEntry;                           // the right-hand waypoint pages
    IdentEntry planEntry{CharListRule::PlanEditor};  // the FPL page's plan editor
    FplState fpl;
};
