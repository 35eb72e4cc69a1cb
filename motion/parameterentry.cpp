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
    emit entered();
}
