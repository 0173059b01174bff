#include "apps/run/script.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <sstream>

#include "apps/run/print_table.h"
#include "platform/sim/control_names.h"

namespace {

constexpr double kMaxFrames = 10000000.0;
constexpr double kMaxFlySeconds = 86400.0 * 7;

struct Word {
    std::string text;
    bool quoted = false;
};

// Splits a line into words; false when a quote is not closed.
bool splitWords(const std::string& line, std::vector<Word>& words) {
    size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t') {
            ++i;
            continue;
        }
        if (c == '#') break;
        Word word;
        if (c == '"') {
            size_t close = line.find('"', i + 1);
            if (close == std::string::npos) return false;
            word.text = line.substr(i + 1, close - i - 1);
            word.quoted = true;
            i = close + 1;
        } else {
            size_t end = line.find_first_of(" \t", i);
            if (end == std::string::npos) end = line.size();
            word.text = line.substr(i, end - i);
            i = end;
        }
        words.push_back(std::move(word));
    }
    return true;
}

bool parseReal(const std::string& text, double& out) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    auto [end, ec] = std::from_chars(first, last, out);
    return ec == std::errc() && end == last && std::isfinite(out);
}

bool parseInteger(const std::string& text, double low, double high, double& out) {
    long long value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        first += 2;
        base = 16;
    }
    auto [end, ec] = std::from_chars(first, last, value, base);
    if (ec != std::errc() || end != last || first == last) return false;
    out = static_cast<double>(value);
    return out >= low && out <= high;
}

std::string rangeText(double low, double high) {
    std::ostringstream s;
    s << "from " << low << " to " << high;
    return s.str();
}

struct LineParser {
    const std::vector<Word>& words;  // words[0] is the command
    ScriptLine& line;
    std::string problem;

    size_t argumentCount() const { return words.size() - 1; }
    const std::string& arg(size_t i) const { return words[i + 1].text; }

    bool expectCount(size_t low, size_t high) {
        size_t n = argumentCount();
        if (n >= low && n <= high) return true;
        std::ostringstream s;
        s << words[0].text << " takes ";
        if (low == high) s << low;
        else s << low << " to " << high;
        s << (high == 1 ? " argument" : " arguments") << ", not " << n;
        problem = s.str();
        return false;
    }

    bool real(size_t i, const char* what, double low, double high) {
        double v = 0.0;
        if (!parseReal(arg(i), v)) {
            problem = std::string(what) + " \"" + arg(i) + "\" is not a number";
            return false;
        }
        if (v < low || v > high) {
            problem = std::string(what) + " " + arg(i) + " out of range (" + rangeText(low, high) + ")";
            return false;
        }
        line.numbers.push_back(v);
        return true;
    }

    bool integer(size_t i, const char* what, double low, double high) {
        double v = 0.0;
        if (!parseInteger(arg(i), low, high, v)) {
            problem = std::string(what) + " \"" + arg(i) + "\" is not a whole number " +
                      rangeText(low, high);
            return false;
        }
        line.numbers.push_back(v);
        return true;
    }
};

constexpr double kAny = std::numeric_limits<double>::max();

