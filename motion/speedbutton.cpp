#include "motion/speedbutton.h"

#include "platform/resources/namedresources.h"

#include <QIcon>
#include <QPixmap>
#include <QToolButton>

QToolButton* MakeSpeedButton(QWidget* parent, const char* objectName, const char* pictureName,
                             const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(hint);
    const QImage picture = LoadNamedPicture(QString::fromLatin1(pictureName));
    if (!picture.isNull()) {
        button->setIcon(QIcon(QPixmap::fromImage(picture)));
        button->setIconSize(picture.size());
    }
    return button;
}
