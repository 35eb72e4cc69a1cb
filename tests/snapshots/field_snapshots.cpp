// The visual-field window: at rest, at 60 and 120 km/h, and the drunk
// driver with and without the blur; the road picture as the program loads it.
#include "snapshot.h"

#include "app/settings/appsettings.h"
#include "controls/plaincontrols.h"
#include "platform/resources/namedresources.h"
#include "road/field/fieldwindow.h"

#include <QRadioButton>
#include <QToolButton>
#include <QtTest/QTest>

namespace {

void SpinUp(TChampF& window, int times)
{
    auto* spin = window.findChild<SpinButton*>("SpeedSpin");
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(spin->UpButton(), Qt::LeftButton);
}

} // namespace

KINEA_SNAPSHOT(field)
{
    TChampF window;
    window.resize(742, 523);
    window.show();
    snapshots::Save(&window, outDir, "field_rest");
    SpinUp(window, 12);
    snapshots::Save(&window, outDir, "field_60");
    SpinUp(window, 12);
    snapshots::Save(&window, outDir, "field_120");
    QTest::mouseClick(window.findChild<QRadioButton*>("AlcoolRadio"), Qt::LeftButton);
    snapshots::Save(&window, outDir, "field_drunk_blurred");
    AppSettings.FlouFlag = false;
    QTest::mouseClick(window.findChild<QToolButton*>("OptionsBout"), Qt::LeftButton);
    snapshots::Save(&window, outDir, "field_drunk_sharp");
    window.close();
}

// A window taller than the picture: the sky above the street, and the drunk
// field running off the right edge, blurred up to the last column.
KINEA_SNAPSHOT(field_tall)
{
    TChampF window;
    window.resize(742, 973);
    window.show();
    QTest::mouseClick(window.findChild<QRadioButton*>("AlcoolRadio"), Qt::LeftButton);
    snapshots::Save(&window, outDir, "field_tall_drunk");
    window.close();
}

KINEA_SNAPSHOT(field_road_picture)
{
    snapshots::Save(LoadNamedPicture("Route", QSize(400, 800)), outDir, "field_road_picture");
}
