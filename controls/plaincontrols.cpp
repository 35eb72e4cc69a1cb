#include "controls/plaincontrols.h"

#include "platform/resources/namedresources.h"

#include <QAbstractButton>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QToolButton>

PaintBox::PaintBox(QWidget* parent)
    : QWidget(parent)
{
    // The owner paints every pixel from a composed picture.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintBox::paintEvent(QPaintEvent*)
{
    if (!onPaint)
        return;
    QPainter painter(this);
    onPaint(painter);
}

void PaintBox::mousePressEvent(QMouseEvent* event)
{
    emit mousePressed(event);
}

void PaintBox::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event);
}

void PaintBox::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseReleased(event);
}

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent)
    , m_up(new QToolButton(this))
    , m_down(new QToolButton(this))
{
    m_up->setObjectName("UpButton");
    m_down->setObjectName("DownButton");
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_up, &QToolButton::clicked, this, &SpinButton::upClick);
    connect(m_down, &QToolButton::clicked, this, &SpinButton::downClick);
    resize(17, 22);
}

void SpinButton::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

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

void SetCheckedSilently(QAbstractButton* button, bool checked)
{
    const QSignalBlocker blocker(button);
    button->setChecked(checked);
}
