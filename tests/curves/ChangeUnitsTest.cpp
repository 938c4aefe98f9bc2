#include "curves/CChangeUnits.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

namespace {

struct Case {
    const char* from;
    const char* to;
    double expected;
};

double convert(double v, const char* type, const char* to, const char* from)
{
    return Unit_Converter().ChangeUnits(v, QString::fromLatin1(type), QString::fromLatin1(to), QString::fromLatin1(from));
}

} // namespace

// Speed and inertia results are compared exactly: the factors apply left to right as the
// conversion tables write them, and another order changes the last bits (7 x 54674.4 / 100^2
// is 38.272079999999995, 7 x (54674.4 / 100^2) is 38.27208).
TEST(ChangeUnits, SpeedEveryPairOf7)
{
    // pi is taken with five decimals: 3.14159.
    const Case cases[] = {
        {"rpm", "rpm", 7},   {"rpm", "rps", 0.11666666666666667}, {"rpm", "rad/s", 0.7330376666666666},
        {"rps", "rpm", 420}, {"rps", "rps", 7},                   {"rps", "rad/s", 43.98226},
        {"rad/s", "rpm", 66.84513256026408}, {"rad/s", "rps", 1.1140855426710679}, {"rad/s", "rad/s", 7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(convert(7, "Speed", c.to, c.from), c.expected) << c.from << " -> " << c.to;
}

TEST(ChangeUnits, TorqueEveryPairOf10RoundedToThreeDecimals)
{
    const Case cases[] = {
        {"oz-in", "oz-in", 10},   {"oz-in", "in-lb", 0.625}, {"oz-in", "ft-lb", 0.052}, {"oz-in", "N-m", 0.071},
        {"in-lb", "oz-in", 160},  {"in-lb", "in-lb", 10},    {"in-lb", "ft-lb", 0.833}, {"in-lb", "N-m", 1.13},
        {"ft-lb", "oz-in", 1920}, {"ft-lb", "in-lb", 120},   {"ft-lb", "ft-lb", 10},    {"ft-lb", "N-m", 13.559},
        {"N-m", "oz-in", 1416},   {"N-m", "in-lb", 88.5},    {"N-m", "ft-lb", 7.375},   {"N-m", "N-m", 10},
    };
    for (const Case& c : cases)
        EXPECT_EQ(convert(10, "Torque", c.to, c.from), c.expected) << c.from << " -> " << c.to;
}

TEST(ChangeUnits, TorqueEdgeValues)
{
    EXPECT_EQ(convert(1, "Torque", "oz-in", "N-m"), 141.6);
    EXPECT_EQ(convert(1, "Torque", "in-lb", "N-m"), 8.85);
    // 1.35593... before rounding
    EXPECT_EQ(convert(1, "Torque", "N-m", "ft-lb"), 1.356);
    // halves go away from zero: 0.0005 oz-in and its negative
    EXPECT_EQ(convert(0.0005, "Torque", "oz-in", "oz-in"), 0.001);
    EXPECT_EQ(convert(-0.0005, "Torque", "oz-in", "oz-in"), -0.001);
    for (const char* unit : {"oz-in", "in-lb", "ft-lb", "N-m"})
        EXPECT_EQ(convert(0, "Torque", unit, "N-m"), 0.0) << unit;
}

TEST(ChangeUnits, InertiaEveryPairOf7)
{
    const char* units[] = {"oz-in^2", "oz-in-s^2", "lb-in^2", "lb-in-s^2", "kg-m^2", "kg-cm^2", "kg-mm^2"};
    struct Row {
        const char* from;
        double to[7]; // in the order of units
    };
    const Row rows[] = {
        {"oz-in^2", {7, 0.018134715025906734, 0.4375, 0.0011334196891191709, 0.00012803066883221398,
                     1.28030668832214, 128.030668832214}},
        {"oz-in-s^2", {2702, 7, 168.875, 0.4375, 0.0494198381692346, 494.198381692346, 49419.8381692346}},
        {"lb-in^2", {112, 0.29015544041450775, 7, 0.018134715025906734, 0.0020484907013154237, 20.48490701315424,
                     2048.490701315424}},
        {"lb-in-s^2", {43232, 112, 2702, 7, 0.7907174107077536, 7907.174107077536, 790717.4107077536}},
        {"kg-m^2", {382720.8, 991.5046632124352, 23920.05, 61.9690414507772, 7, 70000, 7000000}},
        {"kg-cm^2", {38.272079999999995, 0.09915046632124351, 2.3920049999999997, 0.006196904145077719, 0.0007, 7,
                     700}},
        {"kg-mm^2", {0.38272079999999997, 0.000991504663212435, 0.023920049999999998, 6.19690414507772e-05, 7e-06,
                     0.07, 7}},
    };
    for (const Row& r : rows)
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(convert(7, "Inertia", units[i], r.from), r.to[i]) << r.from << " -> " << units[i];
}

TEST(ChangeUnits, InLbS2IsAnotherNameOfLbInS2)
{
    EXPECT_EQ(convert(1, "Inertia", "in-lb-s^2", "lb-in-s^2"), 1.0);
    EXPECT_EQ(convert(7, "Inertia", "oz-in^2", "in-lb-s^2"), 43232.0);
    EXPECT_EQ(convert(7, "Inertia", "kg-m^2", "in-lb-s^2"), 0.7907174107077536);
    EXPECT_EQ(convert(7, "Inertia", "in-lb-s^2", "kg-m^2"), 61.9690414507772);
    // 1 kg-m^2 is 141.643... oz-in-s^2 and back again
    const double ozIns2 = convert(1, "Inertia", "oz-in-s^2", "kg-m^2");
    EXPECT_NEAR(ozIns2, 141.6435233, 1e-7);
    EXPECT_NEAR(Unit_Converter().ChangeUnits(ozIns2, "Inertia", "kg-m^2", "oz-in-s^2"), 1.0, 1e-12);
}

TEST(ChangeUnits, UnknownCategoryOrUnitGivesZero)
{
    EXPECT_EQ(convert(60, "Speed", "rps", "RPM"), 0.0);
    EXPECT_EQ(convert(60, "Speed", "RPS", "rpm"), 0.0);
    EXPECT_EQ(convert(1, "Torque", "oz-in", "Nm"), 0.0);
    EXPECT_EQ(convert(1, "Inertia", "g-cm^2", "kg-m^2"), 0.0);
    EXPECT_EQ(convert(1, "Inertia", "kg-m^2", "g-cm^2"), 0.0);
    EXPECT_EQ(convert(1, "Inertia", "rpm", "kg-cm^2"), 0.0);
    EXPECT_EQ(convert(1, "Length", "in", "mm"), 0.0);
    // a known pair in the wrong family
    EXPECT_EQ(convert(1, "Speed", "oz-in", "N-m"), 0.0);
    EXPECT_EQ(convert(1, "speed", "rpm", "rps"), 0.0);
}

TEST(ChangeUnits, EdgeCasesOfTheCurves)
{
    EXPECT_EQ(convert(1, "Speed", "rpm", "rps"), 60.0);
    EXPECT_EQ(convert(1, "Speed", "rad/s", "rps"), 6.28318);
    EXPECT_EQ(convert(60, "Speed", "rad/s", "rpm"), 6.28318);
}
