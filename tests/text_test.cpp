// The bounded copy every text write goes through: cut to the field, always terminated, never a byte
// past the given size.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "cpuinfo/text.h"

namespace {

struct CopyCase {
    const char* what;
    const char* source;
    size_t length;  // characters offered
    size_t size;    // size of the target
    const char* expected;
    size_t copied;
};

TEST(Text, CopyTextRangeCutsAndTerminates) {
    const CopyCase cases[] = {
        {"fits", "abc", 3, 8, "abc", 3},
        {"exactly one short of the size", "abcdefg", 7, 8, "abcdefg", 7},
        {"as long as the size: cut by one", "abcdefgh", 8, 8, "abcdefg", 7},
        {"longer", "abcdefghijkl", 12, 8, "abcdefg", 7},
        {"size one: terminator only", "abc", 3, 1, "", 0},
        {"part of a longer text", "abc)def", 3, 8, "abc", 3},
        {"nothing offered", "abc", 0, 8, "", 0},
    };
    for (const CopyCase& c : cases) {
        char target[16];
        std::memset(target, 'x', sizeof target);
        EXPECT_EQ(CopyTextRange(target, c.size, c.source, c.length), c.copied) << c.what;
        EXPECT_STREQ(target, c.expected) << c.what;
        for (size_t i = c.size; i < sizeof target; ++i) EXPECT_EQ(target[i], 'x') << c.what << ": byte " << i;
    }
}

TEST(Text, SizeZeroWritesNothing) {
    char target[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(CopyTextRange(target, 0, "abc", 3), 0u);
    EXPECT_EQ(CopyTextInto(target, 0, "abc"), 0u);
    EXPECT_EQ(std::string(target, 4), "xxxx");
}

TEST(Text, CopyTextIntoTakesNullAsEmptyAndMayOverlap) {
    char field[8] = "abc";
    EXPECT_EQ(CopyTextInto(field, sizeof field, nullptr), 0u);
    EXPECT_STREQ(field, "");

    char text[16] = "  padded";
    EXPECT_EQ(CopyTextInto(text, sizeof text, text + 2), 6u);  // leading blanks dropped in place
    EXPECT_STREQ(text, "padded");
}

TEST(Text, FormatTextCutsToTheField) {
    char field[6];
    FormatText(field, "%s-%d", "abcd", 42);
    EXPECT_STREQ(field, "abcd-");
    FormatText(field, "%d", 7);
    EXPECT_STREQ(field, "7");
}

}  // namespace
