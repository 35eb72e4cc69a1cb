// The table behind the dialog's pages: captions, and the check boxes with
// the settings they edit.
#include "shell/preferences/preferencespages.h"

#include <QSet>
#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(PreferencesPages, OutOfRangePagesOpenTheFirstPage)
{
    const struct
    {
        int page;
        int opened;
    } rows[] = {{0, 0}, {3, 3}, {7, 7}, {8, 0}, {-1, 0}, {INT_MAX, 0}, {INT_MIN, 0}};
    for (const auto& row : rows)
        EXPECT_EQ(ClampPreferencesPage(row.page), row.opened) << row.page;
}

TEST(PreferencesPages, CaptionsOfTheList)
{
    const char* const expected[] = {" Générales",        " Outils du logiciel", " Sécurité",        " Couleurs",
                                    " Poids d'un objet", " Modules conduite",   " Orgue cinétique", " Mouvements"};
    for (int page = 0; page < kPreferencesPageCount; ++page)
        EXPECT_EQ(PreferencesPageCaption(page), QString::fromUtf8(expected[page]));
    EXPECT_TRUE(PreferencesPageCaption(8).isEmpty());
}

TEST(PreferenceChecks, EveryCheckBoxEditsItsOwnSetting)
{
    QSet<QString> names;
    QSet<qsizetype> fields;
    int perPage[kPreferencesPageCount] = {};
    AppSettingsRecord probe;
    for (const PreferenceCheck& row : PreferenceChecks()) {
        names.insert(QString::fromLatin1(row.name));
        fields.insert(reinterpret_cast<const char*>(&(probe.*row.flag)) - reinterpret_cast<const char*>(&probe));
        ASSERT_GE(row.page, 0);
        ASSERT_LT(row.page, kPreferencesPageCount);
        ++perPage[row.page];
    }
    EXPECT_EQ(PreferenceChecks().size(), 24u);
    EXPECT_EQ(names.size(), 24);
    EXPECT_EQ(fields.size(), 24);
    const int expectedPerPage[kPreferencesPageCount] = {4, 1, 0, 0, 2, 4, 11, 2};
    for (int page = 0; page < kPreferencesPageCount; ++page)
        EXPECT_EQ(perPage[page], expectedPerPage[page]) << "page " << page;
}

} // namespace
