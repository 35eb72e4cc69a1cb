#include "weight/model/weightobjects.h"

const std::array<WeightObject, kObjectCount> WeightObjects = {{
    {"  --      pas d'objet sélectionné      --", "", 0.0},
    {" Escargot", "escargot", 0.04},
    {" Tomate", "tomate", 0.08},
    {" Couteau suisse", "couteau", 0.175},
    {" Agrafeuse ", "agraf", 0.25},
    {" Ecureuil", "ecureuil", 0.3},
    {" Trompette", "trompette", 1.0},
    {" Ordinateur portable", "portable", 3.0},
    {" Chat", "chat", 4.5},
    {" Tuba", "tuba", 9.5},
    {" Accordéon", "accordeon", 14.0},
    {" Télévision cathodique", "tv", 19.0},
    {" Hélicoptère léger", "hughes", 1350.0},
    {" Automobile", "auto_r", 1600.0},
    {" Elephant", "elephant", 3500.0},
    {" Hélicoptère moyen", "bell214st", 4300.0},
    {" Bulldozer", "bulldozer", 25000.0},
    {" Apatosaure", "apatosaure", 32000.0},
}};

namespace {

bool InTable(int index)
{
    return index >= 0 && index < kObjectCount;
}

// A space after every third digit of the integer part, counted leftwards
// from the comma; padding blanks in front are left alone.
QString GroupThousands(const QString& number)
{
    const qsizetype comma = number.indexOf(QLatin1Char(','));
    const qsizetype end = comma < 0 ? number.size() : comma;
    qsizetype first = 0;
    while (first < end && !number.at(first).isDigit())
        ++first;
    QString grouped = number.left(first);
    for (qsizetype i = first; i < end; ++i) {
        const qsizetype digitsLeft = end - i;
        if (i > first && digitsLeft % 3 == 0)
            grouped += QLatin1Char(' ');
        grouped += number.at(i);
    }
    return grouped + number.mid(end);
}

} // namespace

double ObjectMass(int index)
{
    return InTable(index) ? WeightObjects[std::size_t(index)].massKg : 0.0;
}

QString ObjectPictureName(int index)
{
    return InTable(index) ? QString::fromUtf8(WeightObjects[std::size_t(index)].picture) : QString();
}

QString MassText(double massKg)
{
    const bool kilograms = massKg >= 1.0;
    const QString number = kilograms ? QStringLiteral("%1").arg(massKg, 5, 'f', 3)
                                     : QStringLiteral("%1").arg(massKg * 1000.0, 3, 'f', 1);
    QString text = number;
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return QStringLiteral("( m = ") + GroupThousands(text)
           + (kilograms ? QStringLiteral(" kg )") : QStringLiteral(" g )"));
}

QString ObjectItemText(int index)
{
    if (!InTable(index))
        return {};
    const QString item = QString::fromUtf8(WeightObjects[std::size_t(index)].item);
    return index == 0 ? item : item + QStringLiteral("  ") + MassText(ObjectMass(index));
}
