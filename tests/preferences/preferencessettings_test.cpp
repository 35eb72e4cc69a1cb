// The tables behind the dialog: pages, check boxes and colour palettes.
#include "shell/preferencessettings.h"

#include <QSet>
#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(PreferencesPages, OutOfRangePagesOpenTheFirstPage)
{
    const struct {
        int page;
        int opened;
    } rows[] = {{0, 0}, {3, 3}, {7, 7}, {8, 0}, {-1, 0}, {INT_MAX, 0}, {INT_MIN, 0}};
    for (const auto& row : rows)
        EXPECT_EQ(ClampPreferencesPage(row.page), row.opened) << row.page;
}

TEST(PreferencesPages, CaptionsOfTheList)
{
    const char* const expected[] = {" Générales", " Outils du logiciel", " Sécurité", " Couleurs",
                                    " Poids d'un objet", " Modules conduite", " Orgue cinétique",
                                    " Mouvements"};
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

TEST(ColorPalettes, DefaultsAreTheSettingsStoreDefaults)
{
    AppSettingsRecord s;
    WriteColors(s, ColorSet{1, 2, 3, 4, 5, 6, 7, 8});
    WriteColors(s, DefaultColors());
    EXPECT_EQ(s.clFond, 0x808080u);
    EXPECT_EQ(s.clTraceA, 0x0000FFu);
    EXPECT_EQ(s.clTraceB, 0x00FF00u);
    EXPECT_EQ(s.clTraceC, 0xFFFF00u);
    EXPECT_EQ(s.clObjet, 0u);
    EXPECT_EQ(s.clContour, 0xC0C0C0u);
    EXPECT_EQ(s.clTexte, 0u);
    EXPECT_EQ(s.clCadre, 0xFFFFFFu);
}

TEST(ColorPalettes, PrintPaletteIsForWhitePaper)
{
    AppSettingsRecord s;
    WriteColors(s, PrintColors());
    EXPECT_EQ(s.clFond, 0xFFFFFFu);
    EXPECT_EQ(s.clTraceA, 0u);
    EXPECT_EQ(s.clTraceB, 0x808080u);
    EXPECT_EQ(s.clTraceC, 0xC0C0C0u);
    EXPECT_EQ(s.clObjet, 0xFFFFFFu);
    EXPECT_EQ(s.clContour, 0u);
    EXPECT_EQ(s.clTexte, 0u);
    EXPECT_EQ(s.clCadre, 0x808080u);
}

TEST(ColorTargets, TargetsFollowTheRadioOrderAndLeaveOtherSettingsAlone)
{
    AppSettingsRecord s;
    const ColorSet colors{0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88};
    WriteColors(s, colors);
    EXPECT_EQ(s.clTraceA, 0x11u);
    EXPECT_EQ(s.clTraceB, 0x22u);
    EXPECT_EQ(s.clTraceC, 0x33u);
    EXPECT_EQ(s.clFond, 0x44u);
    EXPECT_EQ(s.clObjet, 0x55u);
    EXPECT_EQ(s.clContour, 0x66u);
    EXPECT_EQ(s.clTexte, 0x77u);
    EXPECT_EQ(s.clCadre, 0x88u);
    EXPECT_EQ(s.clCurseur, AppSettingsRecord{}.clCurseur);
    EXPECT_EQ(s.clDigits, AppSettingsRecord{}.clDigits);
    EXPECT_EQ(ReadColors(s), colors);
    EXPECT_EQ(ColorSetting(s, 3), &s.clFond);
    EXPECT_EQ(ColorSetting(s, -1), nullptr);
    EXPECT_EQ(ColorSetting(s, 8), nullptr);
}

} // namespace
