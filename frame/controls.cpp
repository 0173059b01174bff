// Control handlers: they change the page state at once and raise events for the pages.
#include "frame/controls.h"

#include <cstddef>
#include <initializer_list>

#include "fpl/fpl_hooks.h"
#include "frame/host.h"
#include "frame/pages/page_table.h"
#include "nav/navigation.h"
#include "frame/unit.h"

namespace {

// The group after `group` in an outer knob's page cycle, wrapping round; a group outside
// the cycle stays where it is.
template <size_t N>
PageGroup stepCycle(const PageGroup (&cycle)[N], PageGroup group, int direction) {
    constexpr int length = static_cast<int>(N);
    for (int i = 0; i < length; ++i) {
        if (cycle[i] == group) return cycle[(i + direction + length) % length];
    }
    return group;
}

// Runs the enter hook of the group an outer knob turned in.
void enterPage(Unit& unit, PageGroup group, PageSide side) {
    const PageEntry* entry = findPage(group, side);
    if (entry != nullptr && entry->enter != nullptr) entry->enter(unit, side);
}

void pressButton(PressedImages& pressed, int32_t& flag) {
    flag = 1;
    pressed.pressedTimer = 1;
}

void leftOuterKnob(Unit& unit, int direction) {
    PageState& page = unit.page;
    // The duplicate list moves its selection with this knob even with the cursor off.
    if (page.leftCursorOn == 1 || page.leftPageGroup == PG_DUPLICATES) {
        (direction < 0 ? unit.events.evtLeftOuterDown : unit.events.evtLeftOuterUp) = 1;
        return;
    }
    if (page.leftPageGroup == PG_DIRECT_TO || page.leftPageGroup == PG_ALT) {
        page.leftPageGroup = PG_NAV;
        // Turned down the knob leaves the right cursor alone; turned up it turns it off.
        if (direction < 0) {
            page.leftCursorOn = 0;
        } else {
            page.rightCursorOn = 0;
        }
        return;
    }
    const PageGroup old = page.leftPageGroup;
    page.leftPageGroup = stepCycle(kLeftPageCycle, old, direction);
    page.leftCursorOn = 0;
    if (page.leftPageGroup != old) enterPage(unit, page.leftPageGroup, PageSide::Left);
}

void rightOuterKnob(Unit& unit, int direction) {
    PageState& page = unit.page;
    if (page.rightCursorOn == 1) {
        (direction < 0 ? unit.events.evtRightOuterDown : unit.events.evtRightOuterUp) = 1;
        return;
    }
    const PageGroup old = page.rightPageGroup;
    page.rightPageGroup = stepCycle(kRightPageCycle, old, direction);
    page.rightCursorOn = 0;
    if (page.rightPageGroup != old) enterPage(unit, page.rightPageGroup, PageSide::Right);
}

void directToButton(Unit& unit) {
    PageState& page = unit.page;
    if (page.leftPageGroup != PG_DIRECT_TO) {
        page.savedLeftPageGroup = page.leftPageGroup;
        page.leftPageGroup = PG_DIRECT_TO;
        unit.events.evtDto = 1;
        page.leftCursorOn = 1;
        unit.pages.directTo.directToJustOpened = 1;
    } else {
        page.leftPageGroup = page.savedLeftPageGroup;
        page.rightCursorOn = 0;
        page.leftCursorOn = 0;
    }
    pressButton(unit.pressed, unit.pressed.pressedDto);
}

// ALT and MSG open their page over the current one and return to the saved group; each
// keeps the saved group when it opens over the other, so the pair returns to where the
// pilot started.
void overlayButton(Unit& unit, PageGroup overlay, PageGroup otherOverlay, int32_t& pressedFlag) {
    PageState& page = unit.page;
    if (page.leftPageGroup != overlay) {
        if (page.leftPageGroup != otherOverlay) page.savedLeftPageGroup = page.leftPageGroup;
        page.leftPageGroup = overlay;
    } else {
        page.leftPageGroup = page.savedLeftPageGroup;
    }
    pressButton(unit.pressed, pressedFlag);
}

void entButton(Unit& unit, Host& host) {
    if (unit.page.leftPageGroup == PG_FPL && unit.fpl.selectedPlan == 1 &&
        unit.page.leftCursorOn == 1) {
        importSimulatorPlan(unit, host);
    }
    unit.events.evtEnt = 1;
    pressButton(unit.pressed, unit.pressed.pressedEnt);
}

void powerKnob(Unit& unit) {
    if (unit.power.powerOn != 1) {
        unit.power.selfTestTicks = 0;
        unit.nav.aircraft.fuelUsed1 = 0.0;
        unit.nav.aircraft.fuelUsed2 = 0.0;
        unit.page.leftPageGroup = PG_SELF_TEST;
        unit.power.powerOn = 1;
    } else {
        unit.power.powerOn = 0;
    }
}

void writeNamed(Host& host, const char* name, double value) {
    host.writeVariable(host.lookupVariable(name), value);
}

}  // namespace

