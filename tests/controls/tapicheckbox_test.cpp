// The caption check box: box side, caption place and wrapping as drawn, and
// clicks on the caption.
#include "controls/tapicheckbox.h"
#include "testhelpers.h"

#include <QTest>
#include <gtest/gtest.h>

using testing_support::InkBounds;
using testing_support::Paint;

namespace {

const QString kLong = QStringLiteral(" Utiliser une image floue dans le cas d'un conducteur alcoolisé");

// The caption's ink: the box is left out.
QRect CaptionInk(TAPICheckBox& box)
{
    return InkBounds(Paint(&box), box.TextArea());
}

TEST(TAPICheckBoxCreation, CaptionIsTheName)
{
    TAPICheckBox box("TipCheck");
    EXPECT_EQ(box.objectName(), "TipCheck");
    EXPECT_EQ(box.Caption(), "TipCheck");
    EXPECT_TRUE(box.Flat());
    EXPECT_TRUE(box.Multiline());
    EXPECT_EQ(box.CaptionHAlign(), btnHLeft);
    EXPECT_EQ(box.CaptionVAlign(), btnVCenter);
}

TEST(TAPICheckBoxSide, BoxIsLeftOfTheCaptionUnlessAlignmentIsOne)
{
    TAPICheckBox box(" Masse");
    box.resize(150, 20);
    EXPECT_EQ(box.BoxRect().left(), 0);
    EXPECT_GT(CaptionInk(box).left(), box.BoxRect().right());

    box.SetAlignment(1);
    EXPECT_EQ(box.BoxRect().right(), 149);
    const QRect ink = CaptionInk(box);
    ASSERT_FALSE(ink.isNull());
    EXPECT_LT(ink.right(), box.BoxRect().left());
}

TEST(TAPICheckBoxPlace, CaptionSitsLeftRightOrCentredBesideTheBox)
{
    TAPICheckBox box("Ok");
    box.resize(200, 20);
    const QRect area = box.TextArea();
    box.SetCaptionHAlign(btnHRight);
    EXPECT_GT(CaptionInk(box).right(), area.right() - 4);
    box.SetCaptionHAlign(btnHCenter);
    EXPECT_NEAR(CaptionInk(box).center().x(), area.center().x(), 3);
    box.SetCaptionHAlign(btnHLeft);
    EXPECT_LT(CaptionInk(box).left(), area.left() + 4);
}

TEST(TAPICheckBoxWrapping, WideCaptionWrapsWhenMultiLine)
{
    TAPICheckBox box(kLong);
    box.resize(200, 30);
    const int lineHeight = box.fontMetrics().height();
    EXPECT_GT(CaptionInk(box).height(), lineHeight + lineHeight / 2);
    box.SetMultiline(false);
    EXPECT_LE(CaptionInk(box).height(), lineHeight);
}

TEST(TAPICheckBoxWrapping, TopPlacedTwoLineCaptionStartsLevelWithTheBox)
{
    TAPICheckBox box(kLong);
    box.resize(200, 40);
    box.SetCaptionVAlign(btnVTop);
    const QRect ink = CaptionInk(box);
    const QRect square = box.BoxRect();
    EXPECT_LE(std::abs(ink.top() - square.top()), 3);
    // A bottom-placed caption takes the box down to its last line.
    box.SetCaptionVAlign(btnVBottom);
    EXPECT_GE(box.BoxRect().bottom(), 40 - 5);
    EXPECT_GT(CaptionInk(box).bottom(), 40 - 5);
}

TEST(TAPICheckBoxLook, CheckingShowsATick)
{
    TAPICheckBox box("Ok");
    box.resize(100, 20);
    const QRect square = box.BoxRect().adjusted(2, 2, -2, -2);
    EXPECT_TRUE(InkBounds(Paint(&box), square).isNull());
    box.setChecked(true);
    EXPECT_FALSE(InkBounds(Paint(&box), square).isNull());
}

TEST(TAPICheckBoxClick, ClickOnTheCaptionToggles)
{
    TAPICheckBox box(" Afficher l'astuce du jour au démarrage");
    box.resize(300, 20);
    box.show();
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(200, 10));
    EXPECT_TRUE(box.isChecked());
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_FALSE(box.isChecked());
}

} // namespace
