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

    QString IniPath() const { return dir.File("Kinea.ini"); }
    void WriteIni(const QByteArray& bytes) const { testing_support::WriteFile(IniPath(), bytes); }
    QByteArray ReadIni() const { return testing_support::ReadFile(IniPath()); }

    // Saves as the launcher does, keeping the message a failed write carries.
    bool Save(const QString& path)
    {
        const SettingsSaveResult result = SaveSettings(path);
        if (!result.error.isEmpty())
            messages << result.error;
        EXPECT_FALSE(result.saved && !result.error.isEmpty());
        return result.saved;
    }

    // Saves into Kinea.ini and reads it back; empty when the save failed.
    QByteArray SavedIni()
    {
        const bool saved = Save(IniPath());
        EXPECT_TRUE(saved);
        return saved ? ReadIni() : QByteArray();
    }

    // Loads a file holding exactly these bytes.
    void LoadFrom(const QByteArray& bytes)
    {
        WriteIni(bytes);
        LoadSettings(IniPath());
    }

    // The file a save of this record produces from nothing.
    QByteArray SavedBytes(const AppSettingsRecord& record)
    {
        const QString path = dir.File("compare.ini");
        QFile::remove(path);
        const AppSettingsRecord kept = AppSettings;
        AppSettings = record;
        EXPECT_TRUE(Save(path));
        AppSettings = kept;
        return testing_support::ReadFile(path);
    }

    testing_support::TempDir dir;
    QStringList messages;
};
