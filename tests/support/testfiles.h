// File helpers shared by every test, the models' included: temporary
// folders and whole-file reads and writes. Qt Core only.
#pragma once

#include <QByteArray>
#include <QString>

namespace testing_support {

// A fresh empty folder removed at the end of the test.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    QString Path() const { return m_path; }
    QString File(const QString& name) const { return m_path + "/" + name; }

private:
    QString m_path;
};

// Reads a whole file as bytes ("" when missing).
QByteArray ReadFile(const QString& path);
void WriteFile(const QString& path, const QByteArray& bytes);

} // namespace testing_support
