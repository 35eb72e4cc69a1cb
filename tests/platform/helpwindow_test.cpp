// The help window: its contents link, back and forward, printing, and the
// documents and readme it shows when the desktop cannot.
#include "modalcloser.h"
#include "platform/helpviewer.h"
#include "testhelpers.h"

#include <QPrinter>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using testing_support::Child;

// A help of three topics, each long enough to need its own scrolling.
QByteArray ThreeTopics()
{
    QByteArray html = "<html><head><meta charset=\"utf-8\"><title>Aide d'essai</title></head><body>";
    for (const char* topic : {"Sommaire", "Balle", "Roue"}) {
        html += QByteArray("<h2><a name=\"") + topic + "\"></a>" + topic + "</h2>";
        for (int line = 0; line < 80; ++line)
            html += "<p>Ligne de texte pour remplir la page.</p>";
    }
    return html + "</body></html>";
}

class HelpWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testing_support::WriteFile(dir.File("aide.html"), ThreeTopics());
        SetHelpFile(dir.File("aide.html"));
    }
    void TearDown() override { CloseHelp(); }

    QToolButton* Button(const char* name) { return Child<QToolButton>(HelpWindow(), name); }
    QString Topic() { return HelpWindow()->Source().fragment(); }

    testing_support::TempDir dir;
};

} // namespace

TEST_F(HelpWindowTest, BackAndForwardRetraceTheTopicsVisited)
{
    ShowHelpTopic("Balle");
    ShowHelpTopic("Roue");
    ASSERT_TRUE(Button("PrecedentBout")->isEnabled());
    EXPECT_FALSE(Button("SuivantBout")->isEnabled());

    Button("PrecedentBout")->click();
    EXPECT_EQ(Topic(), "Balle");
    EXPECT_TRUE(Button("SuivantBout")->isEnabled());
    Button("SuivantBout")->click();
    EXPECT_EQ(Topic(), "Roue");

    // The keys work wherever the focus stands in the window.
    QTest::keyClick(HelpWindow()->Browser(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(Topic(), "Balle");
    QTest::keyClick(HelpWindow()->Browser(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(Topic(), "Roue");
}

TEST_F(HelpWindowTest, ContentsButtonLeadsBackToTheHelpFromADocument)
{
    testing_support::WriteFile(dir.File("lisezmoi.txt"), "Kinea\r\n");
    ASSERT_TRUE(ShowInHelpWindow(dir.File("lisezmoi.txt")));
    Button("SommaireBout")->click();
    EXPECT_EQ(HelpWindow()->Source().toLocalFile(), dir.File("aide.html"));
    EXPECT_EQ(Topic(), "Sommaire");
}

TEST_F(HelpWindowTest, PrintingPutsTheWholePageOnPaperNotJustWhatIsShown)
{
    ShowHelpTopic("Roue");
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.File("aide.pdf"));
    HelpWindow()->PrintTo(printer);

    const QByteArray pdf = testing_support::ReadFile(dir.File("aide.pdf"));
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    // 240 paragraphs fill several pages; the window shows one screenful.
    EXPECT_GE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 3);
}

TEST_F(HelpWindowTest, CtrlPAsksWhereToPrint)
{
    ShowHelpTopic("Balle");
    // Window keys reach the active window only.
    ASSERT_TRUE(QTest::qWaitForWindowActive(HelpWindow(), 2000));
    ModalCloser closer;
    QTest::keyClick(HelpWindow()->Browser(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(closer.seen, QStringList{"PrintDialog"});
}

TEST_F(HelpWindowTest, DocumentIsShownWithANoteInPlaceOfEachDrawing)
{
    testing_support::WriteFile(dir.File("doc.html"),
                               "<html><head><meta charset=\"utf-8\"><title>Radars</title></head><body>"
                               "<p>Avant.</p><figure><svg viewBox=\"0 0 10 10\"><text>Faisceau</text></svg>"
                               "<figcaption>Figure 1</figcaption></figure><p>Entre.</p>"
                               "<SVG width=\"4\">\n<text>Route</text>\n</SVG><p>Après.</p></body></html>");
    ASSERT_TRUE(ShowInHelpWindow(dir.File("doc.html")));
    const QString shown = HelpWindow()->Browser()->toPlainText();
    for (const char* kept : {"Avant.", "Figure 1", "Entre.", "Après."})
        EXPECT_TRUE(shown.contains(QString::fromUtf8(kept))) << kept;
    EXPECT_FALSE(shown.contains("Faisceau"));
    EXPECT_FALSE(shown.contains("Route"));
    EXPECT_EQ(shown.count("navigateur web"), 2);
    EXPECT_EQ(HelpWindow()->windowTitle(), "Radars");
}

TEST_F(HelpWindowTest, ReadmeIsShownAsPlainUtf8TextLineByLine)
{
    testing_support::WriteFile(
        dir.File("lisezmoi.txt"),
        QString::fromUtf8("Kinea, logiciel de physique\r\n\r\n  Réglages : <b>Kinea.ini</b> & co\r\n").toUtf8());
    ASSERT_TRUE(ShowInHelpWindow(dir.File("lisezmoi.txt")));
    const QStringList lines = HelpWindow()->Browser()->toPlainText().split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0].trimmed(), "Kinea, logiciel de physique");
    EXPECT_EQ(lines[1].trimmed(), "");
    EXPECT_EQ(lines[2], QString::fromUtf8("  Réglages : <b>Kinea.ini</b> & co"));
}
