// Shared set-up of the settings tests: a clean record, the messages failed
// saves carry, and the file helpers.
#pragma once

#include "app/settings/appsettings.h"
#include "testfiles.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

class SettingsTest : public testing::Test
{
protected:
    void SetUp() override { AppSettings = AppSettingsRecord{}; }
    void TearDown() override
    {
        SetSettingsWritableCheck({});
        AppSettings = AppSettingsRecord{};
    }

    QString iniPath() const { return dir.file("Kinea.ini"); }
    void writeIni(const QByteArray& bytes) const { testing_support::writeFile(iniPath(), bytes); }
    QByteArray readIni() const { return testing_support::readFile(iniPath()); }

    // Saves as the launcher does, keeping the message a failed write carries.
    bool save(const QString& path)
    {
        const SettingsSaveResult result = SaveSettings(path);
        if (!result.error.isEmpty())
            messages << result.error;
        EXPECT_FALSE(result.saved && !result.error.isEmpty());
        return result.saved;
    }

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
        EXPECT_TRUE(save(path));
        AppSettings = kept;
        return testing_support::readFile(path);
    }

    testing_support::TempDir dir;
    QStringList messages;
};
