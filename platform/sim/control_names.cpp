#include "platform/sim/control_names.h"

#include "frame/controls.h"

static_assert(sizeof(kControlShortNames) / sizeof(kControlShortNames[0]) == kControlCount);

namespace {

bool isVariableName(std::string_view name) {
    if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
    for (char c : name) {
        bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                  c == '_';
        if (!ok) return false;
    }
    return true;
}

}  // namespace

std::string pressVariableName(std::string_view name) {
    for (int i = 0; i < kControlCount; ++i) {
        if (name == kControlShortNames[i]) return kControlVariableNames[i];
    }
    return isVariableName(name) ? std::string(name) : std::string();
}
