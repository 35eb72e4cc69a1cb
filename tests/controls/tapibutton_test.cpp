// The caption button: creation, caption placement as drawn, wrapping and
// the look changing at once when a property changes.
#include "controls/tapibutton.h"
#include "testhelpers.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using testing_support::InkBounds;
using testing_support::Paint;

namespace {

constexpr int kW = 120;
constexpr int kH = 60;

// Leaves out the frame, which a flat button draws in a dark colour.
QRect CaptionInk(TAPIButton& button)
{
    return InkBounds(Paint(&button), button.rect().adjusted(3, 3, -3, -3));
}

// Ink from `first` to `last` across `length` pixels, at a place numbered as
// both alignments number theirs: near the start (left, top), near the end
// (right, bottom) or about the middle.
void ExpectPlaced(int place, int first, int last, int length)
{
    if (place == btnHLeft)
        EXPECT_LT(first, 12);
    else if (place == btnHRight)
        EXPECT_GT(last, length - 12);
    else
        EXPECT_NEAR((first + last) / 2, length / 2, 3);
}

TEST(TAPIButtonCreation, CaptionIsTheNameAndSizeIs100By30)
{
    TAPIButton button("AideBout");
    EXPECT_EQ(button.objectName(), "AideBout");
    EXPECT_EQ(button.Caption(), "AideBout");
    EXPECT_EQ(button.size(), QSize(100, 30));
    EXPECT_TRUE(button.Flat());
    EXPECT_TRUE(button.Multiline());
}

TEST(TAPIButtonPlacement, UnchangedButtonShowsItsCaptionAtTheBottomRight)
{
    TAPIButton button("Ok");
    button.resize(kW, kH);
    const QRect ink = CaptionInk(button);
    ASSERT_FALSE(ink.isNull());
    EXPECT_GT(ink.right(), kW - 12);
    EXPECT_GT(ink.bottom(), kH - 12);
}

// One button, every place in turn: the look follows each change at once.
TEST(TAPIButtonPlacement, CaptionMovesToEachOfTheNinePlaces)
{
    TAPIButton button("Ok");
    button.resize(kW, kH);
    for (TBtnHAlignment h : {btnHLeft, btnHRight, btnHCenter}) {
        for (TBtnVAlignment v : {btnVTop, btnVBottom, btnVCenter}) {
            button.SetCaptionHAlign(h);
            button.SetCaptionVAlign(v);
            const QRect ink = CaptionInk(button);
            SCOPED_TRACE(testing::Message() << "h " << int(h) << " v " << int(v));
            ASSERT_FALSE(ink.isNull());
            ExpectPlaced(h, ink.left(), ink.right(), kW);
            ExpectPlaced(v, ink.top(), ink.bottom(), kH);
        }
    }
}

TEST(TAPIButtonWrapping, MultiLineCaptionWrapsAndSingleLineDoesNot)
{
    TAPIButton button("Aide en ligne du logiciel");
    button.resize(70, 50);
    button.SetCaptionVAlign(btnVCenter);
    const int lineHeight = button.fontMetrics().height();
    EXPECT_GT(CaptionInk(button).height(), lineHeight + lineHeight / 2);
    button.SetMultiline(false);
    EXPECT_LE(CaptionInk(button).height(), lineHeight);
}

TEST(TAPIButtonLook, FlatAndRaisedFacesDiffer)
{
    TAPIButton button("Ok");
    const QImage flat = Paint(&button);
    button.SetFlat(false);
    const QImage raised = Paint(&button);
    EXPECT_NE(flat, raised);
    button.SetFlat(true);
    EXPECT_EQ(Paint(&button), flat);
}

TEST(TAPIButtonLook, CaptionChangeShowsAtOnce)
{
    TAPIButton button("Ok");
    const QImage before = Paint(&button);
    button.SetCaption("Annuler");
    EXPECT_EQ(button.text(), "Annuler");
    EXPECT_NE(Paint(&button), before);
}

TEST(TAPIButtonClick, ClickAnywhereOnTheFaceClicks)
{
    TAPIButton button("Ok");
    button.show();
    QSignalSpy clicked(&button, &QPushButton::clicked);
    for (QPoint p : {QPoint(2, 2), QPoint(50, 15), QPoint(97, 27)})
        QTest::mouseClick(&button, Qt::LeftButton, {}, p);
    EXPECT_EQ(clicked.count(), 3);
}

} // namespace
