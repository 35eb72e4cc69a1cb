#include "shell/ttipf.h"

TTipF::TTipF(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("TipF");
    setWindowTitle(QStringLiteral(" Astuce du jour"));
    resize(400, 200);
}
