// The menu of a window's copy button: a click on the button still copies
// the picture; its arrow offers "Copier l'image" and "Enregistrer
// l'image...", which saves the very pixels the copy puts on the clipboard.
#pragma once

#include <QImage>
#include <QString>
#include <functional>

class QMenu;
class QToolButton;

// What a window copies and the name proposed for its file.
struct PictureSource
{
    std::function<QImage()> picture; // the picture the copy puts on the clipboard
    std::function<QString()> fileStem; // "freinage", "projectile_30ms_45deg"
};

// Puts `picture` on the clipboard; a null picture leaves it as it is.
void CopyPicture(const QImage& picture);

// Gives `copyButton` a menu holding the copy and the save of the picture;
// a window may add entries of its own to the menu returned.
QMenu* AddPictureMenu(QToolButton* copyButton, const PictureSource& source);
