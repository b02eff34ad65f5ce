#include "SettingsLines.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace vevove {
namespace {

using Lines = std::array<std::string, 3>;

// All the bytes of a literal, NULs included.
template <std::size_t N> std::string Bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

TEST(SplitSettingsLines, EachKindOfLineEndEndsOneLine) {
    const Lines expected{"1280", "1024", "auto"};
    EXPECT_EQ(SplitSettingsLines("1280\r\n1024\r\nauto\r\n"), expected);
    EXPECT_EQ(SplitSettingsLines("1280\r1024\rauto\r"), expected);
    EXPECT_EQ(SplitSettingsLines("1280\n1024\nauto\n"), expected);
    EXPECT_EQ(SplitSettingsLines("1280\r\n1024\rauto\n"), expected);
    EXPECT_EQ(SplitSettingsLines("1280\r\n1024\r\nauto"), expected);
}

TEST(SplitSettingsLines, LineEndsThatAreNotOnePairLeaveEmptyLinesBetween) {
    const Lines expected{"1280", "", "1024"};
    EXPECT_EQ(SplitSettingsLines("1280\n\r1024"), expected);
    EXPECT_EQ(SplitSettingsLines("1280\r\r1024"), expected);
    EXPECT_EQ(SplitSettingsLines("1280\n\n1024"), expected);
    EXPECT_EQ(SplitSettingsLines("1280\r\n\n1024"), expected);
    EXPECT_EQ(SplitSettingsLines("1280\r\n\r\n1024"), expected);
    EXPECT_EQ(SplitSettingsLines("\r\n\r\nmanual\r\n"), (Lines{"", "", "manual"}));
}

TEST(SplitSettingsLines, TheTextEndsAtTheFirstNul) {
    EXPECT_EQ(SplitSettingsLines(Bytes("1280\r\n10\0"
                                       "24\r\nauto\r\n")),
              (Lines{"1280", "10", ""}));
    EXPECT_EQ(SplitSettingsLines(Bytes("1280\r\n\0"
                                       "1024\r\nauto")),
              (Lines{"1280", "", ""}));
    EXPECT_EQ(SplitSettingsLines(Bytes("\0"
                                       "1280\r\n1024")),
              (Lines{"", "", ""}));
    // A CR before the NUL and an LF after it are no pair.
    EXPECT_EQ(SplitSettingsLines(Bytes("1280\r\0\n1024")), (Lines{"1280", "", ""}));
}

TEST(SplitSettingsLines, MissingLinesAreEmptyAndLaterLinesIgnored) {
    EXPECT_EQ(SplitSettingsLines(""), (Lines{"", "", ""}));
    EXPECT_EQ(SplitSettingsLines("1024"), (Lines{"1024", "", ""}));
    EXPECT_EQ(SplitSettingsLines("1024\r\n"), (Lines{"1024", "", ""}));
    EXPECT_EQ(SplitSettingsLines("1280\r\n1024"), (Lines{"1280", "1024", ""}));
    EXPECT_EQ(SplitSettingsLines("a\nb\nc\nd\ne"), (Lines{"a", "b", "c"}));
}

TEST(SplitSettingsLines, LinesKeepBlanksAndControlCharacters) {
    EXPECT_EQ(SplitSettingsLines(" 1280 \t\r\n\x01\x1F\r\nauto \r\n"),
              (Lines{" 1280 \t", "\x01\x1F", "auto "}));
}

TEST(SplitSettingsLines, LinesAreCutTo4096BytesWithoutStartingANewLine) {
    const std::string full(4096, '7');
    EXPECT_EQ(SplitSettingsLines(full + "\r\n1"), (Lines{full, "1", ""}));
    EXPECT_EQ(SplitSettingsLines(full + "8\r\n1"), (Lines{full, "1", ""}));
    EXPECT_EQ(SplitSettingsLines(std::string(5000, ' ') + "1280\r\n1\r\n" + full + "9"),
              (Lines{std::string(4096, ' '), "1", full}));
}

TEST(JoinSettingsLines, ThreeLinesEachEndedByCrLf) {
    const std::string saved = JoinSettingsLines("1280", "1024", true);
    EXPECT_EQ(saved, "1280\r\n1024\r\nauto\r\n");
    EXPECT_EQ(saved.size(), 18u);
    EXPECT_EQ(JoinSettingsLines("1280", "1024", false), "1280\r\n1024\r\nmanual\r\n");
    EXPECT_EQ(JoinSettingsLines("", "", false), "\r\n\r\nmanual\r\n");
    EXPECT_EQ(JoinSettingsLines(" 12a\t", "$500", true), " 12a\t\r\n$500\r\nauto\r\n");
}

TEST(HasVisibleByte, AnyByteAbove0x20) {
    EXPECT_FALSE(HasVisibleByte(""));
    EXPECT_FALSE(HasVisibleByte(" \t\x01\x1F\x20"));
    EXPECT_TRUE(HasVisibleByte("!"));
    EXPECT_TRUE(HasVisibleByte("  1280  "));
    EXPECT_TRUE(HasVisibleByte("\x7F"));
    EXPECT_TRUE(HasVisibleByte(" \xA0 ")); // bytes above 0x7F count too
    EXPECT_TRUE(HasVisibleByte("\xFF"));
}

} // namespace
} // namespace vevove
