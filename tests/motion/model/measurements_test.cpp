// The tables of measurements: the marked frames of each motion in metres or
// centimetres, and the text a spreadsheet reads whatever the locale.
#include "motion/model/measurements.h"

#include <QLocale>
#include <QStringList>
#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <string>

namespace {

// The values of a table as a spreadsheet would read them back from the
// clipboard text: names and units first, then numbers with a comma.
std::vector<std::vector<double>> ReadBack(const QString& text)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.takeLast(), QString()); // the last row ends with CR LF too
    std::vector<std::vector<double>> rows;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        std::vector<double> row;
        for (QString cell : lines[i].split(u'\t')) {
            bool ok = false;
            row.push_back(cell.replace(u',', u'.').toDouble(&ok));
            EXPECT_TRUE(ok) << cell.toStdString();
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(ProjectileMeasurements, OneRowEveryQuarterSecondFromLaunchToNearLanding)
{
    const auto rows = ReadBack(MeasurementsText(ProjectileMeasurements(30, 45)));
    ASSERT_EQ(rows.size(), 18u);
    EXPECT_EQ(rows.front(), (std::vector<double>{0, 0, 0}));
    for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_NEAR(rows[i][0] - rows[i - 1][0], 0.25, 1e-9) << "row " << i;
    // The top of the flight is at 2.16 s and 22.94 m: the highest row is
    // the mark nearest to it.
    std::size_t top = 0;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i][2] > rows[top][2])
            top = i;
    EXPECT_DOUBLE_EQ(rows[top][0], 2.25);
    EXPECT_NEAR(rows[top][2], 22.94, 0.05);
    // The last mark before landing (at 4.33 s, 91.74 m): 4.25 s, where
    // x = 30 cos 45° x 4.25 = 90.156 m.
    EXPECT_DOUBLE_EQ(rows.back()[0], 4.25);
    EXPECT_NEAR(rows.back()[1], 90.156, 0.0005);
}

TEST(FreeFallMeasurements, LeastSquaresFitGivesBackG)
{
    // y = k t² fitted by least squares: k = Σ y t² / Σ t⁴, and g = 2k.
    const auto rows = ReadBack(MeasurementsText(FreeFallMeasurements(1200000)));
    ASSERT_EQ(rows.size(), 10u);
    double yt2 = 0;
    double t4 = 0;
    for (const auto& row : rows) {
        yt2 += row[1] * row[0] * row[0];
        t4 += std::pow(row[0], 4);
    }
    EXPECT_NEAR(2 * yt2 / t4 / 100, 9.81, 0.001);
}

TEST(WheelMeasurements, RimPointTouchesTheGroundWhereTheCycloidSays)
{
    const auto rows = ReadBack(MeasurementsText(WheelMeasurements()));
    ASSERT_EQ(rows.size(), 50u);
    EXPECT_DOUBLE_EQ(rows[0][2], 2 * WheelRadiusMetres);
    // A's lowest marks come in pairs around x = πR and 3πR, on the ground.
    const double r = WheelRadiusMetres;
    for (std::size_t before : {10u, 31u}) {
        const double cusp = (before == 10u ? 1 : 3) * std::numbers::pi * r;
        EXPECT_LT(rows[before][1], cusp);
        EXPECT_GT(rows[before + 1][1], cusp);
        EXPECT_LT(rows[before][2], 0.005);
        EXPECT_LT(rows[before + 1][2], 0.005);
    }
    for (const auto& row : rows) {
        EXPECT_GE(row[2], 0) << "t = " << row[0];
        EXPECT_DOUBLE_EQ(row[6], r); // the hub rolls level
    }
}

TEST(DiscMeasurements, AnglesGrowByEqualStepsOverOneTurn)
{
    const auto rows = ReadBack(MeasurementsText(DiscMeasurements()));
    ASSERT_EQ(rows.size(), 21u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_DOUBLE_EQ(rows[i][3], 18.0 * double(i)) << "row " << i;
        EXPECT_DOUBLE_EQ(rows[i][6], 90 + 18.0 * double(i)) << "row " << i;
        EXPECT_NEAR(std::hypot(rows[i][1], rows[i][2]), 0.95 * DiscRadiusMetres, 1e-4);
    }
}

TEST(MeasurementsText, NamesUnitsTabsAndCommaWhateverTheLocale)
{
    const QLocale previous;
    const std::string previousC = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"de_DE", "en_US", "fr_FR"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        std::setlocale(LC_ALL, (std::string(name) + ".UTF-8").c_str());
        const QString text = MeasurementsText(FreeFallMeasurements(1200000));
        EXPECT_TRUE(text.startsWith(QStringLiteral("t\ty\r\ns\tcm\r\n0,000\t0,0000\r\n0,050\t1,2263\r\n"))) << name;
        EXPECT_FALSE(text.contains(u'.')) << name;
    }
    QLocale::setDefault(previous);
    std::setlocale(LC_ALL, previousC.c_str());
    EXPECT_EQ(DecimalComma(-0.00001, 2), QStringLiteral("0,00"));
    EXPECT_EQ(DecimalComma(-1.5, 1), QStringLiteral("-1,5"));
}

TEST(MeasurementsCsv, SemicolonsAndUtf8WithByteOrderMark)
{
    const QByteArray csv = MeasurementsCsv(DiscMeasurements());
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBFt;xA;yA;\xCE\xB8"
                               "A;xB;yB;\xCE\xB8"
                               "B\r\ns;m;m;\xC2\xB0;m;m;\xC2\xB0\r\n"));
    EXPECT_TRUE(csv.contains("\r\n0,000;0,1425;0,0000;0,0;0,0000;0,0750;90,0\r\n"));
    EXPECT_EQ(ProjectileFileStem(30, 45), QStringLiteral("projectile_30ms_45deg"));
    EXPECT_EQ(FreeFallFileStem(1250000), QStringLiteral("chute_libre_125cm"));
}

} // namespace
