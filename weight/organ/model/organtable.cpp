#include "weight/organ/model/organtable.h"

#include "canvas/textformat.h"

#include <array>
#include <functional>

namespace {

struct Column
{
    bool TableColumns::*shown;
    const char* title; // UTF-8
    std::function<QString(const TubeRecord&)> value;
};

// Lengths and speeds with one decimal in at least four characters.
QString Decimal(double value)
{
    return FormatFixed(value, 4, 1);
}

const std::array<Column, 8>& Columns()
{
    static const std::array<Column, 8> table{{
        {&TableColumns::Vms, "v (m/s)", [](const TubeRecord& t) { return Decimal(t.SpeedMs); }},
        {&TableColumns::Vkmh, "v (km/h)", [](const TubeRecord& t) { return Decimal(t.SpeedKmh); }},
        {&TableColumns::Vcarre, "v² (m²/s²)", [](const TubeRecord& t) { return Decimal(t.SpeedMs * t.SpeedMs); }},
        {&TableColumns::Masse, "m (kg)", [](const TubeRecord& t) { return QString::number(t.Mass); }},
        {&TableColumns::L0, "l0 tube (cm)", [](const TubeRecord&) { return Decimal(TubeLength); }},
        {&TableColumns::Lf, "l tube (cm)", [](const TubeRecord& t) { return Decimal(t.LengthAfter()); }},
        {&TableColumns::LEnf, "l enfoncée (cm)", [](const TubeRecord& t) { return Decimal(t.PushedIn); }},
        {&TableColumns::LPli, "l déformée (cm)", [](const TubeRecord& t) { return Decimal(t.Deformed); }},
    }};
    return table;
}

} // namespace

QString ValuesTable(const std::vector<TubeRecord>& tubes, const TableColumns& shown)
{
    const QString tab = QStringLiteral("\t");
    const QString lineEnd = QStringLiteral("\r\n");
    QString text;
    for (const Column& column : Columns())
        if (shown.*column.shown)
            text += QString::fromUtf8(column.title) + tab;
    text += lineEnd;
    for (const TubeRecord& tube : tubes) {
        for (const Column& column : Columns())
            if (shown.*column.shown)
                text += column.value(tube) + tab;
        text += lineEnd;
    }
    // Only the numbers hold points: the titles have none.
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}
