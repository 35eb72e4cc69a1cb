#include "controls/plaincontrols.h"

#include "controls/focuscue.h"
#include "platform/resources/namedresources.h"

#include <QAbstractButton>
#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QToolButton>

PaintBox::PaintBox(QWidget* parent)
    : QWidget(parent)
{
    // The owner paints every pixel from a composed picture.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PaintBox::PaintBox(QWidget* parent, const QString& name, const QRect& geometry, std::function<void(QPainter&)> paint)
    : PaintBox(parent)
{
    setObjectName(name);
    if (!geometry.isNull())
        setGeometry(geometry);
    onPaint = std::move(paint);
}

void PaintBox::paintEvent(QPaintEvent*)
{
    if (!onPaint)
        return;
    QPainter painter(this);
    onPaint(painter);
    if (ShowsFocusCue(this))
        DrawFocusCue(painter, rect().adjusted(2, 2, -3, -3));
}

PaintBox* MakePictureBox(QWidget* parent, const char* name, std::function<const QImage*()> picture, const QColor& empty)
{
    auto* box = new PaintBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFocusPolicy(Qt::TabFocus);
    box->onPaint = [box, picture = std::move(picture), empty](QPainter& painter) {
        const QImage* image = picture();
        if (image && !image->isNull())
            painter.drawImage(0, 0, *image);
        else if (empty.isValid())
            painter.fillRect(box->rect(), empty);
    };
    return box;
}

void PaintBox::mousePressEvent(QMouseEvent* event)
{
    emit MousePressed(event);
}

void PaintBox::mouseMoveEvent(QMouseEvent* event)
{
    emit MouseMoved(event);
}

void PaintBox::mouseReleaseEvent(QMouseEvent* event)
{
    emit MouseReleased(event);
}

PictureButton::PictureButton(QWidget* parent)
    : QToolButton(parent)
{
    // Reached with Tab, never taken by a click: a click on a picture
    // button leaves the focus (and a half typed entry) where it was.
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    // Enter presses it too, as it presses the other buttons of a dialog.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        animateClick();
        return;
    }
    QToolButton::keyPressEvent(event);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.state &= ~QStyle::State_HasFocus;
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
    if (ShowsFocusCue(this))
        DrawFocusCue(painter, rect().adjusted(3, 3, -4, -4));
}

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent),
      m_up(new PictureButton(this)),
      m_down(new PictureButton(this))
{
    m_up->setObjectName("UpButton");
    m_down->setObjectName("DownButton");
    m_up->setAccessibleName(QStringLiteral("Augmenter"));
    m_down->setAccessibleName(QStringLiteral("Diminuer"));
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down})
        b->setAutoRepeat(true);
    connect(m_up, &QToolButton::clicked, this, &SpinButton::UpClick);
    connect(m_down, &QToolButton::clicked, this, &SpinButton::DownClick);
    resize(17, 22);
}

// The arrows speak with their spin button's hint, as their bubble does.
bool SpinButton::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTipChange) {
        const QString hint = toolTip().trimmed();
        m_up->setAccessibleDescription(hint);
        m_down->setAccessibleDescription(hint);
    }
    return QWidget::event(event);
}

void SpinButton::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

QToolButton* MakeSpeedButton(QWidget* parent, const char* objectName, const char* pictureName, const QString& hint)
{
    auto* button = new PictureButton(parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setToolTip(hint);
    const QString name = QString::fromLatin1(pictureName);
    const QImage picture = LoadNamedPicture(name);
    if (!picture.isNull()) {
        button->setIcon(IconAtRatios([&name](qreal ratio) { return LoadNamedPicture(name, QSize(), ratio); }));
        button->setIconSize(picture.size());
    }
    return button;
}

QIcon IconAtRatios(const std::function<QImage(qreal ratio)>& draw)
{
    QIcon icon;
    for (qreal ratio : {1.0, 2.0}) {
        const QImage picture = draw(ratio);
        if (!picture.isNull())
            icon.addPixmap(QPixmap::fromImage(picture));
    }
    return icon;
}

void SetCheckedSilently(QAbstractButton* button, bool checked)
{
    const QSignalBlocker blocker(button);
    button->setChecked(checked);
}
