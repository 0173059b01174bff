// The text toolkit: numbers with the C prefix rule, comparisons, fields, bounded copies
// and the bounded line reader (line ends, limits, byte-order marks, buffer refills).
#include "base/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Text, NumbersReportWhatTheyConsumed) {
    struct Case {
        const char* text;
        double value;
        size_t consumed;
        bool outOfRange;
    };
    const Case cases[] = {
        {"12.5", 12.5, 4, false},   {"  -3.25", -3.25, 7, false}, {"+7", 7.0, 2, false},
        {"1e3", 1000.0, 3, false},  {"4.5abc", 4.5, 3, false},    {"", 0.0, 0, false},
        {"abc", 0.0, 0, false},     {"-", 0.0, 0, false},         {"--1", 0.0, 0, false},
        {"+-1", 0.0, 0, false},     {".5", 0.5, 2, false},        {"12.5\r", 12.5, 4, false},
        {"1e", 1.0, 1, false},      {"1e-999", 0.0, 6, true},     {"-1e-999", -0.0, 7, true},
        {"1e999x", kInf, 5, true},  {" -1e999", -kInf, 7, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ParsedNumber parsed = parseNumber(c.text);
        EXPECT_EQ(parsed.value, c.value);
        EXPECT_EQ(parsed.consumed, c.consumed);
        EXPECT_EQ(parsed.outOfRange, c.outOfRange);
    }
    const ParsedNumber digits = parseNumber(" 12.7", NumberForm::WholeDigits);
    EXPECT_EQ(digits.value, 12.0);
    EXPECT_EQ(digits.consumed, 3u);
}

TEST(Text, PrefixRuleGivesZeroWhereNoFiniteNumberStands) {
    struct Case {
        const char* text;
        double value;
    };
    // A data file's overflow or "inf"/"nan" must not become a position or a time.
    const Case cases[] = {{"47.5N", 47.5}, {"1e999", 0.0}, {"-1e999", 0.0}, {"inf", 0.0},
                          {"nan", 0.0},    {"-0.5", -0.5}, {"x", 0.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseDoublePrefix(c.text), c.value);
    }
}

TEST(Text, IntegersStopAtTheFirstNonDigitAndSaturate) {
    const std::string manyNines(400, '9');
    struct Case {
        const char* text;
        int32_t value;
    };
    const Case cases[] = {
        {"7", 7},
        {" -12x", -12},
        {"+3", 3},
        {"3.9", 3},
        {"1e3", 1},
        {"", 0},
        {"x1", 0},
        {"2147483647", std::numeric_limits<int32_t>::max()},
        {"-2147483648", std::numeric_limits<int32_t>::min()},
        {"99999999999", std::numeric_limits<int32_t>::max()},
        {"-99999999999", std::numeric_limits<int32_t>::min()},
        {manyNines.c_str(), std::numeric_limits<int32_t>::max()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseIntPrefix(c.text), c.value);
    }
}

TEST(Text, ComparisonsIgnoreTheCaseOfLettersOnly) {
    EXPECT_TRUE(equalsIgnoreCase("[FlightPlan]", "[FLIGHTPLAN]"));
    EXPECT_TRUE(equalsIgnoreCase("", ""));
    EXPECT_FALSE(equalsIgnoreCase("VOR", "VORX"));
    EXPECT_FALSE(equalsIgnoreCase("\xE9", "\xC9"));  // no case outside ASCII
    EXPECT_FALSE(equalsIgnoreCase("@", "`"));        // 0x40 and 0x60 are not letters
    EXPECT_TRUE(endsWithIgnoreCase("plan.rte", ".RTE"));
    EXPECT_FALSE(endsWithIgnoreCase("TE", ".RTE"));
}

TEST(Text, FieldsSplitAtRunsOfBlanks) {
    std::string_view fields[3];
    EXPECT_EQ(splitFields(" \tKSEA  47.4\v-122.3\f", fields, 3), 3);
    EXPECT_EQ(fields[0], "KSEA");
    EXPECT_EQ(fields[2], "-122.3");
    EXPECT_EQ(splitFields("a b c d", fields, 2), 2);
    EXPECT_EQ(fields[1], "b");
    EXPECT_EQ(splitFields(" \r\n", fields, 3), 0);
}

