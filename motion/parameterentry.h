// The edit box of a parameter: it says when its text should be read, that
// is when Enter is pressed in it (the key goes no further) or when the focus
// moves to another control.
#pragma once

#include <QLineEdit>

class ParameterEntry : public QLineEdit
{
    Q_OBJECT

public:
    explicit ParameterEntry(QWidget* parent = nullptr);

signals:
    void entered();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
