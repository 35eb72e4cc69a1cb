// Checks the pictures of a snapshot run at a device pixel ratio of 2: a
// picture composed at that resolution has features one device pixel wide
// (lines, smoothed text edges), whereas a picture composed at the logical
// size and enlarged is made of 2 x 2 blocks of one colour.
//   kinea_hidpicheck <folder> [allowed]
// `allowed` lists, one per line, pictures known to be enlarged still ('#'
// starts a comment). Exits 1 naming every other enlarged picture.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTextStream>

namespace {

// Every aligned 2 x 2 block is of one colour, and the picture is not.
bool enlarged(const QImage& image)
{
    bool oneColour = true;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c || image.pixel(x + 1, y + 1) != c)
                return false;
            oneColour = oneColour && c == first;
        }
    return !oneColour;
}

QSet<QString> allowedPictures(const QString& path)
{
    QSet<QString> names;
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return names;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().section(QLatin1Char('#'), 0, 0).trimmed();
        if (!line.isEmpty())
            names.insert(line);
    }
    return names;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: kinea_hidpicheck <folder> [allowed]\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QSet<QString> allowed = allowedPictures(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
    int checked = 0;
    QStringList failing;
    // Pictures are saved as window.box.png beside the window's own window.png.
    for (const QString& file : folder.entryList({QStringLiteral("*.*.png")}, QDir::Files, QDir::Name)) {
        const QImage image(folder.filePath(file));
        const QString name = file.chopped(4);
        if (image.isNull() || image.width() < 2 || image.height() < 2)
            continue;
        ++checked;
        if (enlarged(image) && !allowed.contains(name))
            failing << name;
    }
    QTextStream out(stdout);
    out << checked << " pictures checked\n";
    if (checked == 0) {
        QTextStream(stderr) << "no picture to check in " << folder.path() << "\n";
        return 1;
    }
    for (const QString& name : failing)
        out << "enlarged, not composed at the screen's resolution: " << name << "\n";
    return failing.isEmpty() ? 0 : 1;
}
