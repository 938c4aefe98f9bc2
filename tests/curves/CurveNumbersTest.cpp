#include "QStringPrinter.h"
#include "curves/CurveNumbers.h"

#include <gtest/gtest.h>

using namespace CurveNumbers;

TEST(CurveNumbers, HalvesToEvenOnTheDecimalValue)
{
    EXPECT_DOUBLE_EQ(roundHalfEven(2.25, 1), 2.2);
    EXPECT_DOUBLE_EQ(roundHalfEven(2.35, 1), 2.4); // 2.35 is 2.35000000000000008882: its decimal form is the tie
    EXPECT_DOUBLE_EQ(roundHalfEven(2.5, 0), 2.0);
    EXPECT_DOUBLE_EQ(roundHalfEven(3.5, 0), 4.0);
    EXPECT_DOUBLE_EQ(roundHalfEven(0.5, 0), 0.0);
    EXPECT_DOUBLE_EQ(roundHalfEven(-2.5, 0), -2.0);
    EXPECT_DOUBLE_EQ(roundHalfEven(1.004, 2), 1.0);
    EXPECT_DOUBLE_EQ(roundHalfEven(9.995, 2), 10.0);
    EXPECT_DOUBLE_EQ(roundHalfEven(0.0049, 2), 0.0);
    EXPECT_DOUBLE_EQ(roundHalfEven(123.456, 5), 123.456);
}

TEST(CurveNumbers, HalvesAwayFromZero)
{
    EXPECT_DOUBLE_EQ(roundHalfAway(2.5, 0), 3.0);
    EXPECT_DOUBLE_EQ(roundHalfAway(-2.5, 0), -3.0);
    EXPECT_DOUBLE_EQ(roundHalfAway(1.0005, 3), 1.001);
    EXPECT_DOUBLE_EQ(roundHalfAway(99.5, 0), 100.0);
    EXPECT_DOUBLE_EQ(roundHalfAway(0.4999, 0), 0.0);
    EXPECT_DOUBLE_EQ(roundHalfAway(0.00049, 3), 0.0);
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
