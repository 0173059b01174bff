// The autopilot coupling: engaged and released by the "lnav_clicked" panel variable,
// released automatically when the autopilot master or heading hold goes off, or when the
// unit loses power or is switched off.
#include <cmath>

#include "frame/host.h"
#include "frame/host_tokens.h"
#include "frame/unit.h"
#include "nav/navigation.h"

namespace {

// Both kinds of engagement start alike: the heading last sent is forgotten, so the first
// steering heading goes out, and the automatic release waits out the grace period.
void engage(Unit& unit, Host& host) {
    unit.nav.coupling.lnavEngaged = 1;
    unit.nav.coupling.lnavGrace = 1;
    unit.nav.coupling.lastSteerHeading = kNoSteerHeadingSent;
    host.sendKeyEvent(kKeyHeadingModeOn, 0);
}

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
    } else if (planLegFlyable(unit)) {
        engage(unit, host);
        recordInterceptLeg(unit);
    } else if (nav.leg.directToActive == 1) {
        engage(unit, host);
    }
}

void superviseLnavClick(Unit& unit, Host& host) {
    const int32_t lnavId = host.lookupVariable(kLnavName);
    const int32_t clickedId = host.lookupVariable(kLnavClickedName);
    const double clicked = host.readVariable(clickedId);
    if (clicked != 0.0) {
        // A click value that is not a number is cleared without toggling anything.
        if (!std::isnan(clicked) && unitPowered(unit) && host.readToken(kTokenAutopilotMaster) == 1.0) {
            toggleLnav(unit, host);
            writeLnav(unit, host, lnavId);
        }
        host.writeVariable(clickedId, 0.0);
    }
}

void superviseLnavModes(Unit& unit, Host& host) {
    NavState& nav = unit.nav;
    // A unit without power steers nothing, grace period or not.
    if (nav.coupling.lnavEngaged == 1 && !unitPowered(unit)) {
        toggleLnav(unit, host);
        writeLnav(unit, host);
    }
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