void runControl(Unit& unit, Host& host, Control control) {
    ControlEvents& events = unit.events;
    PressedImages& pressed = unit.pressed;
    switch (control) {
        case Control::LeftCrsr:
            events.evtLeftCrsr = 1;
            pressButton(pressed, pressed.pressedLeftCrsr);
            break;
        case Control::RightCrsr:
            events.evtRightCrsr = 1;
            pressButton(pressed, pressed.pressedRightCrsr);
            break;
        case Control::LeftOuterDown: leftOuterKnob(unit, -1); break;
        case Control::LeftOuterUp: leftOuterKnob(unit, +1); break;
        case Control::LeftInnerDown: events.evtLeftInnerDown = 1; break;
        case Control::LeftInnerUp: events.evtLeftInnerUp = 1; break;
        case Control::RightOuterDown: rightOuterKnob(unit, -1); break;
        case Control::RightOuterUp: rightOuterKnob(unit, +1); break;
        case Control::RightInnerDown: events.evtRightInnerDown = 1; break;
        case Control::RightInnerUp: events.evtRightInnerUp = 1; break;
        case Control::RightInnerPush:
            unit.page.rightInnerKnobState = unit.page.rightInnerKnobState != 1 ? 1 : 0;
            break;
        case Control::DirectTo: directToButton(unit); break;
        case Control::Alt: overlayButton(unit, PG_ALT, PG_MESSAGE, pressed.pressedAlt); break;
        case Control::Msg: overlayButton(unit, PG_MESSAGE, PG_ALT, pressed.pressedMsg); break;
        case Control::Ent: entButton(unit, host); break;
        case Control::Clr:
            events.evtClr = 1;
            pressButton(pressed, pressed.pressedClr);
            break;
        case Control::Power: powerKnob(unit); break;
    }
}

void pollControls(Unit& unit, Host& host) {
    for (int i = 0; i < kControlCount; ++i) {
        const int32_t id = host.lookupVariable(kControlVariableNames[i]);
        if (host.readVariable(id) == 0.0) continue;
        const auto control = static_cast<Control>(i);
        runControl(unit, host, control);
        if (control == Control::RightInnerPush) {
            writeNamed(host, kRightInnerKnobPositionName, unit.page.rightInnerKnobState);
        } else if (control == Control::Power) {
            writeNamed(host, kPowerKnobPositionName, unit.power.powerOn);
        }
        host.writeVariable(id, 0.0);
    }
}

void updatePressedImages(Unit& unit, Host& host) {
    PressedImages& pressed = unit.pressed;
    if (pressed.pressedTimer > 0) {
        pressed.pressedTimer += 1;
        if (pressed.pressedTimer > 6) {
            for (int32_t* flag : {&pressed.pressedClr, &pressed.pressedEnt, &pressed.pressedDto,
                                  &pressed.pressedLeftCrsr, &pressed.pressedRightCrsr,
                                  &pressed.pressedAlt, &pressed.pressedMsg}) {
                if (*flag == 1) *flag = 0;
            }
            pressed.pressedTimer = 0;
        }
    }
    const int32_t buttonFlags[] = {pressed.pressedClr,      pressed.pressedEnt,
                                   pressed.pressedDto,      pressed.pressedLeftCrsr,
                                   pressed.pressedRightCrsr, pressed.pressedAlt};
    for (int i = 0; i < 6; ++i) host.setElementHidden(2 + i, buttonFlags[i] != 1);
    host.setElementHidden(8, unit.page.rightInnerKnobState == 1);
    host.setElementHidden(9, unit.power.powerOn == 0);
    host.setElementHidden(10, pressed.pressedMsg == 0);
}

void endOfFrame(Unit& unit) {
    SpinCounter& spin = unit.spin;
    if (spin.leftInnerSpinWindow > 0) {
        if (spin.leftInnerSpinWindow <= 15) {
            spin.leftInnerSpinWindow += 1;
            if (spin.leftInnerSpinWindow == 3) spin.leftInnerSpinCount += 1;
        } else {
            spin.leftInnerSpinWindow = 0;
            spin.leftInnerSpinCount = 0;
        }
    }
    unit.events = ControlEvents{};
}

void registerPanelVariables(Host& host) {
    for (const char* name : kControlVariableNames) host.registerVariable(name);
    for (const char* name : {"tw4_vgr_pwr", kLnavName, "id_lnav_clicked", kPowerKnobPositionName,
                             kRightInnerKnobPositionName}) {
        host.registerVariable(name);
    }
}

void releasePanelVariables(Host& host) {
    for (const char* name : kControlVariableNames) host.releaseVariable(name);
    for (const char* name : {kRightInnerKnobPositionName, "tw4_vgr27_pwr", kPowerKnobPositionName,
                             kLnavName}) {
        host.releaseVariable(name);
    }
}
