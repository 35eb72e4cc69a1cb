// The worksheet's true scale: the round scale that fills the room, the
// words that state it, and where marks land on the paper.
#include "motion/model/measurements.h"
#include "motion/model/worksheetscale.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct ScaleRow
{
    const char* name;
    WorldBox box;
    double roomWidthCm;
    double roomHeightCm;
    double metresPerCm;
};

class WorksheetScaleChoice : public testing::TestWithParam<ScaleRow>
{ };

TEST_P(WorksheetScaleChoice, TakesTheSmallestRoundScaleThatFits)
{
    const ScaleRow& row = GetParam();
    EXPECT_DOUBLE_EQ(WorksheetMetresPerCm(row.box, row.roomWidthCm, row.roomHeightCm), row.metresPerCm);
}

INSTANTIATE_TEST_SUITE_P(
    Films, WorksheetScaleChoice,
    testing::Values(
        // 30 m/s at 45°: 91.7 m of range do not fit 18 cm at 5 m per cm.
        ScaleRow{"ProjectileAt30ms", {0, 91.7, 0, 22.9}, 18, 20, 10},
        // 10 m/s at 45°: 10.2 m need more than 18 cm at 50 cm per cm.
        ScaleRow{"ProjectileAt10ms", {0, 10.2, 0, 2.55}, 18, 20, 1}, ScaleRow{"ExactFit", {0, 18, 0, 1}, 18, 20, 1},
        // The height rules a tall figure: 1.2 m in 22 cm is 10 cm per cm.
        ScaleRow{"FreeFall120cm", {0, 0, -1.2, 0}, 8, 22, 0.1}, ScaleRow{"FreeFall50cm", {0, 0, -0.5, 0}, 8, 25, 0.02},
        // Small enough for 1 : 1.
        ScaleRow{"FreeFallOneToOne", {0, 0, -0.2, 0}, 8, 25, 0.01},
        ScaleRow{"Disc", {-0.15, 0.15, -0.15, 0.15}, 18, 20, 0.02}, ScaleRow{"Wheel", {0, 5.3, 0, 0.7}, 18, 10, 0.5},
        ScaleRow{"NothingToDraw", {}, 18, 20, 0.01},
        // Beyond 10 m per cm the page simply holds what it can.
        ScaleRow{"TooLarge", {0, 500, 0, 1}, 18, 20, 10}),
    [](const testing::TestParamInfo<ScaleRow>& info) { return std::string(info.param.name); });

TEST(WorksheetScaleText, StatesTheScaleInTheUnitAPupilReads)
{
    EXPECT_EQ(WorksheetScaleText(10), QStringLiteral("1 cm sur la feuille représente 10 m"));
    EXPECT_EQ(WorksheetScaleText(1), QStringLiteral("1 cm sur la feuille représente 1 m"));
    EXPECT_EQ(WorksheetScaleText(0.5), QStringLiteral("1 cm sur la feuille représente 50 cm"));
    EXPECT_EQ(WorksheetScaleText(0.02), QStringLiteral("1 cm sur la feuille représente 2 cm"));
    EXPECT_EQ(WorksheetScaleText(0.01), QStringLiteral("1 cm sur la feuille représente 1 cm (échelle 1 : 1)"));
}

TEST(WorksheetGeometry, FigureFillsTheWidthCentredAtTheTopOfItsRoom)
{
    const WorksheetGeometry g = PlaceWorksheetFigure({0, 91.7, 0, 22.9}, QRectF(16, 40, 150, 200));
    EXPECT_DOUBLE_EQ(g.metresPerCm, 10);
    EXPECT_NEAR(g.SizeMm().width(), 91.7, 1e-9);
    EXPECT_NEAR(g.topLeftMm.x(), 16 + (150 - 91.7) / 2, 1e-9);
    EXPECT_DOUBLE_EQ(g.topLeftMm.y(), 40);
    // The launch point lies at the bottom-left, y upward.
    EXPECT_NEAR(g.ToPaperMm(0, 0).y(), 40 + 22.9, 1e-9);
}

// Two successive marks of the default throw are as far apart on paper as
// their distance in metres at the stated scale.
TEST(WorksheetGeometry, SuccessiveProjectileMarksLieAtTheStatedScale)
{
    const MeasurementTable table = ProjectileMeasurements(30, 45);
    WorldBox box;
    for (const auto& row : table.rows) {
        box.right = std::max(box.right, row[1]);
        box.top = std::max(box.top, row[2]);
    }
    const WorksheetGeometry g = PlaceWorksheetFigure(box, QRectF(0, 0, 150, 200));
    ASSERT_DOUBLE_EQ(g.metresPerCm, 10);
    const auto& a = table.rows[2];
    const auto& b = table.rows[3];
    const QPointF onPaper = g.ToPaperMm(b[1], b[2]) - g.ToPaperMm(a[1], a[2]);
    const double metres = std::hypot(b[1] - a[1], b[2] - a[2]);
    // 1 cm for 10 m: a millimetre for each metre.
    EXPECT_NEAR(std::hypot(onPaper.x(), onPaper.y()), metres, 1e-9);
    // From 0.5 s to 0.75 s: 5.3 m across and 3.8 m up, 6.5 mm on paper.
    EXPECT_NEAR(std::hypot(onPaper.x(), onPaper.y()), 6.5, 0.1);
}

} // namespace
