#include "platform/sim/sim_session.h"

#include <cmath>
#include <cstring>

#include "frame/gauge.h"
#include "frame/mouse_areas.h"

SimSession::SimSession(uint32_t displayWidthPx, uint32_t displayHeightPx)
    : unit_(std::make_unique<Unit>()), widthPx_(displayWidthPx), heightPx_(displayHeightPx) {
    host_.attachDisplay(&canvas_, widthPx_, heightPx_);
    encodeAircraft();
}

bool SimSession::start(const std::string& rootFolder) {
    bool fits = rootFolder.size() <= static_cast<size_t>(kRootFolderSize);
    if (!rootFolder.empty() && fits) {
        std::memcpy(unit_->rootFolder, rootFolder.data(), rootFolder.size());
        unit_->rootFolder[rootFolder.size()] = '\0';
    }
    service(kServiceStart);
    service(kServiceInit);
    service(kServiceConnect);
    return fits;
}

void SimSession::stop() { service(kServiceDisconnect); }

void SimSession::service(int32_t code) { gaugeService(*unit_, host_, code); }

void SimSession::frame() {
    host_.setToken(kTokenTick, host_.readToken(kTokenTick) + 1.0);
    service(kServiceUpdate);
    service(kServiceDraw);
    ++frameCount_;
}

void SimSession::press(const std::vector<std::string>& variableNames) {
    for (const std::string& name : variableNames) host_.setVariable(name, 1.0);
    frame();
}

bool SimSession::click(int32_t x, int32_t y) { return mouseClick(*unit_, host_, x, y); }

void SimSession::encodeAircraft() { encodeAircraftState(aircraft_, host_); }

void SimSession::fly(double seconds) {
    if (!(seconds > 0.0)) return;
    auto count = static_cast<long>(std::lround(seconds * kFramesPerSecond));
    const double step = 1.0 / kFramesPerSecond;
    for (long i = 0; i < count; ++i) {
        bool turning = false;
        double target = 0.0;
        if (unit_->nav.coupling.lnavEngaged == 1) {
            const auto& events = host_.keyEvents();
            for (auto it = events.rbegin(); it != events.rend(); ++it) {
                if (it->eventId == kKeySetHeading) {
                    turning = true;
                    target = static_cast<double>(it->parameter);
                    break;
                }
            }
        }
        advanceAircraft(aircraft_, step, turning, target);
        encodeAircraft();
        frame();
    }
}
