// The autopilot coupling: engaged and released by the "lnav_clicked" panel variable,
// released automatically when the autopilot master or heading hold goes off.
#include "frame/host.h"
#include "frame/host_tokens.h"
#include "frame/unit.h"
#include "nav/navigation.h"

namespace {


void writeLnav(Unit& unit, Host& host, int32_t lnavId) {
    host.writeVariable(lnavId, unit.nav.coupling.lnavEngaged);
}

void writeLnav(Unit& unit, Host& host) { writeLnav(unit, host, host.lookupVariable(kLnavName)); }

}  // namespace

void toggleLnav(Unit& unit, Host& host) {
    NavState& nav = unit.nav;
    if (nav.coupling.lnavEngaged == 1) {
        host.sendKeyEvent(kKeyHeadingModeOff, 0);
        nav.coupling.lnavEngaged = 0;
        nav.coupling.interceptActive = 0;
    } else if (nav.leg.activeToIndex != kNoActiveRoute) {
        nav.coupling.lnavEngaged = 1;
        nav.coupling.lnavGrace = 1;
        host.sendKeyEvent(kKeyHeadingModeOn, 0);
        recordInterceptLeg(unit);
    } else if (nav.leg.directToActive == 1) {
        nav.coupling.lnavEngaged = 1;
        host.sendKeyEvent(kKeyHeadingModeOn, 0);
    }
}

void superviseLnavClick(Unit& unit, Host& host) {
    const int32_t lnavId = host.lookupVariable(kLnavName);
    const int32_t clickedId = host.lookupVariable(kLnavClickedName);
    if (host.readVariable(clickedId) != 0.0) {
        if (host.readToken(kTokenAutopilotMaster) == 1.0) {
            toggleLnav(unit, host);
            writeLnav(unit, host, lnavId);
        }
        host.writeVariable(clickedId, 0.0);
    }
}

void superviseLnavModes(Unit& unit, Host& host) {
    NavState& nav = unit.nav;
    if (nav.coupling.lnavGrace == 0 && nav.coupling.lnavEngaged == 1) {
        if (host.readToken(kTokenAutopilotMaster) == 0.0) {
            toggleLnav(unit, host);
            writeLnav(unit, host);
        }
        if (nav.coupling.lnavEngaged == 1 && host.readToken(kTokenAutopilotMaster) == 1.0 &&
            host.readToken(kTokenAutopilotHeadingHold) == 0.0) {
            toggleLnav(unit, host);
            writeLnav(unit, host);
            if (host.readToken(kTokenAutopilotNavHold) == 0.0 &&
                host.readToken(kTokenAutopilotApproachHold) == 0.0) {
                host.sendKeyEvent(kKeyHeadingModeOn, 0);
            }
        }
    }
    if (nav.coupling.lnavGrace > 0) {
        nav.coupling.lnavGrace += 1;
        if (nav.coupling.lnavGrace > 30) nav.coupling.lnavGrace = 0;
    }
}
