// The preferences dialog on each of its pages, its page icons enlarged, and
// the caption controls in their places.
#include "snapshot.h"

#include "controls/tapibutton.h"
#include "controls/tapicheckbox.h"
#include "shell/preferences/preferencesdrawing.h"
#include "shell/preferences/preferenceswindow.h"

#include <QPainter>

KINEA_SNAPSHOT(preferences_pages)
{
    TPreferencesF dialog;
    for (int page = 0; page < 8; ++page) {
        PreferencesPage = page;
        dialog.show();
        snapshots::Save(&dialog, outDir, QStringLiteral("preferences_page%1").arg(page));
        dialog.close();
    }
    PreferencesPage = 0;
}

KINEA_SNAPSHOT(preferences_icons)
{
    constexpr int kZoom = 8;
    QImage strip(8 * (20 * kZoom + 8), 21 * kZoom, QImage::Format_RGB32);
    strip.fill(Qt::lightGray);
    QPainter painter(&strip);
    for (int page = 0; page < 8; ++page) {
        const QImage icon = PreferencesPageIcon(page);
        painter.drawImage(QRect(page * (20 * kZoom + 8), 0, 20 * kZoom, 21 * kZoom), icon);
    }
    painter.end();
    snapshots::Save(strip, outDir, "preferences_icons");
}

KINEA_SNAPSHOT(caption_controls)
{
    QWidget panel;
    panel.resize(420, 260);
    const TBtnHAlignment hs[] = {btnHLeft, btnHCenter, btnHRight};
    const TBtnVAlignment vs[] = {btnVTop, btnVCenter, btnVBottom};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            auto* button = new TAPIButton(QStringLiteral("Bouton"), &panel);
            button->SetCaption(QStringLiteral("&Légende sur deux lignes"));
            button->setGeometry(8 + column * 104, 8 + row * 50, 100, 44);
            button->SetCaptionHAlign(hs[column]);
            button->SetCaptionVAlign(vs[row]);
            button->SetFlat(row != 1);
        }
    }
    auto* wrapped = new TAPICheckBox(QStringLiteral("Check"), &panel);
    wrapped->SetCaption(QStringLiteral(" Utiliser une image floue dans le cas d'un conducteur alcoolisé"));
    wrapped->SetCaptionVAlign(btnVTop);
    wrapped->setChecked(true);
    wrapped->setGeometry(8, 164, 250, 32);
    auto* leftText = new TAPICheckBox(QStringLiteral(" Légende à gauche"), &panel);
    leftText->SetAlignment(1);
    leftText->SetMultiline(false);
    leftText->setGeometry(8, 204, 200, 20);
    auto* raised = new TAPICheckBox(QStringLiteral(" Case en relief"), &panel);
    raised->SetFlat(false);
    raised->setChecked(true);
    raised->setGeometry(8, 230, 200, 20);
    panel.show();
    snapshots::Save(&panel, outDir, "caption_controls");
}
