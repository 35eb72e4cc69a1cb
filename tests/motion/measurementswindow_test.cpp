// The motion windows give out their measurements: Ctrl+Maj+C puts the table
// on the clipboard, a right click on the picture opens the copy menu that
// saves it as a .csv named after the motion.
#include "motiontesting.h"

#include "motion/freefallwindow.h"
#include "motion/model/measurements.h"
#include "motion/projectilewindow.h"
#include "platform/savefile.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

using testing_support::Child;

namespace {

using MotionMeasures = MotionTest;

TEST_F(MotionMeasures, CtrlShiftCCopiesTheTableEvenFromAnEditBox)
{
    Opened<TBalleF> w;
    auto* edit = Child<QLineEdit>(w.Get(), "AlphaEd");
    edit->setFocus();
    const QString before = edit->text();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->hasFormat(QStringLiteral("text/plain")));
    EXPECT_EQ(copied->text(), MeasurementsText(ProjectileMeasurements(30, 45)));
    EXPECT_EQ(edit->text(), before);
}

TEST_F(MotionMeasures, RightClickOnThePictureOffersToSaveTheTable)
{
    Opened<TChuteF> w;
    testing_support::TempDir dir;
    QString proposed;
    SetSavePathChooser([&](QWidget*, const SaveRequest& request) {
        proposed = QFileInfo(request.proposedPath).fileName();
        return dir.File(proposed);
    });
    QWidget* canvas = Child<QWidget>(w.Get(), "Canevas");
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(10, 10), canvas->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(canvas, &rightClick);
    QMenu* menu = Child<QToolButton>(w.Get(), "CopierBout")->menu();
    ASSERT_TRUE(menu && menu->isVisible());
    menu->findChild<QAction*>("EnregistrerMesuresMenu")->trigger();
    menu->hide();
    SetSavePathChooser({});
    EXPECT_EQ(proposed, QStringLiteral("chute_libre_120cm.csv"));
    EXPECT_EQ(testing_support::ReadFile(dir.File(proposed)), MeasurementsCsv(FreeFallMeasurements(1200000)));
}

} // namespace
