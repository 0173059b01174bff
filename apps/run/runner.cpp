#include "apps/run/runner.h"

#include <string>
#include <vector>

#include "apps/run/print_table.h"
#include "platform/canvas/cairo_canvas.h"
#include "platform/canvas/recording_canvas.h"
#include "platform/sim/aircraft_model.h"
#include "platform/sim/sim_flight_plan.h"
#include "platform/sim/sim_session.h"

namespace {

// Paints the last frame's display list into a PNG of the display's size.
bool writeFramePng(const SimSession& session, const std::string& path) {
    CairoCanvas png(session.displayWidthPx(), session.displayHeightPx());
    session.canvas().replay(png);
    std::string error;
    if (png.writePng(path.c_str(), error)) return true;
    std::fprintf(stderr, "tarnwick-run: cannot write %s: %s\n", path.c_str(), error.c_str());
    return false;
}

// Publishes the script's waypoints as the simulator's own flight plan.
void runSimPlan(SimHost& host, const ScriptLine& line) {
    std::vector<SimPlanWaypoint> waypoints;
    for (size_t i = 0; i < line.words.size(); ++i) {
        waypoints.push_back({line.words[i], line.numbers[2 * i], line.numbers[2 * i + 1]});
    }
    if (waypoints.empty()) {
        host.removeDataBlock("FS2002 GPS DATA");
    } else {
        setSimFlightPlan(host, waypoints);
    }
}

class Runner {
public:
    Runner(const RunOptions& options, std::FILE* out)
        : session_(options.widthPx, options.heightPx), out_(out) {
        session_.host().onKeyEvent([this](const KeyEvent& e) {
            std::fprintf(out_, "key 0x%X %u\n", static_cast<unsigned>(e.eventId),
                         static_cast<unsigned>(e.parameter));
        });
    }

    // Returns false when a PNG could not be written.
    bool run(const ScriptLine& line);
    SimSession& session() { return session_; }

private:
    double number(const ScriptLine& line, size_t i) const { return line.numbers[i]; }

    SimSession session_;
    std::FILE* out_;
};

bool Runner::run(const ScriptLine& line) {
    AircraftState& aircraft = session_.aircraft();
    SimHost& host = session_.host();
    switch (line.command) {
    case Command::Frames:
        for (long i = 0; i < static_cast<long>(number(line, 0)); ++i) session_.frame();
        break;
    case Command::Press: session_.press(line.words); break;
    case Command::Click:
        session_.click(static_cast<int32_t>(number(line, 0)), static_cast<int32_t>(number(line, 1)));
        break;
    case Command::Token: host.setToken(static_cast<uint32_t>(number(line, 0)), number(line, 1)); break;
    case Command::Var: host.setVariable(line.words[0], number(line, 0)); break;
    case Command::Calc: host.setCalculatorResult(line.words[0], number(line, 0)); break;
    case Command::Position:
        aircraft.latDeg = number(line, 0);
        aircraft.lonDeg = number(line, 1);
        session_.encodeAircraft();
        break;
    case Command::GroundSpeed:
        aircraft.groundSpeedKt = number(line, 0);
        session_.encodeAircraft();
        break;
    case Command::Heading:
        setMagneticHeading(aircraft, number(line, 0));
        if (line.hasOptional) aircraft.headingTrueDeg = number(line, 1);
        session_.encodeAircraft();
        break;
    case Command::MagVar:
        setMagneticVariation(aircraft, number(line, 0));
        session_.encodeAircraft();
        break;
    case Command::Altitude:
        aircraft.altitudeFt = number(line, 0);
        session_.encodeAircraft();
        break;
    case Command::Utc:
        setUtc(aircraft, static_cast<int>(number(line, 0)), static_cast<int>(number(line, 1)),
               line.hasOptional ? number(line, 2) : 0.0);
        session_.encodeAircraft();
        break;
    case Command::Wind:
        aircraft.windDirTrueDeg = number(line, 0);
        aircraft.windSpeedKt = number(line, 1);
        session_.encodeAircraft();
        break;
    case Command::Power:
        aircraft.powerOn = number(line, 0) != 0.0;
        session_.encodeAircraft();
        break;
    case Command::Fly: session_.fly(number(line, 0)); break;
    case Command::SimPlan: runSimPlan(host, line); break;
    case Command::Service: session_.service(static_cast<int32_t>(number(line, 0))); break;
    case Command::Dump:
        std::fprintf(out_, "dump %d\n", session_.frameCount());
        printTextItems(session_.canvas(), out_);
        break;
    case Command::Print:
        for (const std::string& name : line.words) {
            if (const PrintField* field = findPrintField(name)) {
                std::fprintf(out_, "%s\n", formatPrintField(*field, session_.unit()).c_str());
            }
        }
        break;
    case Command::Png:
        std::fflush(out_);
        return writeFramePng(session_, line.words[0]);
    }
    return true;
}

}  // namespace

int runScript(const RunOptions& options, const std::vector<ScriptLine>& lines, std::FILE* out) {
    Runner runner(options, out);
    int status = 0;
    runner.session().start(options.rootFolder);
    for (const ScriptLine& line : lines) {
        if (!runner.run(line)) status = 1;
    }
    runner.session().stop();
    if (!options.pngPath.empty() && !writeFramePng(runner.session(), options.pngPath)) status = 1;
    std::fflush(out);
    return status;
}
