#include "support/QStringPrinter.h"
#include "curves/CurveNumbers.h"

#include <gtest/gtest.h>

using namespace CurveNumbers;

TEST(CurveNumbers, HalvesToEvenOrAwayFromZeroOnTheDecimalValue)
{
    struct Case {
        double value;
        int decimals;
        double even;
        double away;
    };
    const Case cases[] = {
        {2.25, 1, 2.2, 2.3},
        {2.35, 1, 2.4, 2.4}, // 2.35 is 2.35000000000000008882: its decimal form is the tie
        {2.5, 0, 2, 3},           {3.5, 0, 4, 4},         {0.5, 0, 0, 1},     {-2.5, 0, -2, -3},
        {1.004, 2, 1, 1},         {9.995, 2, 10, 10},     {0.0049, 2, 0, 0},  {123.456, 5, 123.456, 123.456},
        {1.0005, 3, 1, 1.001},    {99.5, 0, 100, 100},    {0.4999, 0, 0, 0},  {0.00049, 3, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(roundHalfEven(c.value, c.decimals), c.even) << c.value << " to " << c.decimals;
        EXPECT_EQ(roundHalfAway(c.value, c.decimals), c.away) << c.value << " to " << c.decimals;
    }
}

TEST(CurveNumbers, TextHasFifteenDigitsAndAPoint)
{
    EXPECT_EQ(toText(0.85), "0.85");
    EXPECT_EQ(toText(141.6), "141.6");
    EXPECT_EQ(toText(3000), "3000");
    EXPECT_EQ(toText(-0.0), "0");
    EXPECT_EQ(toText(1.0 / 3.0), "0.333333333333333");
    EXPECT_DOUBLE_EQ(throughText(2.0 / 3.0), 0.666666666666667);
}
