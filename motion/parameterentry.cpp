#include "motion/parameterentry.h"

#include <QKeyEvent>

namespace {

constexpr int kMaxCharacters = 7;

} // namespace

ParameterEntry::ParameterEntry(QWidget* parent)
    : QLineEdit(parent)
{
    setMaxLength(kMaxCharacters);
}

void ParameterEntry::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit entered();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ParameterEntry::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Only a move to another control leaves the entry: its context menu (to
    // paste a value) or a switch to another window must not read a half
    // typed number.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
        emit entered();
}
