// The motion windows give out their measurements: Ctrl+Maj+C, the copy
// button's menu and a right click on the picture put the table on the
// clipboard; the menu saves it as a .csv named after the motion.
#include "motiontesting.h"

#include "motion/model/measurements.h"
#include "motion/tballef.h"
#include "motion/tchutef.h"
#include "motion/tdisquef.h"
#include "motion/trouef.h"
#include "platform/savefile.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

using testing_support::child;

namespace {

using MotionMeasures = MotionTest;

TEST_F(MotionMeasures, CtrlShiftCCopiesTheTableEvenFromAnEditBox)
{
    Opened<TBalleF> w;
    auto* edit = child<QLineEdit>(w.get(), "AlphaEd");
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

TEST_F(MotionMeasures, EachWindowsMenuCopiesAndSavesItsOwnTable)
{
    struct Case
    {
        std::unique_ptr<MotionWindow> window;
        MeasurementTable table;
        const char* fileName;
    };
    Case cases[] = {
        {std::make_unique<TBalleF>(), ProjectileMeasurements(30, 45), "projectile_30ms_45deg.csv"},
        {std::make_unique<TChuteF>(), FreeFallMeasurements(AppSettings.HauteurUm), "chute_libre_120cm.csv"},
        {std::make_unique<TRoueF>(), WheelMeasurements(), "roue.csv"},
        {std::make_unique<TDisqueF>(), DiscMeasurements(), "disque.csv"},
    };
    testing_support::TempDir dir;
    QString proposed;
    SetSavePathChooser([&](QWidget*, const SaveRequest& request) {
        proposed = QFileInfo(request.proposedPath).fileName();
        return dir.file(proposed);
    });
    for (Case& c : cases) {
        MotionWindow* w = c.window.get();
        const std::string name = w->objectName().toStdString();
        w->show();
        auto* menu = child<QToolButton>(w, "CopierBout")->menu();
        ASSERT_NE(menu, nullptr) << name;
        // A right click on the picture opens the same menu.
        QWidget* canvas = child<QWidget>(w, "Canevas");
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(10, 10), canvas->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(canvas, &rightClick);
        EXPECT_TRUE(menu->isVisible()) << name;
        menu->hide();

        QGuiApplication::clipboard()->clear();
        menu->findChild<QAction*>("CopierMesuresMenu")->trigger();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), MeasurementsText(c.table)) << name;
        menu->findChild<QAction*>("EnregistrerMesuresMenu")->trigger();
        EXPECT_EQ(proposed, QString::fromLatin1(c.fileName)) << name;
        EXPECT_EQ(testing_support::readFile(dir.file(proposed)), MeasurementsCsv(c.table)) << name;
        w->close();
    }
    SetSavePathChooser({});
}

} // namespace
