// The hints of the tip of the day: reading the text, the program's own
// hints, the numbering and the wrap of stored indexes.
#include "shell/tiplist.h"

#include <QFont>
#include <QFontMetrics>
#include <gtest/gtest.h>

TEST(TipText, LinesEndWithCrLfAndStopAtFin)
{
    const QStringList tips = ParseTipLines("Un\r\nDeux\r\nFIN\r\nJamais lu\r\n");
    EXPECT_EQ(tips, QStringList({"Un", "Deux"}));
}

TEST(TipText, FinMustStandAlone)
{
    const QStringList tips = ParseTipLines("FINI\r\nFIN de phrase\r\nFIN\r\n");
    EXPECT_EQ(tips, QStringList({"FINI", "FIN de phrase"}));
}

TEST(TipText, TextWithoutFinEndsAtItsLastByte)
{
    EXPECT_EQ(ParseTipLines("Seule astuce"), QStringList({"Seule astuce"}));
    EXPECT_TRUE(ParseTipLines("").isEmpty());
}

TEST(TipText, DecodedFromWindows1252)
{
    const QStringList tips = ParseTipLines(QByteArray("Pr\xE9" "f\xE9rences \x9C\r\nFIN\r\n"));
    ASSERT_EQ(tips.size(), 1);
    EXPECT_EQ(tips[0], QStringLiteral("Préférences œ"));
}

TEST(TipText, ProgramCarriesSeventeenHintsThatFitTheirLabel)
{
    const QStringList tips = LoadTipList();
    ASSERT_EQ(tips.size(), 17);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    const QFontMetrics metrics(font);
    for (int i = 0; i < tips.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_FALSE(tips[i].trimmed().isEmpty());
        // TipLab is 281 x 70 and wraps words.
        const QRect needed = metrics.boundingRect(QRect(0, 0, 281, 1000), Qt::TextWordWrap, tips[i]);
        EXPECT_LE(needed.height(), 70);
    }
}

TEST(TipText, NumberingCountsFromOne)
{
    EXPECT_EQ(TipNumberText(2, 17), QStringLiteral("Astuce n° 3 sur 17"));
    EXPECT_EQ(TipNumberText(16, 17), QStringLiteral("Astuce n° 17 sur 17"));
}
