// Two stacked arrow buttons: up and down clicks, repeated while held.
#pragma once

#include <QWidget>

class QToolButton;

class SpinButton : public QWidget
{
    Q_OBJECT

public:
    explicit SpinButton(QWidget* parent = nullptr);

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

signals:
    void upClick();
    void downClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
};
