#include "controls/modulewindow.h"

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
