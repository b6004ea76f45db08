// The bounded text writers: the decimal writer must give exactly what "%d" gives, cut to any size.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "cpuinfo/text.h"

// These tests hand the same format to snprintf and to the library's formatter on purpose.
#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#endif

namespace {

TEST(Text, DecimalMatchesPrintfAtEveryBoundaryAndSize) {
    const int32_t values[] = {0, 1, -1, 9, 10, -10, 64, 255, 4096, 12288, 99999, 100000, -99999,
                              INT32_MAX, INT32_MIN, INT32_MIN + 1, 1000000000, -1000000000};
    for (int32_t value : values) {
        for (size_t size = 1; size <= 13; ++size) {
            char expected[16];
            char actual[16];
            std::memset(expected, 'x', sizeof expected);
            std::memset(actual, 'x', sizeof actual);
            std::snprintf(expected, size, "%d", value);
            DecimalTextInto(actual, size, value);
            EXPECT_EQ(std::memcmp(expected, actual, sizeof actual), 0) << "value " << value << ", size " << size;
        }
    }
}

TEST(Text, DecimalIntoNothingWritesNothing) {
    char target[4] = {'a', 'b', 'c', 'd'};
    DecimalTextInto(target, 0, 123);
    EXPECT_EQ(std::memcmp(target, "abcd", 4), 0);
}

TEST(Text, DecimalIntoFieldUsesTheFieldSize) {
    char field[4];
    DecimalText(field, -12345);
    EXPECT_STREQ(field, "-12");
}

// FormatTextInto writes the library's own formats itself; whatever it writes must be what vsnprintf
// writes, at every size. The formats below are the ones the library uses, plus the edges of each
// handled conversion.
TEST(Text, FormattedTextMatchesPrintf) {
    struct Case {
        const char* format;
        int32_t a, b, c;
    };
    const Case cases[] = {
        {"%d", -1, 0, 0},          {"%X", -1, 0, 0},          {"%X", 0, 0, 0},          {"%02X", 7, 0, 0},
        {"%02X", 0x1AB, 0, 0},     {"%04X", 0x12, 0, 0},      {"%04d", 7, 0, 0},        {"%04d", -7, 0, 0},
        {"%04d", 12345, 0, 0},     {"%4d", -7, 0, 0},         {"%4X", 0xAB, 0, 0},      {"%X%X%X", 15, 2, 9},
        {"%u.%u-%u.%u", 1, 2, 3},  {"%d.%02d", 2, 6, 0},      {"%d.%d7", 1, 6, 0},      {" %d00+", 3, 0, 0},
        {" MK-%d", 36, 0, 0},      {"%%d%d%%", 5, 0, 0},      {"-%d", INT32_MIN, 0, 0}, {"%u", -1, 0, 0},
        {"%d", INT32_MAX, 0, 0},   {"x%010dy", -42, 0, 0},    {"%4.2f", 0, 0, 0},       {"", 0, 0, 0},
    };
    for (const Case& c : cases) {
        for (size_t size = 1; size <= 24; ++size) {
            char expected[32];
            char actual[32];
            std::memset(expected, 'x', sizeof expected);
            std::memset(actual, 'x', sizeof actual);
            if (std::strchr(c.format, 'f')) {
                std::snprintf(expected, size, c.format, 1.005);
                FormatTextInto(actual, size, c.format, 1.005);
            } else {
                std::snprintf(expected, size, c.format, c.a, c.b, c.c);
                FormatTextInto(actual, size, c.format, c.a, c.b, c.c);
            }
            EXPECT_EQ(std::memcmp(expected, actual, sizeof actual), 0)
                << "format \"" << c.format << "\", size " << size << ": \"" << actual << "\"";
        }
    }
}

TEST(Text, FormattedStringsMatchPrintf) {
    const char* const words[] = {"", "Intel", "Pentium 4 (Northwood)", "Athlon 64 X2 Dual Core 4800+ (Windsor)"};
    for (const char* first : words) {
        for (const char* second : words) {
            for (size_t size = 1; size <= 64; ++size) {
                char expected[80];
                char actual[80];
                std::memset(expected, 'x', sizeof expected);
                std::memset(actual, 'x', sizeof actual);
                std::snprintf(expected, size, "%s %s", first, second);
                FormatTextInto(actual, size, "%s %s", first, second);
                EXPECT_EQ(std::memcmp(expected, actual, sizeof actual), 0) << first << "|" << second << " size " << size;
                std::snprintf(expected, size, "%s%s%8s", first, second, "ab");
                FormatTextInto(actual, size, "%s%s%8s", first, second, "ab");
                EXPECT_EQ(std::memcmp(expected, actual, sizeof actual), 0) << first << "|" << second << " size " << size;
            }
        }
    }
}

// Random values through every handled conversion, widths 0 to 12, with and without the '0' flag.
TEST(Text, RandomNumbersFormatLikePrintf) {
    std::mt19937 random(20261209);
    const char kinds[] = {'d', 'u', 'X'};
    for (int round = 0; round < 3000; ++round) {
        const char kind = kinds[random() % 3];
        const unsigned width = static_cast<unsigned>(random() % 13);
        std::string format = "<%";
        if (random() % 2) format += '0';
        if (width) format += std::to_string(width);
        format += kind;
        format += '>';
        const int32_t value = static_cast<int32_t>(random()) >> (random() % 32);
        const size_t size = 1 + random() % 20;
        char expected[32];
        char actual[32];
        std::memset(expected, 'x', sizeof expected);
        std::memset(actual, 'x', sizeof actual);
        std::snprintf(expected, size, format.c_str(), value);
        FormatTextInto(actual, size, format.c_str(), value);
        EXPECT_EQ(std::memcmp(expected, actual, sizeof actual), 0) << format << " of " << value << ", size " << size;
    }
}

// Figures: the library's "%4.2f" and "%4.1f" and the neighbouring precisions, on values that are hard
// to round (exact ties, values just beside them, negative zero, tiny and huge magnitudes, infinities
// and NaN, which go to the C library) and on random values of every magnitude.
TEST(Text, FiguresFormatLikePrintf) {
    const char* const formats[] = {"%4.2f", "%4.1f", "%.0f", "%.3f", "%08.2f", "%9.1f", "[%4.2f|%X]"};
    std::vector<double> values = {0.0, -0.0, 0.5, 1.5, 2.5, -2.5, 0.125, 0.375, 2.675, 1.005, 0.05, 0.15,
                                  0.25, 0.35, 1e-300, -1e-300, 4.9e-324, 0.004999, 0.005, 0.0050000001,
                                  999.995, 9.995, 99.95, 1000.01, -1.0, 2400.0, 133.333333, 166.66,
                                  1e15, 9.007199254740991e15, 1.8014398509481984e16, 1.8014398509481985e16,
                                  3.6e16, 1e300, -1e300, 1.0 / 0.0, -1.0 / 0.0, std::nan(""), -std::nan("")};
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 1500; ++i) {
        uint64_t bits = random();
        double value = 0.0;
        std::memcpy(&value, &bits, sizeof value);
        values.push_back(value);  // any bit pattern: every magnitude, subnormals, NaN
        values.push_back(static_cast<double>(random() % 100000000) / 1000.0 - 50000.0);  // near ties
        values.push_back(std::ldexp(static_cast<double>(random() % 4096), -static_cast<int>(random() % 12)));  // exact ties
    }
    for (const char* format : formats) {
        for (double value : values) {
            for (size_t size : {size_t{2}, size_t{5}, size_t{64}}) {
                char expected[80];
                char actual[80];
                std::memset(expected, 'x', sizeof expected);
                std::memset(actual, 'x', sizeof actual);
                std::snprintf(expected, size, format, value, 0xABu);
                FormatTextInto(actual, size, format, value, 0xABu);
                ASSERT_EQ(std::memcmp(expected, actual, sizeof actual), 0)
                    << format << " of " << value << ", size " << size << ": \"" << actual << "\"";
            }
        }
    }
}

}  // namespace
