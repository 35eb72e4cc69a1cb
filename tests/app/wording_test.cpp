// The words every window shows, as a pupil is taught to write them: unit
// symbols in lower case and apart from their number, the calculator this
// desktop has, no stray double space inside a caption.
#include "launcherfixture.h"

#include "app/startup.h"
#include "platform/calculatorname.h"
#include "road/field/fieldwindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using Wording = LauncherFixture;

struct Shown
{
    QString where;
    QString text;
    // A caption, not a hint, a spoken description or a list item (the
    // objects' list sets their masses apart with two spaces).
    bool caption;
};

void AddText(std::vector<Shown>& texts, const QString& where, const QString& text, bool caption)
{
    if (!text.trimmed().isEmpty())
        texts.push_back({where, text, caption});
}

// Every caption, list item, hint and description of the windows.
std::vector<Shown> EveryText(const QList<QWidget*>& windows)
{
    std::vector<Shown> texts;
    for (QWidget* window : windows) {
        QList<QObject*> objects = window->findChildren<QObject*>();
        objects << window;
        for (QObject* object : objects) {
            const QString where = window->objectName() + QLatin1Char('/') + object->objectName();
            if (auto* action = qobject_cast<QAction*>(object)) {
                AddText(texts, where, action->text(), true);
                continue;
            }
            auto* w = qobject_cast<QWidget*>(object);
            if (!w)
                continue;
            AddText(texts, where, w->toolTip(), false);
            AddText(texts, where, w->accessibleDescription(), false);
            if (auto* label = qobject_cast<QLabel*>(w))
                AddText(texts, where, label->text(), true);
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                AddText(texts, where, button->text(), true);
            if (auto* group = qobject_cast<QGroupBox*>(w))
                AddText(texts, where, group->title(), true);
            if (auto* combo = qobject_cast<QComboBox*>(w))
                for (int i = 0; i < combo->count(); ++i)
                    AddText(texts, where, combo->itemText(i), false);
            if (auto* list = qobject_cast<QListWidget*>(w))
                for (int i = 0; i < list->count(); ++i)
                    AddText(texts, where, list->item(i)->text(), false);
        }
    }
    return texts;
}

class WindowsWording : public Wording
{
protected:
    void SetUp() override
    {
        Wording::SetUp();
        AppSettings.SplasheFlag = false;
        windows.field = new TChampF;
        CreateWindows(*launcher, windows);
        QList<QWidget*> all{launcher.get(), windows.about, windows.tip, windows.preferences};
        for (int slot = SlotRoue; slot < PlacementSlotCount; ++slot)
            all << windows.Placed(slot);
        texts = EveryText(all);
    }
    void TearDown() override
    {
        delete windows.about;
        delete windows.tip;
        delete windows.preferences;
        DeleteModuleWindows(windows);
        Wording::TearDown();
    }

    // The texts that `pattern` finds in.
    QStringList Matching(const QRegularExpression& pattern, bool captionsOnly = false) const
    {
        QStringList found;
        for (const Shown& shown : texts)
            if ((shown.caption || !captionsOnly) && pattern.match(shown.text).hasMatch())
                found << shown.where + QStringLiteral(": ") + shown.text;
        return found;
    }

    std::vector<Shown> texts;
};

TEST_F(WindowsWording, TheWindowsShowTheirTexts)
{
    // Enough texts that the rules below read something.
    EXPECT_GT(texts.size(), 300u);
    EXPECT_FALSE(Matching(QRegularExpression(QStringLiteral("calculatrice"))).isEmpty());
}

TEST_F(WindowsWording, UnitSymbolsAreLowerCaseAndSpacedFromTheirNumber)
{
    // "Km/h", "0,5s", "20kg", "32cm"; "1er", "2D" and the like are no units.
    const QRegularExpression wrong(QStringLiteral("\\bKm/h|\\d(s|m|kg|cm|km/h|m/s)\\b"));
    EXPECT_EQ(Matching(wrong).join(QLatin1Char('\n')).toStdString(), "");
}

TEST_F(WindowsWording, TheCalculatorIsTheOneThisDesktopHas)
{
    const QStringList named = Matching(QRegularExpression(QStringLiteral("calculatrice de Windows")));
    if (CalculatorName() == QStringLiteral("la calculatrice de Windows"))
        GTEST_SKIP() << "Windows names its own calculator";
    EXPECT_EQ(named.join(QLatin1Char('\n')).toStdString(), "");
    EXPECT_EQ(
        Matching(QRegularExpression(QStringLiteral("\\{[Cc]alculatrice\\}"))).join(QLatin1Char('\n')).toStdString(),
        "");
}

TEST_F(WindowsWording, NoCaptionHasADoubleSpaceBetweenWords)
{
    // Leading spaces are the captions' margin, and a long run of spaces
    // pushes a wrapped caption's end to its next line: both stay.
    const QRegularExpression doubled(QStringLiteral("\\S {2}\\S"));
    EXPECT_EQ(Matching(doubled, true).join(QLatin1Char('\n')).toStdString(), "");
}

} // namespace
