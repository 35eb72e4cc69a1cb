#include "platform/calculatorname.h"

QString CalculatorName(const QString& productType)
{
    return productType == QLatin1String("windows") ? QStringLiteral("la calculatrice de Windows")
                                                   : QStringLiteral("la calculatrice du bureau");
}

QString WithCalculatorName(QString text, const QString& productType)
{
    const QString name = CalculatorName(productType);
    QString title = name.mid(name.indexOf(QLatin1Char(' ')) + 1);
    title[0] = title[0].toUpper();
    return text.replace(QLatin1String("{calculatrice}"), name).replace(QLatin1String("{Calculatrice}"), title);
}
