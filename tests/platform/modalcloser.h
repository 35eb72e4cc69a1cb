// Closes every modal dialog that opens while it lives, and remembers what
// they were: a test can press what opens a dialog without waiting on it.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

class ModalCloser
{
public:
    ModalCloser()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            const auto* box = qobject_cast<QMessageBox*>(dialog);
            seen << (box ? box->text() : dialog->objectName());
            dialog->reject();
        });
        m_timer.start();
    }

    QStringList seen;

private:
    QTimer m_timer;
};
