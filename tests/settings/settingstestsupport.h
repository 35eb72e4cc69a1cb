// Shared set-up of the settings tests: a clean record, captured error
// messages and the file helpers.
#pragma once

#include "app/settings/appsettings.h"
#include "app/settings/settingsstore.h"
#include "support/testhelpers.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

class SettingsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AppSettings = AppSettingsRecord{};
        SetSettingsErrorReporter([this](const QString& message) { messages << message; });
    }
    void TearDown() override
    {
        SetSettingsErrorReporter({});
        SetSettingsWritableCheck({});
        AppSettings = AppSettingsRecord{};
    }

    QString iniPath() const { return dir.file("Kinea.ini"); }
    void writeIni(const QByteArray& bytes) const { testing_support::writeFile(iniPath(), bytes); }
    QByteArray readIni() const { return testing_support::readFile(iniPath()); }

    // Loads a file holding exactly these bytes.
    void loadFrom(const QByteArray& bytes)
    {
        writeIni(bytes);
        LoadSettings(iniPath());
    }

    // The file a save of this record produces from nothing.
    QByteArray savedBytes(const AppSettingsRecord& record)
    {
        const QString path = dir.file("compare.ini");
        QFile::remove(path);
        const AppSettingsRecord kept = AppSettings;
        AppSettings = record;
        EXPECT_TRUE(SaveSettings(path));
        AppSettings = kept;
        return testing_support::readFile(path);
    }

    testing_support::TempDir dir;
    QStringList messages;
};
