// Writes the planet maps that the globe view shows: the Earth picture
// resampled to the map size (and to twice it), and the other ten bodies drawn from fixed
// seeds, so that every build writes the same files.
//
//     kinea_mapgen <output folder> <earth picture>
#include "bodies.h"

#include <cstdio>
#include <string>

namespace {

using Painter = void (*)(mapgen::MapImage&);

struct GeneratedMap
{
    const char* file;
    Painter paint;
};

const GeneratedMap kMaps[] = {
    {"Mercure_jpg.jpg", mapgen::PaintMercury}, {"Venus_jpg.jpg", mapgen::PaintVenus},
    {"Mars_jpg.jpg", mapgen::PaintMars},       {"Jupiter_jpg.jpg", mapgen::PaintJupiter},
    {"Saturne_jpg.jpg", mapgen::PaintSaturn},  {"Uranus_jpg.jpg", mapgen::PaintUranus},
    {"Neptune_jpg.jpg", mapgen::PaintNeptune}, {"Pluton_jpg.jpg", mapgen::PaintPluto},
    {"Lune_jpg.jpg", mapgen::PaintMoon},       {"Soleil_jpg.jpg", mapgen::PaintSun},
};

constexpr int kQuality = 90;

// The Earth at the map size, and at twice it for screens scaled by 1.25 and
// more, where the globes have that many more pixels.
bool WriteEarth(const std::string& folder, const std::string& source)
{
    std::vector<unsigned char> rgb;
    int width = 0, height = 0;
    if (!mapgen::ReadJpeg(source, rgb, width, height)) {
        std::fprintf(stderr, "kinea_mapgen: cannot read %s\n", source.c_str());
        return false;
    }
    for (const int factor : {1, 2}) {
        const int w = factor * mapgen::kMapWidth, h = factor * mapgen::kMapHeight;
        const auto scaled = mapgen::ResampleArea(rgb, width, height, w, h);
        const char* name = factor == 1 ? "/Terre_jpg.jpg" : "/Terre2x_jpg.jpg";
        if (!mapgen::WriteJpeg(folder + name, scaled, w, h, kQuality))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: kinea_mapgen <output folder> <earth picture>\n");
        return 2;
    }
    const std::string folder = argv[1];
    if (!WriteEarth(folder, argv[2]))
        return 1;
    for (const GeneratedMap& m : kMaps) {
        mapgen::MapImage map;
        m.paint(map);
        const std::string path = folder + "/" + m.file;
        if (!mapgen::WriteJpeg(path, map.ToBytes(), mapgen::kMapWidth, mapgen::kMapHeight, kQuality)) {
            std::fprintf(stderr, "kinea_mapgen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
