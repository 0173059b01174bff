// The unit's knobs and buttons: one handler per control, the named panel variables that
// drive them, and the mouse areas of the face plate that run the same handlers.
#pragma once

#include <cstdint>

class Host;
struct Unit;

// In the order the control cycle polls them.
enum class Control : int32_t {
    LeftCrsr,
    RightCrsr,
    LeftOuterDown,
    LeftOuterUp,
    LeftInnerDown,
    LeftInnerUp,
    RightOuterDown,
    RightOuterUp,
    RightInnerDown,
    RightInnerUp,
    RightInnerPush,
    DirectTo,
    Alt,
    Clr,
    Ent,
    Msg,
    Power,
};
constexpr int kControlCount = 17;

inline constexpr const char* kControlVariableNames[kControlCount] = {
    "tw4_vgr_l_crsr_butn_pressed",      "tw4_vgr_r_crsr_butn_pressed",
    "tw4_vgr_l_otr_knb_scrdown",        "tw4_vgr_l_otr_knb_scrup",
    "tw4_vgr_l_inr_knb_scrdown",        "tw4_vgr_l_inr_knb_scrup",
    "tw4_vgr_r_otr_knb_scrdown",        "tw4_vgr_r_otr_knb_scrup",
    "tw4_vgr_r_inr_knb_scrdown",        "tw4_vgr_r_inr_knb_scrup",
    "tw4_vgr_right_inner_knob_pressed", "tw4_vgr_dto_butn_pressed",
    "tw4_vgr_alt_butn_pressed",         "tw4_vgr_clr_butn_pressed",
    "tw4_vgr_ent_butn_pressed",         "tw4_vgr_msg_butn_pressed",
    "tw4_vgr_pwr_knob_pressed",
};

inline constexpr const char* kRightInnerKnobPositionName = "tw4_vgr_right_inner_knob_position";
inline constexpr const char* kPowerKnobPositionName = "tw4_vgr_pwr_knob_position";

// Runs the handler of one control; used by the polled variables and the mouse areas alike.
void runControl(Unit& unit, Host& host, Control control);

// Polls the seventeen control variables in order, running and resetting each set one.
void pollControls(Unit& unit, Host& host);

// The pressed-image timer and the visibility of image elements 2..10.
void updatePressedImages(Unit& unit, Host& host);

// The spin-counter step and the clearing of every pending event, at the end of a powered draw.
void endOfFrame(Unit& unit);

void registerPanelVariables(Host& host);
void releasePanelVariables(Host& host);
