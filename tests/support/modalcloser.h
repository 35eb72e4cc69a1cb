// Closes every modal dialog and popup menu that opens while it lives, and
// remembers what they were: a test can press what opens a dialog without
// waiting on it. A dialog opened with exec(), and a popup menu, run their own
// event loop, in which this timer still runs.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

class ModalCloser
{
public:
    explicit ModalCloser(int everyMs = 10)
    {
        m_timer.setInterval(everyMs);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { CloseOne(); });
        m_timer.start();
    }

    // A message box's text, or a dialog's or menu's object name, for each
    // one closed.
    QStringList seen;
    int Answered() const { return int(seen.size()); }

private:
    void CloseOne()
    {
        QWidget* modal = QApplication::activePopupWidget();
        if (!modal)
            modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        const auto* box = qobject_cast<QMessageBox*>(modal);
        seen << (box ? box->text() : modal->objectName());
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }

    QTimer m_timer;
};
