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

TEST(ChangeUnits, SpeedEveryPairOf2Point5)
{
    // pi is taken with five decimals: 3.14159.
    const Case cases[] = {
        {"rpm", "rpm", 2.5},         {"rpm", "rps", 0.041666666666666664},   {"rpm", "rad/s", 0.2617991666666667},
        {"rps", "rpm", 150.0},       {"rps", "rps", 2.5},                    {"rps", "rad/s", 15.70795},
        {"rad/s", "rpm", 23.87326162866574}, {"rad/s", "rps", 0.3978876938110957}, {"rad/s", "rad/s", 2.5},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(convert(2.5, "Speed", c.to, c.from), c.expected) << c.from << " -> " << c.to;
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
        EXPECT_DOUBLE_EQ(convert(10, "Torque", c.to, c.from), c.expected) << c.from << " -> " << c.to;
}

TEST(ChangeUnits, TorqueEdgeValues)
{
    EXPECT_DOUBLE_EQ(convert(1, "Torque", "oz-in", "N-m"), 141.6);
    EXPECT_DOUBLE_EQ(convert(1, "Torque", "in-lb", "N-m"), 8.85);
    // 1.35593... before rounding
    EXPECT_DOUBLE_EQ(convert(1, "Torque", "N-m", "ft-lb"), 1.356);
    // halves go away from zero: 0.0005 oz-in and its negative
    EXPECT_DOUBLE_EQ(convert(0.0005, "Torque", "oz-in", "oz-in"), 0.001);
    EXPECT_DOUBLE_EQ(convert(-0.0005, "Torque", "oz-in", "oz-in"), -0.001);
    for (const char* unit : {"oz-in", "in-lb", "ft-lb", "N-m"})
        EXPECT_EQ(convert(0, "Torque", unit, "N-m"), 0.0) << unit;
}

TEST(ChangeUnits, InertiaEveryPairOf3)
{
    const char* imperial[] = {"oz-in^2", "oz-in-s^2", "lb-in^2", "lb-in-s^2"};
    const char* metric[] = {"kg-m^2", "kg-cm^2", "kg-mm^2"};
    struct Row {
        const char* from;
        double to[7]; // oz-in^2, oz-in-s^2, lb-in^2, lb-in-s^2, kg-m^2, kg-cm^2, kg-mm^2
    };
    const Row rows[] = {
        {"oz-in^2", {3, 0.007772020725388601, 0.1875, 0.00048575129533678756, 5.487028664237742e-05,
                     0.5487028664237742, 54.870286642377415}},
        {"oz-in-s^2", {1158, 3, 72.375, 0.1875, 0.021179930643957682, 211.7993064395768, 21179.930643957683}},
        {"lb-in^2", {48, 0.12435233160621761, 3, 0.007772020725388601, 0.0008779245862780387, 8.779245862780387,
                     877.9245862780386}},
        {"lb-in-s^2", {18528, 48, 1158, 3, 0.3388788903033229, 3388.788903033229, 338878.8903033229}},
        {"kg-m^2", {164023.2, 424.93056994818653, 10251.45, 26.558160621761658, 3, 30000, 3000000}},
        {"kg-cm^2", {16.40232, 0.04249305699481865, 1.025145, 0.0026558160621761658, 0.0003, 3, 300}},
        {"kg-mm^2", {0.1640232, 0.00042493056994818653, 0.01025145, 2.6558160621761658e-05, 3e-06, 0.03, 3}},
    };
    for (const Row& r : rows) {
        for (int i = 0; i < 4; ++i)
            EXPECT_DOUBLE_EQ(convert(3, "Inertia", imperial[i], r.from), r.to[i]) << r.from << " -> " << imperial[i];
        for (int i = 0; i < 3; ++i)
            EXPECT_DOUBLE_EQ(convert(3, "Inertia", metric[i], r.from), r.to[4 + i]) << r.from << " -> " << metric[i];
    }
}

TEST(ChangeUnits, InLbS2IsAnotherNameOfLbInS2)
{
    EXPECT_DOUBLE_EQ(convert(1, "Inertia", "in-lb-s^2", "lb-in-s^2"), 1.0);
    EXPECT_DOUBLE_EQ(convert(3, "Inertia", "oz-in^2", "in-lb-s^2"), 18528.0);
    EXPECT_DOUBLE_EQ(convert(3, "Inertia", "kg-m^2", "in-lb-s^2"), 0.3388788903033229);
    EXPECT_DOUBLE_EQ(convert(3, "Inertia", "in-lb-s^2", "kg-m^2"), 26.558160621761658);
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
    EXPECT_DOUBLE_EQ(convert(1, "Speed", "rpm", "rps"), 60.0);
    EXPECT_DOUBLE_EQ(convert(1, "Speed", "rad/s", "rps"), 6.28318);
    EXPECT_DOUBLE_EQ(convert(60, "Speed", "rad/s", "rpm"), 6.28318);
    EXPECT_EQ(&Unit_Converter(), &Unit_Converter());
}
