// The whole state of one unit: everything the gauge keeps from load to unload.
//
// A Unit is created once (the gauge holds one; tests make a fresh one each) and all
// operations are free functions taking it by reference. Large tables inside it are
// allocated once, zero-filled, so nothing is allocated per frame, event or record.
//
// Each subsystem defines its records in its own folder and this header assembles them:
// the frame's page state and events, the navigation solution, the database, the plan
// store, and under `pages` each page's own small record.
#pragma once

#include <cstdint>

#include "base/file_access.h"
#include "fpl/fpl_state.h"
#include "fpl/pages/dt_page_state.h"
#include "fpl/pages/fpl_page_state.h"
#include "fpl/pages/ref_page_state.h"
#include "fpl/pages/set_page_state.h"
#include "fpl/pages/tri_page_state.h"
#include "frame/page_state.h"
#include "frame/settings.h"
#include "nav/direct_to_leg.h"
#include "nav/nav_state.h"
#include "nav/pages/cal_page_state.h"
#include "nav/pages/direct_to_page_state.h"
#include "nav/pages/nav_page_state.h"
#include "nav/pages/oth_page_state.h"
#include "nav/vnav_state.h"
#include "navdb/ident_entry_state.h"
#include "navdb/navdb_state.h"
#include "navdb/pages/page_state.h"

constexpr int kRootFolderSize = 260;

// The pages' own records, one per page that keeps state between draws.
struct PageRecords {
    NavPagesState nav;
    AptPageState apt;
    VorPageState vor;
    NdbPageState ndb;
    SupPageState sup;
    FplPageState fpl;
    DirectToPageState directTo;
    RefPageState ref;
    DuplicatesPageState duplicates;
    TriPageState tri;  // also the trip fuel figures the OTH pages show
    OthPageState oth;
    DtPageState dt;
    SetPageState set;
    CalPageState cal;
};

struct Unit {
    char rootFolder[kRootFolderSize + 1] = {};
    // Every file the unit reads or writes goes through this; tests put one that fails.
    FileAccess* files = &systemFileAccess();
    uintptr_t graphicsToken = 0;  // 0 while the graphics library is not started
    DisplayContext display;

    PageState page;
    ControlEvents events;
    PressedImages pressed;
    SpinCounter spin;
    PowerState power;
    GaugeUnitRecord record;
    PageRecords pages;

    NavState nav;
    VnavState vnav;
    DirectToLeg directToLeg = {};
    Settings settings;
    NavDbState db;
    IdentEntry identEntry;                           // the right-hand waypoint pages
    IdentEntry planEntry{CharListRule::PlanEditor};  // the FPL page's plan editor
    FplState fpl;
};
