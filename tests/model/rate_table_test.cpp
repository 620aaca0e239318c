#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "model/rate_table.h"

namespace {

// The figure a tenths count must read as, built from integers only.
std::string ExpectedTenths(int tenths) { return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10); }

TEST(RateTable, TableAgreesWithTheDivisionRule) {
    for (int position = 0; position < kRatePositions; ++position) {
        const RateStep& step = kRateTable[std::size_t(position)];
        SCOPED_TRACE(position);
        EXPECT_EQ(step.pal10, int(250 / (step.rateCode + 1)));
        EXPECT_EQ(step.ntsc10, int(300 / (step.rateCode + 1)));
        EXPECT_EQ(Pal10(step.rateCode), step.pal10);
        EXPECT_EQ(Ntsc10(step.rateCode), step.ntsc10);
        EXPECT_EQ(RatePosition(step.rateCode), position);
        if (position > 0) {
            EXPECT_LT(kRateTable[std::size_t(position - 1)].rateCode, step.rateCode);
        }
    }
    EXPECT_EQ(kRateTable.front().rateCode, 0u);
    EXPECT_EQ(kRateTable.back().rateCode, 249u);
}

// The codes the recorders take, slowest last: the division rule alone would let a neighbour
// code with the same rates stand in for one of them.
TEST(RateTable, HoldsTheRecordersCodes) {
    const std::uint32_t codes[kRatePositions] = {0, 1, 2, 3, 4, 5, 7, 11, 14, 24, 29, 49, 59, 124, 249};
    for (int position = 0; position < kRatePositions; ++position)
        EXPECT_EQ(kRateTable[std::size_t(position)].rateCode, codes[position]) << position;
}

TEST(RateTable, RatePositionOfEveryCodeUpTo300) {
    for (std::uint32_t code = 0; code <= 300; ++code) {
        SCOPED_TRACE(code);
        const int position = RatePosition(code);
        ASSERT_GE(position, 0);
        ASSERT_LT(position, kRatePositions);
        if (code <= 249) {
            // The first table code at or above the stored one, with none skipped below it.
            EXPECT_GE(kRateTable[std::size_t(position)].rateCode, code);
            if (position > 0) {
                EXPECT_LT(kRateTable[std::size_t(position - 1)].rateCode, code);
            }
        } else {
            EXPECT_EQ(position, 14);
        }
    }
}

TEST(RateTable, RatePositionOfForeignCodes) {
    struct Case {
        std::uint32_t code;
        int position;
    };
    const Case cases[] = {
        {6, 6}, {8, 7}, {125, 14}, {250, 14}, {2147483647u, 14}, {2147483648u, 0}, {4294967295u, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(RatePosition(c.code), c.position) << c.code;
}

TEST(RateTable, RatesOfForeignCodesNeverDivideByZero) {
    struct Case {
        std::uint32_t code;
        int pal10, ntsc10;
    };
    const Case cases[] = {
        {6, 35, 42}, {250, 0, 1}, {300, 0, 0}, {2147483647u, 0, 0}, {4294967295u, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Pal10(c.code), c.pal10) << c.code;
        EXPECT_EQ(Ntsc10(c.code), c.ntsc10) << c.code;
    }
}

TEST(RateTable, TenthsFormatExactly) {
    // Floating rounding must never show e.g. 4.1 as 4.0 or 8.3 as 8.2.
    for (int tenths = 0; tenths <= 300; ++tenths) EXPECT_EQ(FormatTenths(tenths), ExpectedTenths(tenths));
}

TEST(RateTable, TriggerTexts) {
    const char* texts[] = {"Continuous",       "Alarm 1 Edge NO", "Alarm 1 Edge NC", "Alarm 1 Level NO",
                           "Alarm 1 Level NC", "Alarm 2 Edge NO", "Alarm 2 Edge NC", "Alarm 2 Level NO",
                           "Alarm 2 Level NC", "VMD"};
    for (int code = 0; code <= 9; ++code) EXPECT_STREQ(TriggerText(code), texts[code]) << code;
    for (int code : {10, 11, 12, 13, 14, 15, -1, 16}) EXPECT_STREQ(TriggerText(code), "Continuous") << code;
}

}  // namespace
