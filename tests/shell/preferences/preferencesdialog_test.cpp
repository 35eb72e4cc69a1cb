// The preferences dialog as its callers use it: the page it opens on, the
// check boxes it loads and stores, and its three ways of closing.
#include "preferencesfixture.h"

#include "controls/plaincontrols.h"
#include "platform/helpviewer.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

TEST_F(PreferencesTest, OpensOnThePageTheCallerSet)
{
    // The launcher's entries: " Accès aux préférences" and "&Générales"
    // give 0, "O&utils du logiciel" 1, then 3 to 7; out-of-range opens 0.
    const struct
    {
        int page;
        int shown;
    } rows[] = {{0, 0}, {1, 1}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {2, 2}, {8, 0}, {-3, 0}};
    for (const auto& row : rows) {
        Open(row.page);
        EXPECT_EQ(dialog.CurrentPage(), row.shown) << row.page;
        EXPECT_EQ(Control<QListWidget>("PagesList")->currentRow(), row.shown);
        EXPECT_EQ(PreferencesPage, row.shown);
        dialog.close();
    }
}

TEST_F(PreferencesTest, PageChosenInTheListIsRememberedButCallersSetTheirOwn)
{
    Open(0);
    Control<QListWidget>("PagesList")->setCurrentRow(6);
    EXPECT_EQ(dialog.CurrentPage(), 6);
    EXPECT_EQ(PreferencesPage, 6);
    dialog.close();
    EXPECT_EQ(PreferencesPage, 6);
    Open(0); // "&Générales"
    EXPECT_EQ(dialog.CurrentPage(), 0);
}

TEST_F(PreferencesTest, ClickBelowTheItemsKeepsTheShownPageSelected)
{
    Open(2);
    auto* list = Control<QListWidget>("PagesList");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(50, list->viewport()->height() - 5));
    EXPECT_EQ(dialog.CurrentPage(), 2);
    ASSERT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(list->row(list->selectedItems().first()), 2);
}

TEST_F(PreferencesTest, BannerFollowsThePageAndIsReleasedOnClosing)
{
    Open(1);
    const QImage first = dialog.Banner();
    ASSERT_EQ(first.size(), QSize(395, 23));
    Control<QListWidget>("PagesList")->setCurrentRow(4);
    EXPECT_NE(dialog.Banner(), first);
    dialog.close();
    EXPECT_TRUE(dialog.Banner().isNull());
}

TEST_F(PreferencesTest, CheckBoxesShowTheirSettings)
{
    for (const PreferenceCheck& row : PreferenceChecks())
        AppSettings.*row.flag = !(AppSettingsRecord{}.*row.flag);
    Open(0);
    for (const PreferenceCheck& row : PreferenceChecks())
        EXPECT_EQ(Check(row.name)->isChecked(), AppSettings.*row.flag) << row.name;
}

TEST_F(PreferencesTest, OkStoresEveryCheckBoxAndAccepts)
{
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    Open(0);
    for (const PreferenceCheck& row : PreferenceChecks())
        Check(row.name)->click();
    Click("OkBout");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(accepted.count(), 1);
    for (const PreferenceCheck& row : PreferenceChecks())
        EXPECT_NE(AppSettings.*row.flag, AppSettingsRecord{}.*row.flag) << row.name;
}