TEST(Text, CopiesAreCutToTheFieldAndZeroFilled) {
    char field[5];
    std::memset(field, 'x', sizeof field);
    copyField(field, "KSEATTLE");
    EXPECT_EQ(std::string(field), "KSEA");
    copyField(field, std::string_view("AB\0CD", 5));
    EXPECT_EQ(std::memcmp(field, "AB\0\0\0", 5), 0);
    copyField(field, 0, "untouched");  // a zero-sized field takes nothing
    EXPECT_EQ(field[0], 'A');
}

std::vector<std::string> readAll(const std::string& bytes, size_t maxLength,
                                 size_t bufferSize = 1 << 16) {
    std::FILE* file = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    std::vector<char> buffer(bufferSize);
    std::vector<std::string> lines;
    {
        LineReader reader(file, maxLength, buffer);
        std::string_view line;
        while (reader.next(line)) lines.emplace_back(line);
    }
    std::fclose(file);
    return lines;
}

TEST(LineReader, LineEndsLimitsAndMarks) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(readAll("a\nb\r\n\nc", 10), (Lines{"a", "b", "", "c"}));
    EXPECT_EQ(readAll("\xEF\xBB\xBFone\n", 10), (Lines{"one"}));
    EXPECT_EQ(readAll("0123456789\n", 10), (Lines{"0123456789"}));
    EXPECT_EQ(readAll("0123456789\r\nx\n", 10), (Lines{"0123456789", "x"}));
    EXPECT_EQ(readAll("0123456789ABCDEF\nx", 10), (Lines{"0123456789", "x"}));
    EXPECT_EQ(readAll("", 10), Lines{});
    // A line far longer than the buffer, then a normal one.
    const std::string huge((1 << 16) * 3 + 17, 'h');
    EXPECT_EQ(readAll(huge + "\nend\n", 10), (Lines{"hhhhhhhhhh", "end"}));
    EXPECT_EQ(readAll(huge, 10), (Lines{"hhhhhhhhhh"}));
    // A limit the buffer cannot hold is cut to it rather than never finding a line end.
    EXPECT_EQ(readAll("abcdefghij\nk\n", 100, 8), (Lines{"abcdef", "k"}));
    EXPECT_EQ(readAll("abc\n", 10, 2), Lines{});
}

TEST(LineReader, OpensAndClosesAFileByPath) {
    char buffer[64];
    LineReader missing("/nonexistent-folder/none.txt", 10, buffer);
    std::string_view line;
    EXPECT_FALSE(missing.isOpen());
    EXPECT_FALSE(missing.next(line));
    EXPECT_FALSE(missing.readFailed());

    const std::string path = ::testing::TempDir() + "line_reader_path.txt";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("first\r\nsecond", file);
    std::fclose(file);
    {
        LineReader reader(path.c_str(), 10, buffer);
        ASSERT_TRUE(reader.isOpen());
        ASSERT_TRUE(reader.next(line));
        EXPECT_EQ(line, "first");
        ASSERT_TRUE(reader.next(line));
        EXPECT_EQ(line, "second");
        EXPECT_FALSE(reader.next(line));
        EXPECT_FALSE(reader.readFailed());
    }
    EXPECT_EQ(std::remove(path.c_str()), 0);  // closed, so removable everywhere
}

TEST(LineReader, ManyLinesAcrossBufferRefills) {
    std::string bytes;
    for (int i = 0; i < 20000; ++i) bytes.append("LINE").append(std::to_string(i)).append(" 1.0 2.0\n");
    for (size_t bufferSize : {size_t{1} << 16, size_t{1700}}) {
        const auto lines = readAll(bytes, 1698, bufferSize);
        ASSERT_EQ(lines.size(), 20000u);
        EXPECT_EQ(lines[12345], "LINE12345 1.0 2.0");
        EXPECT_EQ(lines.back(), "LINE19999 1.0 2.0");
    }
}

}  // namespace
