// The tip of the day, and the about box in start-up and menu modes while it
// types, and a sheet of every event once presented (globe and text).
#include "snapshot.h"

#include "app/settings/appsettings.h"
#include "shell/about/aboutpictures.h"
#include "shell/about/aboutwindow.h"
#include "shell/tip/tipwindow.h"

#include <QPainter>

namespace {

void Ticks(TSplashF& box, int count)
{
    for (int i = 0; i < count && box.isVisible(); ++i)
        box.AnimTimerTimer();
}

void PresentEvent(TSplashF& box)
{
    for (int i = 0; i < 1000 && (box.Typing().Running() || box.Turn().Running()); ++i)
        box.AnimTimerTimer();
}

} // namespace

KINEA_SNAPSHOT(tip_of_the_day)
{
    TTipF tip;
    for (const bool flag : {true, false}) {
        AppSettings.TipFlag = flag;
        AppSettings.TipIndex = flag ? 0 : 2;
        tip.show();
        snapshots::Save(&tip, outDir, flag ? "tip_first" : "tip_third_unchecked");
        tip.close();
    }
}

KINEA_SNAPSHOT(about_box)
{
    TSplashF box;
    AppSettings.Event_Index = 0;
    box.SetStartupMode(true);
    box.show();
    Ticks(box, 90);
    snapshots::Save(&box, outDir, "about_startup_typing");
    box.close();

    AppSettings.Event_Index = 14;
    box.SetOpenedFromMenu(true);
    box.show();
    Ticks(box, 140);
    snapshots::Save(&box, outDir, "about_menu_typing");
    PresentEvent(box);
    Ticks(box, 200);
    snapshots::Save(&box, outDir, "about_menu_presented");
    box.close();
}

KINEA_SNAPSHOT(about_events)
{
    TSplashF box;
    const QRect crop(5, 5, 635, 227);
    constexpr int kColumns = 3;
    constexpr int kEvents = 27;
    QImage sheet(kColumns * crop.width(), (kEvents + kColumns - 1) / kColumns * crop.height(), QImage::Format_RGB32);
    sheet.fill(Qt::darkGray);
    QPainter painter(&sheet);
    AppSettings.Event_Index = 0;
    box.show();
    for (int i = 0; i < kEvents; ++i) {
        PresentEvent(box);
        box.AnimTimerTimer();
        painter.drawImage(QPoint((i % kColumns) * crop.width(), (i / kColumns) * crop.height()),
                          box.Composition().copy(crop));
        box.ZoneMouseDown(kNextRect.center());
    }
    painter.end();
    box.close();
    snapshots::Save(sheet, outDir, "about_events");
}
