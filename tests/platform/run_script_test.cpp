// The runner's script and argument parsing. The runner's sources live in the executable
// only, so the parsers are compiled into the test binary here.
#include "apps/run/options.h"
#include "apps/run/script.h"

#include <gtest/gtest.h>

#include "frame/controls.h"

// A bad line is named by its number with the whole problem: people script against these
// messages, so each kind of line keeps its wording exactly. The bad_line and bad_argument
// scenarios add an unknown line after a comment and a latitude out of range.
TEST(RunScript, BadLinesNameTheirLineAndProblem) {
    const struct {
        const char* script;
        int line;
        const char* problem;
    } cases[] = {
        {"frames 2\nfly\n", 2, "fly takes 1 argument, not 0"},
        {"\"frames\" 1\n", 1, "unknown line"},
        {"frames -1", 1, "frame count \"-1\" is not a whole number from 0 to 1e+07"},
        {"frames 2.5", 1, "frame count \"2.5\" is not a whole number from 0 to 1e+07"},
        {"frames 10000001", 1, "frame count \"10000001\" is not a whole number from 0 to 1e+07"},
        {"press ro++", 1, "unknown control \"ro++\""},
        {"press", 1, "press needs at least one control name"},
        {"click 1", 1, "click takes 2 arguments, not 1"},
        {"token 4294967296 1", 1,
         "token number \"4294967296\" is not a whole number from 0 to 4294967295"},
        {"token 5 nan", 1, "value \"nan\" is not a number"},
        {"var \"\" 1", 1, "var needs a variable name"},
        {"calc (A:INDICATED ALTITUDE, feet) 10", 1, "calc takes 2 arguments, not 4"},
        {"calc (A:X) 1", 1, "calc needs the expression in double quotes"},
        {"calc \"(A:X 10", 1, "a double quote is not closed"},
        {"position 10 abc", 1, "longitude \"abc\" is not a number"},
        {"groundspeed -1", 1, "ground speed -1 out of range (from 0 to 5000)"},
        {"heading 90 nan", 1, "true heading \"nan\" is not a number"},
        {"heading 90 100 110", 1, "heading takes 1 to 2 arguments, not 3"},
        {"magvar 181", 1, "magnetic variation 181 out of range (from -180 to 180)"},
        {"altitude -2001", 1, "altitude -2001 out of range (from -2000 to 100000)"},
        {"utc 24 0", 1, "hour \"24\" is not a whole number from 0 to 23"},
        {"utc 12 30 60", 1, "second 60 out of range (from 0 to 59.999999)"},
        {"wind 0 501", 1, "wind speed 501 out of range (from 0 to 500)"},
        {"power ON", 1, "power takes on or off, not \"ON\""},
        {"fly 604801", 1, "seconds 604801 out of range (from 0 to 604800)"},
        {"service 2147483648", 1,
         "service code \"2147483648\" is not a whole number from -2147483648 to 2147483647"},
        {"dump now", 1, "dump takes 0 arguments, not 1"},
        {"print powerOn noSuchThing", 1, "unknown name \"noSuchThing\" to print"},
        {"png \"\"", 1, "png needs a file name"},
        {"simplan A 1", 1, "simplan takes IDENT LAT LON triples"},
        {"simplan A 1 2 B 3 181", 1, "longitude 181 out of range (from -180 to 180)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        std::vector<ScriptLine> lines;
        ScriptError error;
        EXPECT_FALSE(parseScript(c.script, lines, error));
        EXPECT_EQ(error.lineNumber, c.line);
        EXPECT_EQ(error.problem, c.problem);
    }
}

TEST(RunScript, GoodLinesParseWithCrLfQuotesAndComments) {
    const char* script =
        "press ro+ pwr tw4_vgr_msg_butn_pressed  # three at once\r\n"
        "\r\n"
        "calc \"(A:INDICATED ALTITUDE, feet)\" 4500\r\n"
        "heading 270\n"
        "heading 270 255.5\n"
        "token 0x101 -2e3\n"
        "power off\n";
    std::vector<ScriptLine> lines;
    ScriptError error;
    ASSERT_TRUE(parseScript(script, lines, error)) << error.lineNumber << ": " << error.problem;
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].words, (std::vector<std::string>{
                                  kControlVariableNames[static_cast<int>(Control::RightOuterUp)],
                                  kControlVariableNames[static_cast<int>(Control::Power)],
                                  "tw4_vgr_msg_butn_pressed"}));
    EXPECT_EQ(lines[1].lineNumber, 3);
    EXPECT_EQ(lines[1].words[0], "(A:INDICATED ALTITUDE, feet)");
    EXPECT_EQ(lines[1].numbers[0], 4500.0);
    EXPECT_FALSE(lines[2].hasOptional);
    EXPECT_TRUE(lines[3].hasOptional);
    EXPECT_EQ(lines[3].numbers[1], 255.5);
    EXPECT_EQ(lines[4].numbers, (std::vector<double>{257.0, -2000.0}));
    EXPECT_EQ(lines[5].numbers[0], 0.0);
}

TEST(RunScript, ArgumentsAndDisplaySize) {
    uint32_t w = 0, h = 0;
    EXPECT_TRUE(parseDisplaySize("740x352", w, h));
    EXPECT_EQ(std::pair(w, h), std::pair(740u, 352u));
    for (const char* bad : {"740", "0x352", "740x", "x352", "740x352x1", "-740x352", "99999x10"}) {
        EXPECT_FALSE(parseDisplaySize(bad, w, h)) << bad;
    }

    RunOptions options;
    std::string error;
    auto parse = [&](std::vector<const char*> args) {
        args.insert(args.begin(), "tarnwick-run");
        return parseOptions(static_cast<int>(args.size()), args.data(), options, error);
    };
    EXPECT_TRUE(parse({"--script", "-", "--size", "740x352", "--png", "a.png"})) << error;
    EXPECT_EQ(options.scriptPath, "-");
    EXPECT_EQ(options.widthPx, 740u);
    EXPECT_FALSE(parse({"--png"}));
    EXPECT_FALSE(parse({"--fast"}));
    EXPECT_FALSE(parse({"--root", "/no/such/folder/here"}));
    EXPECT_NE(error.find("not a folder"), std::string::npos);
}

// Noise never crashes the parser: it either accepts the text or names a line inside it.
TEST(RunScript, FuzzedScriptsAreAcceptedOrRejectedWithALineNumber) {
    const char* words[] = {"frames", "press", "ro+", "\"", "#", "1e309", "-0", "0x",
                           "calc",   "utc",   "99",  "\r", "\t", "print", "\xB0", ""};
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        int lineCount = 1 + static_cast<int>(next() % 4);
        for (int line = 0; line < lineCount; ++line, text += '\n') {
            for (int w = static_cast<int>(next() % 5); w > 0; --w) {
                text += words[(next() >> 8) % std::size(words)];
                text += (next() & 1) ? " " : "";
            }
        }
        std::vector<ScriptLine> lines;
        ScriptError error;
        if (!parseScript(text, lines, error)) {
            EXPECT_GE(error.lineNumber, 1) << text;
            EXPECT_LE(error.lineNumber, lineCount) << text;
            EXPECT_FALSE(error.problem.empty()) << text;
        }
    }
}
