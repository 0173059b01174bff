#include "apps/run/script.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <sstream>
#include <string_view>

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

// A limit as six significant digits show it, unless that rounds it: then in the fewest
// digits that read back as the limit itself, so 59.999999 never reads as 60.
std::string limitText(double value) {
    std::ostringstream s;
    s << value;
    double shown = 0.0;
    if (parseReal(s.str(), shown) && shown == value) return s.str();
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return std::string(text, result.ptr);
}

std::string rangeText(double low, double high) {
    return "from " + limitText(low) + " to " + limitText(high);
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

// What one argument of a script line is, and where its value goes.
enum class Arg : uint8_t {
    None,       // no argument in this place
    Whole,      // a whole number within the limits, decimal or 0x hexadecimal -> numbers
    Real,       // a finite number within the limits -> numbers
    Name,       // a word that is not empty -> words
    Quoted,     // a word in double quotes -> words
    Ident,      // any word -> words
    OnOff,      // "on" (1) or "off" (0) -> numbers
    Control,    // a control's short name or a variable name -> words, as the variable name
    PrintName,  // a name the print line knows -> words
};

struct ArgForm {
    Arg kind = Arg::None;
    const char* what = "";  // how problems name the argument
    double low = 0.0;
    double high = 0.0;
};

constexpr ArgForm whole(const char* what, double low, double high) {
    return {Arg::Whole, what, low, high};
}
constexpr ArgForm real(const char* what, double low, double high) {
    return {Arg::Real, what, low, high};
}
constexpr ArgForm word(Arg kind, const char* what = "") { return {kind, what, 0.0, 0.0}; }

constexpr size_t kMaxArgs = 3;

// One kind of script line: its first word, the command it becomes and its arguments.
// A line with a fixed list takes `minArgs` to `maxArgs` arguments, described in order by
// `args`; a line with a repeating list (`group` > 0) takes its arguments in groups of
// `group`, each described by `args`, and at least `minArgs` of them; otherwise the problem is
// the line's name followed by `countProblem`.
struct CommandForm {
    std::string_view name;
    Command command;
    size_t minArgs;
    size_t maxArgs;
    std::array<ArgForm, kMaxArgs> args;
    size_t group = 0;
    const char* countProblem = "";
};

// One row a line kind, laid out by hand.
// clang-format off
constexpr CommandForm kCommands[] = {
    {"frames", Command::Frames, 1, 1, {whole("frame count", 0, kMaxFrames)}},
    {"press", Command::Press, 1, 0, {word(Arg::Control)}, 1, "needs at least one control name"},
    {"click", Command::Click, 2, 2, {whole("x", -100000, 100000), whole("y", -100000, 100000)}},
    {"token", Command::Token, 2, 2,
     {whole("token number", 0, 4294967295.0), real("value", -kAny, kAny)}},
    {"var", Command::Var, 2, 2, {word(Arg::Name, "variable name"), real("value", -kAny, kAny)}},
    {"calc", Command::Calc, 2, 2,
     {word(Arg::Quoted, "the expression"), real("value", -kAny, kAny)}},
    {"position", Command::Position, 2, 2,
     {real("latitude", -90, 90), real("longitude", -180, 180)}},
    {"groundspeed", Command::GroundSpeed, 1, 1, {real("ground speed", 0, 5000)}},
    {"heading", Command::Heading, 1, 2,
     {real("magnetic heading", -360, 360), real("true heading", -360, 360)}},
    {"magvar", Command::MagVar, 1, 1, {real("magnetic variation", -180, 180)}},
    {"altitude", Command::Altitude, 1, 1, {real("altitude", -2000, 100000)}},
    {"utc", Command::Utc, 2, 3,
     {whole("hour", 0, 23), whole("minute", 0, 59), real("second", 0, 59.999999)}},
    {"wind", Command::Wind, 2, 2, {real("wind direction", 0, 360), real("wind speed", 0, 500)}},
    {"power", Command::Power, 1, 1, {word(Arg::OnOff)}},
    {"fly", Command::Fly, 1, 1, {real("seconds", 0, kMaxFlySeconds)}},
    {"service", Command::Service, 1, 1, {whole("service code", -2147483648.0, 2147483647.0)}},
    {"dump", Command::Dump, 0, 0, {}},
    {"print", Command::Print, 1, 0, {word(Arg::PrintName)}, 1, "needs at least one name"},
    {"png", Command::Png, 1, 1, {word(Arg::Name, "file name")}},
    // simplan IDENT LAT LON [IDENT LAT LON ...]; no waypoints removes the plan block.
    {"simplan", Command::SimPlan, 0, 0,
     {word(Arg::Ident), real("latitude", -90, 90), real("longitude", -180, 180)}, 3,
     "takes IDENT LAT LON triples"},
};
// clang-format on

// Every argument place a line can reach has a kind, and no fixed list asks for more
// arguments than it allows.
constexpr bool commandsAreComplete() {
    for (const CommandForm& form : kCommands) {
        const size_t places = form.group > 0 ? form.group : form.maxArgs;
        if (places > kMaxArgs) return false;
        if (form.group == 0 && form.minArgs > form.maxArgs) return false;
        for (size_t i = 0; i < places; ++i) {
            if (form.args[i].kind == Arg::None) return false;
        }
    }
    return true;
}
static_assert(commandsAreComplete(), "a script line has an argument place without a kind");

const CommandForm* findCommand(std::string_view name) {
    for (const CommandForm& form : kCommands) {
        if (form.name == name) return &form;
    }
    return nullptr;
}

// Checks argument `i` against `form` and keeps its value in the line.
bool parseArgument(LineParser& p, size_t i, const ArgForm& form) {
    const std::string& name = p.words[0].text;
    const std::string& text = p.arg(i);
    switch (form.kind) {
        case Arg::None: return false;
        case Arg::Whole: return p.integer(i, form.what, form.low, form.high);
        case Arg::Real: return p.real(i, form.what, form.low, form.high);
        case Arg::Name:
            if (text.empty()) {
                p.problem = name + " needs a " + form.what;
                return false;
            }
            break;
        case Arg::Quoted:
            if (!p.words[i + 1].quoted) {
                p.problem = name + " needs " + form.what + " in double quotes";
                return false;
            }
            break;
        case Arg::Ident: break;
        case Arg::OnOff:
            if (text != "on" && text != "off") {
                p.problem = name + " takes on or off, not \"" + text + "\"";
                return false;
            }
            p.line.numbers.push_back(text == "on" ? 1.0 : 0.0);
            return true;
        case Arg::Control: {
            std::string variable = pressVariableName(text);
            if (variable.empty()) {
                p.problem = "unknown control \"" + text + "\"";
                return false;
            }
            p.line.words.push_back(std::move(variable));
            return true;
        }
        case Arg::PrintName:
            if (findPrintField(text) == nullptr) {
                p.problem = "unknown name \"" + text + "\" to print";
                return false;
            }
            break;
    }
    p.line.words.push_back(text);
    return true;
}

bool parseArguments(LineParser& p, const std::string& name) {
    const CommandForm* form = findCommand(name);
    if (form == nullptr) {
        p.problem = "unknown line \"" + name + "\"";
        return false;
    }
    ScriptLine& line = p.line;
    line.command = form->command;
    const size_t count = p.argumentCount();
    if (form->group > 0) {
        if (count < form->minArgs || count % form->group != 0) {
            p.problem = name + " " + form->countProblem;
            return false;
        }
    } else {
        if (!p.expectCount(form->minArgs, form->maxArgs)) return false;
        // heading TRUE, utc S
        line.hasOptional = count > form->minArgs;
    }
    for (size_t i = 0; i < count; ++i) {
        const size_t place = form->group > 0 ? i % form->group : i;
        if (!parseArgument(p, i, form->args[place])) return false;
    }
    return true;
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
