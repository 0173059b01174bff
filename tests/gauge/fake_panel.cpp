// The fake panel services: each slot the gauge uses does what the simulator would, on the
// test's own records.
// The test host runs under Windows (or Wine) only; the Linux test build skips it.
#ifdef _WIN32
#include "tests/gauge/fake_panel.h"

#include <cstring>

namespace fake {

namespace {

Panel thePanel;

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

int32_t skipDrawQuery(int32_t argument) {
    ++thePanel.skipDrawQueries;
    if (argument != 0) ++thePanel.unexpectedCalls;
    return thePanel.skipDrawAnswer;
}

template <int slot>
intptr_t elementOperation(void* element) {
    ElementCall& call = thePanel.elementCalls[slot];
    ++call.count;
    call.element = element;
    return 1000 + slot;
}

template <int slot>
intptr_t elementOperationWith(void* element, uintptr_t argument) {
    ElementCall& call = thePanel.elementCalls[slot];
    ++call.count;
    call.element = element;
    call.argument = argument;
    return 1000 + slot;
}

void sendKeyEvent(uint32_t id, uint32_t parameter) {
    if (thePanel.keyEventCount < kKeyEventCount) {
        thePanel.keyEvents[thePanel.keyEventCount++] = KeyEvent{id, parameter};
    }
}

void dataBlock(TokenRecord* record, const char* name) {
    record->dataPointer =
        std::strcmp(name, "FS2002 GPS DATA") == 0 ? thePanel.gpsDataBlock : nullptr;
}

// Token 61 arrives in the same record every time, carrying the previous read in its last
// field as this host keeps it; every other read arrives in a zeroed record.
void readToken(TokenRecord* record) {
    if (record->token == 61) {
        // A record that lost what this host wrote into it last time is a new record.
        if (thePanel.airspeedReads > 0 && record->value != thePanel.tokens[61]) {
            ++thePanel.airspeedRecordChanges;
        }
        ++thePanel.airspeedReads;
        record->previous = record->value;
    } else if (record->dataPointer != nullptr || record->valueType != 0 ||
               record->value != 0.0 || record->previous != 0.0) {
        ++thePanel.unexpectedCalls;
    }
    if (record->token < static_cast<uint32_t>(kTokenCount)) {
        record->value = thePanel.tokens[record->token];
    }
}

int32_t indexOf(const char* name) {
    for (int i = 0; i < thePanel.variableCount; ++i) {
        if (std::strcmp(thePanel.variables[i].name, name) == 0) return i;
    }
    return -1;
}

void releaseVariable(const char* name) {
    const int32_t i = indexOf(name);
    if (i >= 0) ++thePanel.variables[i].released;
}

int32_t lookupVariable(const char* name) { return indexOf(name); }

int32_t registerVariable(const char* name) {
    NamedVariable& v = variable(name);
    ++v.registered;
    return static_cast<int32_t>(&v - thePanel.variables);
}

double readVariable(int32_t id) {
    if (id < 0 || id >= thePanel.variableCount) return 0.0;
    return thePanel.variables[id].value;
}

void writeVariable(int32_t id, double value) {
    if (id < 0 || id >= thePanel.variableCount) return;
    thePanel.variables[id].value = value;
}

// The gauge asks for the double result only.
int32_t calculatorCode(const char* code, double* result, int32_t* integer, const char** text) {
    ++thePanel.calculatorCalls;
    if (result == nullptr || integer != nullptr || text != nullptr) {
        ++thePanel.unexpectedCalls;
        return 0;
    }
    *result = std::strstr(code, "ALTITUDE") != nullptr ? 4500.0 : 0.0;
    return 1;
}

template <typename Fn>
void fill(int slot, Fn fn) {
    thePanel.table[slot] = reinterpret_cast<void*>(fn);
}

}  // namespace

Panel& panel() { return thePanel; }

void resetPanel() {
    std::memset(&thePanel, 0, sizeof thePanel);
    fill(9, &skipDrawQuery);
    fill(22, &elementOperation<22>);
    fill(23, &elementOperationWith<23>);
    fill(24, &elementOperation<24>);
    fill(25, &elementOperation<25>);
    fill(26, &elementOperationWith<26>);
    fill(27, &elementOperation<27>);
    fill(29, &elementOperation<29>);
    fill(34, &sendKeyEvent);
    fill(37, &dataBlock);
    fill(38, &readToken);
    fill(39, &releaseVariable);
    fill(49, &lookupVariable);
    fill(50, &registerVariable);
    fill(51, &readVariable);
    fill(53, &writeVariable);
    fill(67, &calculatorCode);
}

NamedVariable& variable(const char* name) {
    const int32_t i = indexOf(name);
    if (i >= 0) return thePanel.variables[i];
    // The table is sized for every name the gauge uses; the last slot absorbs any excess.
    const int n = thePanel.variableCount < kVariableCount ? thePanel.variableCount++
                                                          : kVariableCount - 1;
    NamedVariable& v = thePanel.variables[n];
    std::memset(&v, 0, sizeof v);
    std::strncpy(v.name, name, sizeof v.name - 1);
    return v;
}

const NamedVariable* findVariable(const char* name) {
    const int32_t i = indexOf(name);
    return i >= 0 ? &thePanel.variables[i] : nullptr;
}

}  // namespace fake

#endif  // _WIN32
