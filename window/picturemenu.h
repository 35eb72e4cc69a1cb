// The menu of a window's copy button: a click on the button still copies
// the picture; its arrow offers "Copier l'image", "Enregistrer l'image..."
// (the very pixels the copy puts on the clipboard), the same at twice the
// size, and "Imprimer...".
#pragma once

#include <QImage>
#include <QString>
#include <functional>

class QMenu;
class QToolButton;
class QWidget;

// What a window copies and the name proposed for its file.
struct PictureSource
{
    std::function<QImage()> picture; // the picture the copy puts on the clipboard
    std::function<QString()> fileStem; // "freinage", "projectile_30ms_45deg"
    // The window's own printing; empty: the picture fitted to the page.
    std::function<void()> print = {};
};

// Puts `picture` on the clipboard; a null picture leaves it as it is.
void CopyPicture(const QImage& picture);

// The picture as saved: carrying the resolution of the screen that shows
// `window` (a picture composed at a device pixel ratio r has r times its
// dots per inch), and at `factor` times its size (smoothly scaled) with as
// many times the resolution, so that both print at the same size.
QImage PictureForSaving(const QImage& picture, const QWidget* window, int factor);

// "Enregistrer l'image..." (factor 1) and "... en taille double" (2): the
// picture as PictureForSaving makes it, proposed as `fileStem`.png or
// `fileStem`_double.png.
void SavePictureAtSize(QWidget* window, const QImage& picture, const QString& fileStem, int factor);

// Gives `copyButton` a menu holding the copy, the two saves and the print
// of the picture; a window may add entries of its own to the menu returned.
QMenu* AddPictureMenu(QToolButton* copyButton, const PictureSource& source);
