// Sets a check box or toggle button without running its click handler.
#pragma once

class QAbstractButton;

void SetCheckedSilently(QAbstractButton* button, bool checked);
