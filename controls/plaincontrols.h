// Plain controls the windows share: a drawing area painted by its owner, two
// stacked arrow buttons, picture buttons, and a check box set without
// running its handler.
#pragma once

#include <QColor>
#include <QIcon>
#include <QString>
#include <QToolButton>
#include <QWidget>
#include <functional>

class QAbstractButton;
class QImage;
class QPainter;

// A plain drawing area whose owner paints it and hears its mouse; an owner
// that lets it take the focus gets the focus cue drawn over its picture.
class PaintBox : public QWidget
{
    Q_OBJECT

public:
    explicit PaintBox(QWidget* parent = nullptr);
    // A box named `name` in `parent`, at `geometry` (a null rectangle: placed
    // later), painted by `paint`.
    PaintBox(QWidget* parent, const QString& name, const QRect& geometry, std::function<void(QPainter&)> paint);

    // Called on every paint with a painter on the box.
    std::function<void(QPainter&)> onPaint;

signals:
    void MousePressed(QMouseEvent* event);
    void MouseMoved(QMouseEvent* event);
    void MouseReleased(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A paint box named `name`, reached with Tab, that shows the picture its
// owner composed (`picture` gives it, or null while there is none), at its
// top-left corner; without a picture it is filled with `empty` when that
// colour is valid.
PaintBox* MakePictureBox(QWidget* parent, const char* name, std::function<const QImage*()> picture,
                         const QColor& empty = QColor());

// A button showing a picture (or an arrow), reached with Tab and showing
// the focus cue; a click does not take the focus.
class PictureButton : public QToolButton
{
    Q_OBJECT

public:
    explicit PictureButton(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// Two stacked arrow buttons: up and down clicks, repeated while held.
class SpinButton : public QWidget
{
    Q_OBJECT

public:
    explicit SpinButton(QWidget* parent = nullptr);

    QToolButton* UpButton() const { return m_up; }
    QToolButton* DownButton() const { return m_down; }

signals:
    void UpClick();
    void DownClick();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
};

// The module windows' picture buttons: a picture button showing one of the
// program's button pictures.
QToolButton* MakeSpeedButton(QWidget* parent, const char* objectName, const char* pictureName, const QString& hint);

// An icon holding the picture `draw` makes for a device pixel ratio, drawn
// for ordinary and for doubled screens: a button or list shows the one that
// suits its screen, so that an icon is never enlarged on a scaled screen.
QIcon IconAtRatios(const std::function<QImage(qreal ratio)>& draw);

// Sets a check box or toggle button without running its click handler.
void SetCheckedSilently(QAbstractButton* button, bool checked);
