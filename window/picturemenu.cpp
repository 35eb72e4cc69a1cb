#include "window/picturemenu.h"

#include "platform/savefile.h"
#include "window/pictureprint.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QToolButton>
#include <cmath>

namespace {

constexpr double kInchesPerMetre = 1 / 0.0254;

} // namespace

void CopyPicture(const QImage& picture)
{
    if (!picture.isNull())
        QGuiApplication::clipboard()->setImage(picture);
}

QImage PictureForSaving(const QImage& picture, const QWidget* window, int factor)
{
    if (picture.isNull())
        return picture;
    const QScreen* screen = window ? window->screen() : QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96;
    QImage saved = factor > 1 ? picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              : picture;
    // A picture composed for a scaled screen has that many pixels per inch more.
    const int dotsPerMetre = int(std::lround(dpi * picture.devicePixelRatio() * factor * kInchesPerMetre));
    saved.setDotsPerMeterX(dotsPerMetre);
    saved.setDotsPerMeterY(dotsPerMetre);
    return saved;
}

void SavePictureAtSize(QWidget* window, const QImage& picture, const QString& fileStem, int factor)
{
    SavePictureAs(window, PictureForSaving(picture, window, factor),
                  factor > 1 ? fileStem + QStringLiteral("_double") : fileStem);
}

QMenu* AddPictureMenu(QToolButton* copyButton, const PictureSource& source)
{
    auto* menu = new QMenu(copyButton);
    menu->setObjectName(copyButton->objectName() + QStringLiteral("Menu"));
    // The button's own click: the window's copy, whatever it prepares first.
    QAction* copy = menu->addAction(QStringLiteral("Copier l'image"), copyButton, &QToolButton::click);
    copy->setObjectName(QStringLiteral("CopierImageMenu"));
    QAction* save = menu->addAction(QStringLiteral("Enregistrer l'image..."), copyButton, [copyButton, source] {
        SavePictureAtSize(copyButton->window(), source.picture(), source.fileStem(), 1);
    });
    save->setObjectName(QStringLiteral("EnregistrerImageMenu"));
    // For documents and slides, where the screen's size looks coarse.
    QAction* saveLarge
        = menu->addAction(QStringLiteral("Enregistrer l'image en taille double..."), copyButton, [copyButton, source] {
              SavePictureAtSize(copyButton->window(), source.picture(), source.fileStem(), 2);
          });
    saveLarge->setObjectName(QStringLiteral("EnregistrerImageDoubleMenu"));
    QAction* print = menu->addAction(QStringLiteral("Imprimer..."), copyButton, [copyButton, source] {
        if (source.print)
            source.print();
        else
            PrintPicture(copyButton->window(), source.picture(), copyButton->window()->windowTitle());
    });
    print->setObjectName(QStringLiteral("ImprimerMenu"));
    copyButton->setMenu(menu);
    copyButton->setPopupMode(QToolButton::MenuButtonPopup);
    return menu;
}
