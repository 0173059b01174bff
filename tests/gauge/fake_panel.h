// The test host's own panel-service table: token variables, named panel variables, key
// events, a GPS data block, the skip-draw answer and the element operations, all recorded so
// the checks can see what the gauge asked for.
#pragma once

#include <cstdint>

namespace fake {

constexpr int kTokenCount = 1024;
constexpr int kVariableCount = 96;
constexpr int kKeyEventCount = 64;
constexpr int kSlotCount = 80;

struct NamedVariable {
    char name[64];
    double value;
    int registered;
    int released;
};

struct KeyEvent {
    uint32_t id;
    uint32_t parameter;
};

struct ElementCall {
    int count;
    void* element;
    uintptr_t argument;
};

struct Panel {
    double tokens[kTokenCount];
    NamedVariable variables[kVariableCount];
    int variableCount;
    KeyEvent keyEvents[kKeyEventCount];
    int keyEventCount;
    int32_t skipDrawAnswer;
    int skipDrawQueries;
    ElementCall elementCalls[kSlotCount];
    uint8_t gpsDataBlock[8192];
    int unexpectedCalls;
    int calculatorCalls;
    // The calibrated-airspeed reads: how many, and how often the record did not hold what
    // the previous read left in it.
    int airspeedReads;
    int airspeedRecordChanges;
    void* table[kSlotCount];
};

Panel& panel();
// Zeroes the panel and fills its service table.
void resetPanel();

// The named variable `name`, made when it does not exist yet (as the aircraft's panel would).
NamedVariable& variable(const char* name);
// Null when the gauge never registered or wrote `name`.
const NamedVariable* findVariable(const char* name);

}  // namespace fake
