// The bounded line reader: line ends, limits, byte-order marks and buffer refills.
#include "navdb/line_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> readAll(const std::string& bytes, size_t maxLength) {
    std::FILE* file = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    std::vector<std::string> lines;
    {
        auto reader = std::make_unique<LineReader>(file, maxLength);
        std::string_view line;
        while (reader->next(line)) lines.emplace_back(line);
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
    const std::string huge(LineReader::kBufferSize * 3 + 17, 'h');
    EXPECT_EQ(readAll(huge + "\nend\n", 10), (Lines{"hhhhhhhhhh", "end"}));
    EXPECT_EQ(readAll(huge, 10), (Lines{"hhhhhhhhhh"}));
}

TEST(LineReader, ManyLinesAcrossBufferRefills) {
    std::string bytes;
    for (int i = 0; i < 20000; ++i) bytes += "LINE" + std::to_string(i) + " 1.0 2.0\n";
    const auto lines = readAll(bytes, 1698);
    ASSERT_EQ(lines.size(), 20000u);
    EXPECT_EQ(lines[12345], "LINE12345 1.0 2.0");
    EXPECT_EQ(lines.back(), "LINE19999 1.0 2.0");
}

}  // namespace
