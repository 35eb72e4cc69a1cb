// The globe view: the eleven bodies, each turned to its place of the weight
// window and captioned, on one sheet.
#include "snapshot.h"

#include "canvas/canvas.h"
#include "raster/globeview.h"

#include <QImage>
#include <vector>

namespace {

struct SheetGlobe
{
    PlaceRecord place;
    const char* title;
    const char* detail;
};

// The places of the weight window that show each body (the Earth at Paris).
const SheetGlobe kGlobes[] = {
    {{3, true, 0, 322, 74, -48, 176, 9.81}, "Terre ( Paris )", "Altitude : 89 mètres"},
    {{1, false, 0, 200, 48, -29, 66, 2.78}, "Mercure ( équateur )", "Planète très proche du soleil"},
    {{2, false, 0, 200, 48, 35, 160, 8.87}, "Vénus ( équateur )", "Atmosphère très dense "},
    {{4, false, 0, 200, 48, -16, 275, 3.72}, "Mars ( équateur )", "Pôle Nord & Valles Marineris"},
    {{5, false, 0, 200, 48, 0, 128, 22.88}, "Jupiter ( équateur )", "La plus grande des planètes solaires "},
    {{6, false, 0, 200, 48, -31, 273, 9.05}, "Saturne ( équateur )", "Planète gazeuse"},
    {{7, false, 0, 200, 48, -33, 78, 7.77}, "Uranus ( équateur )", "Planète gazeuse"},
    {{8, false, 0, 200, 48, -6, 184, 11.0}, "Neptune ( équateur )", "Planète gazeuse"},
    {{9, false, 0, 200, 48, 15, 117, 0.4}, "Pluton ( équateur )", "Planète encore peu connue"},
    {{11, false, 0, 200, 48, -13, 239, 280.0}, "Soleil ( équateur )", "Distant de 150 000 000 km"},
    {{10, false, 0, 200, 48, -43, 164, 1.67}, "Lune ( équateur )", "Face visible de la Lune"},
};

constexpr int kColumns = 4;
constexpr int kGap = 4;

} // namespace

KINEA_SNAPSHOT(globes)
{
    const int count = static_cast<int>(std::size(kGlobes));
    const int rows = (count + kColumns - 1) / kColumns;
    QImage sheet(kColumns * (kGlobePictureSide + kGap) + kGap, rows * (kGlobePictureSide + kGap) + kGap,
                 QImage::Format_RGB32);
    sheet.fill(QColor(0x40, 0x40, 0x40));
    std::vector<PlaceRecord> table(1);
    for (const SheetGlobe& g : kGlobes)
        table.push_back(g.place);
    SetGlobePlaceTable(table);
    AllocateGlobes(1, 1);
    {
        Canvas canvas(sheet);
        for (int i = 0; i < count; ++i) {
            GlobePlace[1] = i + 1;
            GlobeTurn[1] = static_cast<float>(kGlobes[i].place.Turn);
            GlobeTilt[1] = static_cast<float>(kGlobes[i].place.Tilt);
            LoadGlobeMap(1, false);
            RenderGlobe(1, QString::fromUtf8(kGlobes[i].title), QString::fromUtf8(kGlobes[i].detail), true, 0x000000);
            canvas.Draw(kGap + (i % kColumns) * (kGlobePictureSide + kGap),
                        kGap + (i / kColumns) * (kGlobePictureSide + kGap), GlobePicture(1));
        }
    }
    FreeGlobes(1, 1, true);
    SetGlobePlaceTable({});
    snapshots::Save(sheet, outDir, "globes");
}
