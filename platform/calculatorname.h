// The desktop calculator as the program's texts name it: Windows has one
// calculator that every pupil knows by name; other desktops have their own,
// so the texts speak of the desktop's calculator there.
#pragma once

#include <QString>
#include <QSysInfo>

// "la calculatrice de Windows" when `productType` (as QSysInfo gives it)
// is "windows", "la calculatrice du bureau" elsewhere.
QString CalculatorName(const QString& productType = QSysInfo::productType());

// `text` with "{calculatrice}" replaced by CalculatorName() and
// "{Calculatrice}" by the name with no article and a capital, as a menu
// entry says it ("Calculatrice du bureau").
QString WithCalculatorName(QString text, const QString& productType = QSysInfo::productType());
