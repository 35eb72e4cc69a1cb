// The table of values copied to the clipboard as text: one line of column
// titles, one line per tube in list order, tab after every cell, CR LF
// after every line, and a decimal comma for the spreadsheets of a French
// class.
#pragma once

#include "weight/model/organlaws.h"

#include <QString>
#include <vector>

// Which columns the table holds, in their order.
struct TableColumns
{
    bool Vms = true; // v (m/s)
    bool Vkmh = true; // v (km/h)
    bool Vcarre = true; // v² (m²/s²)
    bool Masse = true; // m (kg)
    bool L0 = true; // l0 tube (cm)
    bool Lf = true; // l tube (cm)
    bool LEnf = true; // l enfoncée (cm)
    bool LPli = true; // l déformée (cm)
};

QString ValuesTable(const std::vector<TubeRecord>& tubes, const TableColumns& columns);
