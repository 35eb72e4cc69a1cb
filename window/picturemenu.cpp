#include "window/picturemenu.h"

#include "platform/savefile.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QToolButton>

void CopyPicture(const QImage& picture)
{
    if (!picture.isNull())
        QGuiApplication::clipboard()->setImage(picture);
}

QMenu* AddPictureMenu(QToolButton* copyButton, const PictureSource& source)
{
    auto* menu = new QMenu(copyButton);
    menu->setObjectName(copyButton->objectName() + QStringLiteral("Menu"));
    // The button's own click: the window's copy, whatever it prepares first.
    QAction* copy = menu->addAction(QStringLiteral("Copier l'image"), copyButton, &QToolButton::click);
    copy->setObjectName(QStringLiteral("CopierImageMenu"));
    QAction* save = menu->addAction(QStringLiteral("Enregistrer l'image..."), copyButton, [copyButton, source] {
        SavePictureAs(copyButton->window(), source.picture(), source.fileStem());
    });
    save->setObjectName(QStringLiteral("EnregistrerImageMenu"));
    copyButton->setMenu(menu);
    copyButton->setPopupMode(QToolButton::MenuButtonPopup);
    return menu;
}
