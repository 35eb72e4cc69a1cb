// Rounding halves to even, fixed-point texts with a point whatever the
// locale, and plurals.
#include "canvas/textformat.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct FixedCase
{
    double value;
    int width;
    int decimals;
    const char* text;
};

const FixedCase kFixed[] = {
    {4.2, 4, 1, " 4.2"},       {3.14159, 0, 2, "3.14"}, {-4.2, 6, 1, "  -4.2"},  {123.456, 2, 1, "123.5"},
    {0, 5, 2, " 0.00"},        {123, 0, 2, "123.00"},   {2.5, 0, 0, "3"},        {-2.5, 0, 0, "-3"},
    {0.5, 0, 0, "1"},          {0.125, 0, 2, "0.13"},   {-0.125, 0, 2, "-0.13"}, {1.45, 0, 1, "1.5"},
    {2.675, 0, 2, "2.68"},     {1.005, 0, 2, "1.01"},   {9.99, 0, 1, "10.0"},    {99.96, 6, 1, " 100.0"},
    {-0.04, 0, 1, "0.0"},      {0.0001, 0, 2, "0.00"},  {1e-7, 0, 0, "0"},       {1e6, 0, 0, "1000000"},
    {12.3456, 0, 3, "12.346"}, {5, 0, -1, "5"},         {7.25, -3, 1, "7.3"},    {0.1 + 0.2, 0, 2, "0.30"},
};

} // namespace

TEST(FormatFixed, PointDecimalsRoundingHalfAwayFromZeroAndWidth)
{
    for (const FixedCase& c : kFixed)
        EXPECT_EQ(FormatFixed(c.value, c.width, c.decimals).toStdString(), c.text)
            << c.value << " width " << c.width << " decimals " << c.decimals;
}

TEST(FormatFixed, PointEvenUnderAFrenchLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(FormatFixed(3.5, 5, 2), QStringLiteral(" 3.50"));
    EXPECT_EQ(FormatFixed(-1234.5, 0, 1), QStringLiteral("-1234.5"));
    QLocale::setDefault(previous);
}

TEST(FormatFixed, NumbersThatAreNotFinite)
{
    EXPECT_EQ(FormatFixed(std::nan(""), 5, 1), QStringLiteral("  NaN"));
    EXPECT_EQ(FormatFixed(HUGE_VAL, 0, 1), QStringLiteral("Inf"));
    EXPECT_EQ(FormatFixed(-HUGE_VAL, 0, 1), QStringLiteral("-Inf"));
}

TEST(PluralS, TwoOrMoreTakeAnS)
{
    const std::pair<long long, const char*> cases[] = {{-3, ""}, {0, ""}, {1, ""}, {2, "s"}, {1000000000000LL, "s"}};
    for (const auto& [count, suffix] : cases)
        EXPECT_EQ(PluralS(count).toStdString(), suffix) << count;
}

TEST(RoundHalfEven, RoundsExactHalvesToEven)
{
    const struct
    {
        double in;
        int out;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4999, 2}, {2.5001, 3}, {-47.6, -48}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
}

TEST(RoundHalfEven, OutOfRangeValuesAreClampedAndNaNGivesZero)
{
    EXPECT_EQ(RoundHalfEven(1e30), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundHalfEven(-1e30), std::numeric_limits<int>::min());
    EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::infinity()), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
}
