#include "controls/setcheckedsilently.h"

#include <QAbstractButton>
#include <QSignalBlocker>

void SetCheckedSilently(QAbstractButton* button, bool checked)
{
    const QSignalBlocker blocker(button);
    button->setChecked(checked);
}
