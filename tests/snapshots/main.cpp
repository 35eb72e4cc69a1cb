// Writes a PNG of every registered window state into the folder given as
// the first argument (default: "snapshots").
#include "snapshot.h"

#include "app/settings/appsettings.h"
#include "controls/plaincontrols.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <cstdlib>
#include <map>
#include <string>

namespace snapshots {

static std::map<std::string, Writer>& Registry()
{
    static std::map<std::string, Writer> writers;
    return writers;
}

Registrar::Registrar(const char* name, Writer writer)
{
    Registry()[name] = std::move(writer);
}

void Save(QWidget* widget, const QString& outDir, const QString& name)
{
    // Layouts and polish, which are posted, but no timer: a window's own
    // animation timer would tick or not depending on how long the run took
    // so far (the first run after a build is the slow one), and the picture
    // would change from one run to the next.
    QCoreApplication::sendPostedEvents();
    Save(widget->grab().toImage(), outDir, name);
    // Each picture the program composes, alone, for the check that no
    // picture is enlarged on a scaled screen (hidpipictures.cmake).
    if (qEnvironmentVariableIsSet("KINEA_SNAPSHOT_PICTURES"))
        for (PaintBox* box : widget->findChildren<PaintBox*>())
            if (box->isVisible() && !box->objectName().isEmpty())
                Save(box->grab().toImage(), outDir, name + "." + box->objectName());
}

void Save(const QImage& image, const QString& outDir, const QString& name)
{
    const QString path = outDir + "/" + name + ".png";
    image.save(path);
    QTextStream(stdout) << path << "\n";
}

void TickWhile(const std::function<bool()>& running, const std::function<void()>& tick, int limit, const char* what)
{
    for (int i = 0; running(); ++i) {
        if (i == limit) {
            QTextStream(stderr) << "kinea_snapshots: " << what << " still runs after " << limit << " ticks\n";
            std::exit(1);
        }
        tick();
    }
}

} // namespace snapshots

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("snapshots");
    QDir().mkpath(outDir);
    // Each from the default settings, whatever the one before left.
    for (auto& [name, writer] : snapshots::Registry()) {
        AppSettings = AppSettingsRecord{};
        writer(outDir);
    }
    return 0;
}
