// The weight window: an elephant weighed at Paris, on the Moon and on
// Jupiter, while the scales rise and once they have settled.
#include "snapshot.h"

#include "weight/weighing/weighingwindow.h"

#include <QComboBox>
#include <QPainter>

namespace {

void SettleGlobes(TPoidsF& window)
{
    for (int i = 0; i < 100 && (window.GlobeMoving(1) || window.GlobeMoving(2) || window.GlobeMoving(3)); ++i)
        window.AnimTimerTimer();
}

void ScaleTicks(TPoidsF& window, int count)
{
    for (int i = 0; i < count; ++i)
        window.TimerEvent();
}

} // namespace

KINEA_SNAPSHOT(weighing_elephant)
{
    TPoidsF window;
    window.show();
    window.findChild<QComboBox*>("Lieu2Combo")->setCurrentIndex(14);
    window.findChild<QComboBox*>("Lieu3Combo")->setCurrentIndex(8);
    SettleGlobes(window);
    ScaleTicks(window, 30);
    window.findChild<QComboBox*>("ObjetCombo")->setCurrentIndex(14);
    ScaleTicks(window, 10);
    snapshots::Save(&window, outDir, "weighing_elephant_rising");
    ScaleTicks(window, 11);
    snapshots::Save(&window, outDir, "weighing_elephant_settled");
    window.resize(1000, 760);
    snapshots::Save(&window, outDir, "weighing_elephant_large");
    window.close();
}

KINEA_SNAPSHOT(weighing_objects)
{
    // Every object on the scale at full column height, on the Sun from the
    // car on (DEPASSE), at Paris before.
    TPoidsF window;
    window.resize(1000, 760);
    window.show();
    window.findChild<QComboBox*>("Lieu2Combo")->setCurrentIndex(13);
    constexpr int kColumns = 6;
    QImage sheet(kColumns * 200, 3 * 262, QImage::Format_RGB32);
    sheet.fill(Qt::darkGray);
    QPainter painter(&sheet);
    for (int object = 1; object < 18; ++object) {
        window.findChild<QComboBox*>("ObjetCombo")->setCurrentIndex(object);
        ScaleTicks(window, 21);
        const int column = object < 13 ? 1 : 2;
        const int cell = object - 1;
        painter.drawImage(QPoint((cell % kColumns) * 200 + 5, (cell / kColumns) * 262 + 5), window.ZoneImage(column));
    }
    painter.end();
    window.close();
    snapshots::Save(sheet, outDir, "weighing_objects");
}