// The callers run the dialog modally.
TEST_F(PreferencesTest, ModalRunEndsWithOk)
{
    PreferencesPage = 4;
    QTimer::singleShot(0, &dialog, [this] {
        EXPECT_EQ(dialog.CurrentPage(), 4);
        Check("PoidsRandomCheck")->click();
        Click("OkBout");
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(AppSettings.PoidsRandomFlag);
}

TEST_F(PreferencesTest, AnnulerRestoresTheEightColoursAndDropsTheCheckBoxes)
{
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    AppSettings.clFond = 0x123456;
    const ColorSet before = ReadColors(AppSettings);
    Open(3);
    answer = 0x00ABCDEF;
    Click("ChangerBout");
    Click("ImpressionBout");
    ASSERT_NE(ReadColors(AppSettings), before);
    Check("TipCheck")->click();
    Click("AnnulerBout");
    EXPECT_EQ(ReadColors(AppSettings), before);
    EXPECT_TRUE(AppSettings.TipFlag);
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(PreferencesTest, EscapeActsAsAnnuler)
{
    Open(3);
    Click("ImpressionBout");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(ReadColors(AppSettings), DefaultColors());
}

TEST_F(PreferencesTest, CloseBoxKeepsColoursAndDropsCheckBoxes)
{
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    Open(3);
    Click("ImpressionBout");
    Check("HintCheck")->click();
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(ReadColors(AppSettings), PrintColors());
    EXPECT_TRUE(AppSettings.HintFlag);
    EXPECT_EQ(accepted.count(), 0);
}

TEST_F(PreferencesTest, ReopeningReloadsTheCheckBoxesFromTheSettings)
{
    Open(0);
    Check("SplasheCheck")->click();
    dialog.close();
    Open(0);
    EXPECT_TRUE(Check("SplasheCheck")->isChecked());
}

TEST_F(PreferencesTest, AutoriserAndInterdireSetTheThreeModuleAccessBoxesOnly)
{
    const char* const access[] = {"OrgueAllowCheck", "FreinageAllowCheck", "ChampAllowCheck"};
    Open(0);
    Click("InterdireBout");
    for (const char* name : access)
        EXPECT_FALSE(Check(name)->isChecked()) << name;
    EXPECT_TRUE(AppSettings.OrgueAllowFlag); // nothing stored before Ok
    EXPECT_TRUE(Check("TipCheck")->isChecked());
    Click("AutoriserBout");
    for (const char* name : access)
        EXPECT_TRUE(Check(name)->isChecked()) << name;
    Click("InterdireBout");
    Click("OkBout");
    EXPECT_FALSE(AppSettings.OrgueAllowFlag);
    EXPECT_FALSE(AppSettings.FreinageAllowFlag);
    EXPECT_FALSE(AppSettings.ChampAllowFlag);
    EXPECT_TRUE(AppSettings.TipFlag);
}

TEST_F(PreferencesTest, AideOpensTheHelpAtTheOptionsTopic)
{
    TempDir dir;
    WriteFile(dir.File("Kinea.html"), "<html><body><a name=\"OPTIONS\">Options</a></body></html>");
    const QString previous = HelpFile();
    SetHelpFile(dir.File("Kinea.html"));
    Open(0);
    Click("AideBout");
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_TRUE(HelpWindow()->isVisible());
    CloseHelp();
    SetHelpFile(previous);
}

// Each check box shows on its row's page, straight on it or in one of the
// page's frames.
TEST_F(PreferencesTest, EveryCheckBoxStandsOnItsOwnPage)
{
    for (const PreferenceCheck& row : PreferenceChecks()) {
        const QByteArray page = QStringLiteral("Page%1").arg(row.page).toLatin1();
        EXPECT_TRUE(Control<QWidget>(page.constData())->isAncestorOf(Check(row.name))) << row.name;
    }
}

// Layout: every single-line caption fits beside its box, the two long
// captions wrap over exactly two lines, and nothing overlaps.
TEST_F(PreferencesTest, CaptionsFitAndWrapWhereDesigned)
{
    for (const PreferenceCheck& row : PreferenceChecks()) {
        TAPICheckBox* box = Check(row.name);
        const QFontMetrics metrics = box->fontMetrics();
        const QRect area = box->TextArea();
        const QRect needed = metrics.boundingRect(area, Qt::TextWordWrap, box->text());
        const int lines = needed.height() / metrics.height();
        const QString name = QString::fromLatin1(row.name);
        if (name == "AnimPasCheck" || name == "FlouCheck") {
            EXPECT_EQ(lines, 2) << row.name;
            EXPECT_LE(needed.height(), area.height()) << row.name;
        } else {
            EXPECT_EQ(lines, 1) << row.name;
            EXPECT_LE(metrics.horizontalAdvance(box->text()), area.width()) << row.name;
        }
    }
}

// Buttons centre their captions; check boxes are single-line but for the
// two top-placed captions that wrap and the calculator's, which keeps the
// default.
TEST_F(PreferencesTest, CaptionPlacesOfTheButtonsAndCheckBoxes)
{
    const QList<TAPIButton*> buttons = dialog.findChildren<TAPIButton*>();
    ASSERT_EQ(buttons.size(), 8);
    for (const TAPIButton* button : buttons) {
        EXPECT_EQ(button->CaptionHAlign(), btnHCenter) << button->objectName().toStdString();
        EXPECT_EQ(button->CaptionVAlign(), btnVCenter) << button->objectName().toStdString();
    }
    const struct
    {
        const char* name;
        bool multiline;
        TBtnVAlignment vAlign;
    } special[] = {{"AnimPasCheck", true, btnVTop}, {"FlouCheck", true, btnVTop}, {"CalcCheck", true, btnVCenter}};
    for (const PreferenceCheck& row : PreferenceChecks()) {
        bool multiline = false;
        TBtnVAlignment vAlign = btnVCenter;
        for (const auto& s : special) {
            if (qstrcmp(s.name, row.name) == 0) {
                multiline = s.multiline;
                vAlign = s.vAlign;
            }
        }
        TAPICheckBox* box = Check(row.name);
        EXPECT_EQ(box->Multiline(), multiline) << row.name;
        EXPECT_EQ(box->CaptionVAlign(), vAlign) << row.name;
        EXPECT_EQ(box->CaptionHAlign(), btnHLeft) << row.name;
    }
}

TEST_F(PreferencesTest, TimeScaleCaptionBreaksBeforeItsParenthesis)
{
    TAPICheckBox* box = Check("AnimPasCheck");
    const QFontMetrics metrics = box->fontMetrics();
    const int width = box->TextArea().width();
    EXPECT_LE(metrics.horizontalAdvance(QStringLiteral("  Permettre le réglage de l'échelle temporelle")), width);
    EXPECT_LE(metrics.horizontalAdvance(QStringLiteral("( accélère l'affichage sur un ordinateur lent )")), width);
    EXPECT_GT(metrics.horizontalAdvance(QStringLiteral("  Permettre le réglage de l'échelle temporelle         (")),
              width);
}

bool LaidOut(const QWidget* widget)
{
    return !widget->objectName().isEmpty()
           && (qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLabel*>(widget)
               || qobject_cast<const QGroupBox*>(widget) || qobject_cast<const PaintBox*>(widget));
}

TEST_F(PreferencesTest, ControlsStayInsideTheirParentAndDoNotOverlap)
{
    QList<QWidget*> widgets = dialog.findChildren<QWidget*>();
    widgets.removeIf([](const QWidget* widget) { return !LaidOut(widget); });
    ASSERT_GT(widgets.size(), 50);
    for (const QWidget* widget : widgets) {
        const std::string name = widget->objectName().toStdString();
        EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry())) << name;
        for (const QWidget* other : widgets) {
            if (other == widget || other->parentWidget() != widget->parentWidget())
                continue;
            EXPECT_FALSE(widget->geometry().intersects(other->geometry()))
                << name << " / " << other->objectName().toStdString();
        }
    }
}

} // namespace
