// The table of values copied as text, and the message bar's texts.
#include "weight/organ/model/organlaws.h"
#include "weight/organ/model/organmessages.h"
#include "weight/organ/model/organtable.h"

#include <gtest/gtest.h>

namespace {

TEST(ValuesTable, EveryColumnOfAShotWithADecimalComma)
{
    const std::vector<TubeRecord> tubes{CrushLaws().CrushedTube(50, 20)};
    EXPECT_EQ(ValuesTable(tubes, TableColumns{}),
              QStringLiteral("v (m/s)\tv (km/h)\tv² (m²/s²)\tm (kg)\tl0 tube (cm)\tl tube (cm)\t"
                             "l enfoncée (cm)\tl déformée (cm)\t\r\n"
                             "13,9\t50,0\t192,9\t20\t32,0\t27,8\t 4,2\t 1,1\t\r\n"));
}

TEST(ValuesTable, ChosenColumnsNoColumnsAndNoTubes)
{
    CrushLaws laws;
    const std::vector<TubeRecord> tubes{laws.CrushedTube(0, 1), laws.CrushedTube(130, 20)};
    TableColumns some{};
    some.Vkmh = some.Masse = some.L0 = some.Lf = false;
    EXPECT_EQ(ValuesTable(tubes, some), QStringLiteral("v (m/s)\tv² (m²/s²)\tl enfoncée (cm)\tl déformée (cm)\t\r\n"
                                                       " 0,0\t 0,0\t 0,0\t 0,0\t\r\n"
                                                       "36,1\t1304,0\t28,3\t 3,7\t\r\n"));

    const TableColumns none{false, false, false, false, false, false, false, false};
    EXPECT_EQ(ValuesTable(tubes, none), QStringLiteral("\r\n\r\n\r\n"));
    EXPECT_EQ(ValuesTable({}, some), QStringLiteral("v (m/s)\tv² (m²/s²)\tl enfoncée (cm)\tl déformée (cm)\t\r\n"));
}

// The keys as their caps say them, and the calculator left for the window
// to name.
TEST(OrganMessages, KeysAndCalculatorAreNamedAsTheUserMeetsThem)
{
    EXPECT_TRUE(MessageText(MessageTubes, 1, 1).endsWith(QStringLiteral("Touche Échap pour invalider la sélection")));
    EXPECT_EQ(MessageText(MessageCalc, 1, 1), QStringLiteral("Ouvrir {calculatrice} ( si disponible )"));
}

TEST(OrganMessages, ATooLongTextIsCutWithDots)
{
    const auto tenPerCharacter = [](const QString& s) { return 10 * int(s.size()); };
    EXPECT_EQ(ShortenToFit(QStringLiteral("Quitter"), 70, tenPerCharacter), QStringLiteral("Quitter"));
    EXPECT_EQ(ShortenToFit(QStringLiteral("Quitter"), 69, tenPerCharacter), QStringLiteral("Qui..."));
    EXPECT_EQ(ShortenToFit(QStringLiteral("Quitter"), 5, tenPerCharacter), QStringLiteral("..."));
}

} // namespace
