// The test host's own panel-service table: token variables, named panel variables, a GPS data
// block, the skip-draw answer and the element operations, each slot doing what the simulator
// would on the test's own records, so the checks can see what the gauge asked for.
// The test host runs under Windows (or Wine) only.
#pragma once
#ifdef _WIN32

#include <cstdint>
#include <cstring>

#include "frame/host_tokens.h"

namespace fake {

constexpr int kTokenCount = 1024;
constexpr int kVariableCount = 96;
constexpr int kSlotCount = 80;
constexpr int kKeyEventCount = 32;

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
    int32_t skipDrawAnswer;
    ElementCall elementCalls[kSlotCount];
    // The key events sent, in order; the count goes on past the last slot.
    KeyEvent keyEvents[kKeyEventCount];
    int keyEventCount;
    uint8_t gpsDataBlock[8192];
    int unexpectedCalls;
    int calculatorCalls;
    // The calibrated-airspeed reads: how many, and how often the record did not hold what
    // the previous read left in it.
    int airspeedReads;
    int airspeedRecordChanges;
    void* table[kSlotCount];
};

inline Panel panel;

inline int32_t indexOf(const char* name) {
    for (int i = 0; i < panel.variableCount; ++i) {
        if (std::strcmp(panel.variables[i].name, name) == 0) return i;
    }
    return -1;
}

// The named variable `name`, made when it does not exist yet (as the aircraft's panel would).
inline NamedVariable& variable(const char* name) {
    const int32_t i = indexOf(name);
    if (i >= 0) return panel.variables[i];
    // The table is sized for every name the gauge uses; the last slot absorbs any excess.
    const int n =
        panel.variableCount < kVariableCount ? panel.variableCount++ : kVariableCount - 1;
    NamedVariable& v = panel.variables[n];
    std::memset(&v, 0, sizeof v);
    std::strncpy(v.name, name, sizeof v.name - 1);
    return v;
}

namespace slots {

#pragma pack(push, 4)
struct TokenRecord {
    uint32_t token;
    void* dataPointer;
    uint32_t valueType;
    double value;
    double previous;
};
#pragma pack(pop)
static_assert(sizeof(TokenRecord) == 32);

inline int32_t skipDrawQuery(int32_t argument) {
    if (argument != 0) ++panel.unexpectedCalls;
    return panel.skipDrawAnswer;
}

// Records the call and answers with a value the gauge must hand back unchanged.
template <int slot, typename... Argument>
intptr_t elementOperation(void* element, Argument... argument) {
    ElementCall& call = panel.elementCalls[slot];
    call = ElementCall{call.count + 1, element, (uintptr_t{0} + ... + argument)};
    return 1000 + slot;
}

inline void sendKeyEvent(uint32_t id, uint32_t parameter) {
    if (panel.keyEventCount < kKeyEventCount) {
        panel.keyEvents[panel.keyEventCount] = KeyEvent{id, parameter};
    }
    ++panel.keyEventCount;
}

inline void dataBlock(TokenRecord* record, const char* name) {
    record->dataPointer =
        std::strcmp(name, "FS2002 GPS DATA") == 0 ? panel.gpsDataBlock : nullptr;
}

// Token 61 arrives in the same record every time, carrying the previous read in its last
// field as this host keeps it; every other read arrives in a zeroed record.
inline void readToken(TokenRecord* record) {
    if (record->token == 61) {
        // A record that lost what this host wrote into it last time is a new record.
        if (panel.airspeedReads > 0 && record->value != panel.tokens[kTokenAirspeed]) {
            ++panel.airspeedRecordChanges;
        }
        ++panel.airspeedReads;
        record->previous = record->value;
    } else if (record->dataPointer != nullptr || record->valueType != 0 ||
               record->value != 0.0 || record->previous != 0.0) {
        ++panel.unexpectedCalls;
    }
    if (record->token < static_cast<uint32_t>(kTokenCount)) {
        record->value = panel.tokens[record->token];
    }
}

inline void releaseVariable(const char* name) {
    const int32_t i = indexOf(name);
    if (i >= 0) ++panel.variables[i].released;
}

inline int32_t registerVariable(const char* name) {
    NamedVariable& v = variable(name);
    ++v.registered;
    return static_cast<int32_t>(&v - panel.variables);
}

inline double readVariable(int32_t id) {
    return id >= 0 && id < panel.variableCount ? panel.variables[id].value : 0.0;
}

inline void writeVariable(int32_t id, double value) {
    if (id >= 0 && id < panel.variableCount) panel.variables[id].value = value;
}

// The gauge asks for the double result only.
inline int32_t calculatorCode(const char* code, double* result, int32_t* integer,
                              const char** text) {
    ++panel.calculatorCalls;
    if (result == nullptr || integer != nullptr || text != nullptr) {
        ++panel.unexpectedCalls;
        return 0;
    }
    *result = std::strstr(code, "ALTITUDE") != nullptr ? 4500.0 : 0.0;
    return 1;
}

template <typename Fn>
void fill(int slot, Fn fn) {
    panel.table[slot] = reinterpret_cast<void*>(fn);
}

}  // namespace slots

// Zeroes the panel and fills its service table.
inline void resetPanel() {
    using namespace slots;
    std::memset(&panel, 0, sizeof panel);
    fill(9, &skipDrawQuery);
    fill(22, &elementOperation<22>);
    fill(23, &elementOperation<23, uintptr_t>);
    fill(24, &elementOperation<24>);
    fill(25, &elementOperation<25>);
    fill(26, &elementOperation<26, uintptr_t>);
    fill(27, &elementOperation<27>);
    fill(29, &elementOperation<29>);
    fill(34, &sendKeyEvent);
    fill(37, &dataBlock);
    fill(38, &readToken);
    fill(39, &releaseVariable);
    fill(49, &indexOf);
    fill(50, &registerVariable);
    fill(51, &readVariable);
    fill(53, &writeVariable);
    fill(67, &calculatorCode);
}

}  // namespace fake

#endif  // _WIN32