bool parseArguments(LineParser& p, const std::string& name) {
    ScriptLine& line = p.line;
    if (name == "frames") {
        line.command = Command::Frames;
        return p.expectCount(1, 1) && p.integer(0, "frame count", 0, kMaxFrames);
    }
    if (name == "press") {
        line.command = Command::Press;
        if (p.argumentCount() == 0) {
            p.problem = "press needs at least one control name";
            return false;
        }
        for (size_t i = 0; i < p.argumentCount(); ++i) {
            std::string variable = pressVariableName(p.arg(i));
            if (variable.empty()) {
                p.problem = "unknown control \"" + p.arg(i) + "\"";
                return false;
            }
            line.words.push_back(variable);
        }
        return true;
    }
    if (name == "click") {
        line.command = Command::Click;
        return p.expectCount(2, 2) && p.integer(0, "x", -100000, 100000) &&
               p.integer(1, "y", -100000, 100000);
    }
    if (name == "token") {
        line.command = Command::Token;
        return p.expectCount(2, 2) && p.integer(0, "token number", 0, 4294967295.0) &&
               p.real(1, "value", -kAny, kAny);
    }
    if (name == "var") {
        line.command = Command::Var;
        if (!p.expectCount(2, 2)) return false;
        if (p.arg(0).empty()) {
            p.problem = "var needs a variable name";
            return false;
        }
        line.words.push_back(p.arg(0));
        return p.real(1, "value", -kAny, kAny);
    }
    if (name == "calc") {
        line.command = Command::Calc;
        if (!p.expectCount(2, 2)) return false;
        if (!p.words[1].quoted) {
            p.problem = "calc needs the expression in double quotes";
            return false;
        }
        line.words.push_back(p.arg(0));
        return p.real(1, "value", -kAny, kAny);
    }
    if (name == "position") {
        line.command = Command::Position;
        return p.expectCount(2, 2) && p.real(0, "latitude", -90, 90) &&
               p.real(1, "longitude", -180, 180);
    }
    if (name == "groundspeed") {
        line.command = Command::GroundSpeed;
        return p.expectCount(1, 1) && p.real(0, "ground speed", 0, 5000);
    }
    if (name == "heading") {
        line.command = Command::Heading;
        line.hasOptional = p.argumentCount() == 2;
        return p.expectCount(1, 2) && p.real(0, "magnetic heading", -360, 360) &&
               (!line.hasOptional || p.real(1, "true heading", -360, 360));
    }
    if (name == "magvar") {
        line.command = Command::MagVar;
        return p.expectCount(1, 1) && p.real(0, "magnetic variation", -180, 180);
    }
    if (name == "altitude") {
        line.command = Command::Altitude;
        return p.expectCount(1, 1) && p.real(0, "altitude", -2000, 100000);
    }
    if (name == "utc") {
        line.command = Command::Utc;
        line.hasOptional = p.argumentCount() == 3;
        return p.expectCount(2, 3) && p.integer(0, "hour", 0, 23) &&
               p.integer(1, "minute", 0, 59) &&
               (!line.hasOptional || p.real(2, "second", 0, 59.999999));
    }
    if (name == "wind") {
        line.command = Command::Wind;
        return p.expectCount(2, 2) && p.real(0, "wind direction", 0, 360) &&
               p.real(1, "wind speed", 0, 500);
    }
    if (name == "power") {
        line.command = Command::Power;
        if (!p.expectCount(1, 1)) return false;
        if (p.arg(0) != "on" && p.arg(0) != "off") {
            p.problem = "power takes on or off, not \"" + p.arg(0) + "\"";
            return false;
        }
        line.numbers.push_back(p.arg(0) == "on" ? 1.0 : 0.0);
        return true;
    }
    if (name == "fly") {
        line.command = Command::Fly;
        return p.expectCount(1, 1) && p.real(0, "seconds", 0, kMaxFlySeconds);
    }
    if (name == "service") {
        line.command = Command::Service;
        return p.expectCount(1, 1) && p.integer(0, "service code", -2147483648.0, 2147483647.0);
    }
    if (name == "dump") {
        line.command = Command::Dump;
        return p.expectCount(0, 0);
    }
    if (name == "print") {
        line.command = Command::Print;
        if (p.argumentCount() == 0) {
            p.problem = "print needs at least one name";
            return false;
        }
        for (size_t i = 0; i < p.argumentCount(); ++i) {
            if (findPrintField(p.arg(i)) == nullptr) {
                p.problem = "unknown name \"" + p.arg(i) + "\" to print";
                return false;
            }
            line.words.push_back(p.arg(i));
        }
        return true;
    }
    if (name == "png") {
        line.command = Command::Png;
        if (!p.expectCount(1, 1)) return false;
        if (p.arg(0).empty()) {
            p.problem = "png needs a file name";
            return false;
        }
        line.words.push_back(p.arg(0));
        return true;
    }
    if (name == "simplan") {
        // simplan IDENT LAT LON [IDENT LAT LON ...]; no waypoints removes the plan block.
        line.command = Command::SimPlan;
        if (p.argumentCount() % 3 != 0) {
            p.problem = "simplan takes IDENT LAT LON triples";
            return false;
        }
        for (size_t i = 0; i < p.argumentCount(); i += 3) {
            line.words.push_back(p.arg(i));
            if (!p.real(i + 1, "latitude", -90, 90) || !p.real(i + 2, "longitude", -180, 180)) {
                return false;
            }
        }
        return true;
    }
    p.problem = "unknown line \"" + name + "\"";
    return false;
}

}  // namespace

bool parseScript(const std::string& text, std::vector<ScriptLine>& lines, ScriptError& error) {
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        std::vector<Word> words;
        if (!splitWords(raw, words)) {
            error = {number, "a double quote is not closed"};
            return false;
        }
        if (words.empty()) continue;
        ScriptLine line;
        line.lineNumber = number;
        LineParser parser{words, line, {}};
        if (words[0].quoted || !parseArguments(parser, words[0].text)) {
            error = {number, parser.problem.empty() ? "unknown line" : parser.problem};
            return false;
        }
        lines.push_back(std::move(line));
    }
    return true;
}
