// Small helpers shared by the tests: temporary folders, widget look-up,
// pixel probes on composed pictures.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <string>

namespace testing_support {

// A fresh empty folder removed at the end of the test.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    QString path() const { return m_path; }
    QString file(const QString& name) const { return m_path + "/" + name; }

private:
    QString m_path;
};

// Reads a whole file as bytes ("" when missing).
QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

// The child widget with this object name, or nullptr.
template <typename T>
T* child(QWidget* parent, const char* objectName)
{
    return parent->findChild<T*>(QString::fromLatin1(objectName));
}

// Pixel of an image as 0x00RRGGBB, for readable expectations.
unsigned rgbAt(const QImage& image, int x, int y);

// Lets pending events (timers at zero, posted events, paints) run.
void processEvents(int ms = 0);

} // namespace testing_support
