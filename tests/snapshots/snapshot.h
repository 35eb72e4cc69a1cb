// Registry of the snapshot tool: each file of this folder registers the
// windows it photographs; the tool writes them as PNG into one folder.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

namespace snapshots {

using Writer = std::function<void(const QString& outDir)>;

struct Registrar
{
    Registrar(const char* name, Writer writer);
};

// Grabs a shown widget (with its frame-less client area) into outDir/name.png.
void Save(QWidget* widget, const QString& outDir, const QString& name);
void Save(const QImage& image, const QString& outDir, const QString& name);

// Calls `tick` while `running()` holds, at most `limit` times: an animation
// that never ends stops the tool with a message naming `what` rather than
// hanging `make snapshots`.
void TickWhile(const std::function<bool()>& running, const std::function<void()>& tick, int limit, const char* what);

} // namespace snapshots

#define KINEA_SNAPSHOT(name)                                                                                           \
    static void snapshot_##name(const QString& outDir);                                                                \
    static snapshots::Registrar registrar_##name(#name, snapshot_##name);                                              \
    static void snapshot_##name(const QString& outDir)
