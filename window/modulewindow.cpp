#include "window/modulewindow.h"

#include "window/accessiblenames.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHideEvent>
#include <QResizeEvent>
#include <QShowEvent>
#include <QTimer>

ModuleWindow::ModuleWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{ }

ModuleWindow::ModuleWindow(const char* name, const QString& caption, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setFont(DesignFont());
}

// Named at every show, so that a hint changed since speaks too.
void ModuleWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    NameControls(this);
    m_pictureRatio = devicePixelRatioF();
}

bool ModuleWindow::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::ScreenChangeInternal && isVisible() && devicePixelRatioF() != m_pictureRatio) {
        m_pictureRatio = devicePixelRatioF();
        QResizeEvent again(size(), size());
        QCoreApplication::sendEvent(this, &again);
    }
    return handled;
}

void ModuleWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit Closed();
}

OpeningDialog::OpeningDialog(const char* name, const QString& caption, QSize size, QWidget* parent,
                             Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setFont(DesignFont());
    setFixedSize(size);
}

void OpeningDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    NameControls(this);
    if (event->spontaneous() || m_open)
        return;
    m_open = true;
    FormShow();
}

void OpeningDialog::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (event->spontaneous() || !m_open)
        return;
    m_open = false;
    FormClose();
}

QTimer* NewAnimationTimer(QObject* owner, const char* name, int intervalMs)
{
    auto* timer = new QTimer(owner);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(intervalMs);
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
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
