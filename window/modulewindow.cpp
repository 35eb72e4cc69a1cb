#include "window/modulewindow.h"

#include <QCloseEvent>

ModuleWindow::ModuleWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
}

void ModuleWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

QFont DesignFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    return font;
}

void SetMinimumOuterSize(QWidget* window, QSize outer)
{
    window->setMinimumSize((outer - DesignFrame).expandedTo(QSize(0, 0)));
}
