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

using testing_support::child;

// A help of three topics, each long enough to need its own scrolling.
QByteArray threeTopics()
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
        testing_support::writeFile(dir.file("aide.html"), threeTopics());
        SetHelpFile(dir.file("aide.html"));
    }
    void TearDown() override { CloseHelp(); }

    QToolButton* button(const char* name) { return child<QToolButton>(HelpWindow(), name); }
    QString topic() { return HelpWindow()->source().fragment(); }

    testing_support::TempDir dir;
};

} // namespace

TEST_F(HelpWindowTest, BackAndForwardRetraceTheTopicsVisited)
{
    ShowHelpTopic("Balle");
    ShowHelpTopic("Roue");
    ASSERT_TRUE(button("PrecedentBout")->isEnabled());
    EXPECT_FALSE(button("SuivantBout")->isEnabled());

    button("PrecedentBout")->click();
    EXPECT_EQ(topic(), "Balle");
    EXPECT_TRUE(button("SuivantBout")->isEnabled());
    button("SuivantBout")->click();
    EXPECT_EQ(topic(), "Roue");

    // The keys work wherever the focus stands in the window.
    QTest::keyClick(HelpWindow()->browser(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(topic(), "Balle");
    QTest::keyClick(HelpWindow()->browser(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(topic(), "Roue");
}

TEST_F(HelpWindowTest, ContentsButtonLeadsBackToTheHelpFromADocument)
{
    testing_support::writeFile(dir.file("lisezmoi.txt"), "Kinea\r\n");
    ASSERT_TRUE(ShowInHelpWindow(dir.file("lisezmoi.txt")));
    button("SommaireBout")->click();
    EXPECT_EQ(HelpWindow()->source().toLocalFile(), dir.file("aide.html"));
    EXPECT_EQ(topic(), "Sommaire");
}

TEST_F(HelpWindowTest, PrintingPutsTheWholePageOnPaperNotJustWhatIsShown)
{
    ShowHelpTopic("Roue");
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.file("aide.pdf"));
    HelpWindow()->PrintTo(printer);

    const QByteArray pdf = testing_support::readFile(dir.file("aide.pdf"));
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
    QTest::keyClick(HelpWindow()->browser(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(closer.seen, QStringList{"PrintDialog"});
}

TEST_F(HelpWindowTest, DocumentIsShownWithANoteInPlaceOfEachDrawing)
{
    testing_support::writeFile(dir.file("doc.html"),
                               "<html><head><meta charset=\"utf-8\"><title>Radars</title></head><body>"
                               "<p>Avant.</p><figure><svg viewBox=\"0 0 10 10\"><text>Faisceau</text></svg>"
                               "<figcaption>Figure 1</figcaption></figure><p>Entre.</p>"
                               "<SVG width=\"4\">\n<text>Route</text>\n</SVG><p>Après.</p></body></html>");
    ASSERT_TRUE(ShowInHelpWindow(dir.file("doc.html")));
    const QString shown = HelpWindow()->browser()->toPlainText();
    for (const char* kept : {"Avant.", "Figure 1", "Entre.", "Après."})
        EXPECT_TRUE(shown.contains(QString::fromUtf8(kept))) << kept;
    EXPECT_FALSE(shown.contains("Faisceau"));
    EXPECT_FALSE(shown.contains("Route"));
    EXPECT_EQ(shown.count("navigateur web"), 2);
    EXPECT_EQ(HelpWindow()->windowTitle(), "Radars");
}

TEST_F(HelpWindowTest, ReadmeIsShownAsPlainUtf8TextLineByLine)
{
    testing_support::writeFile(
        dir.file("lisezmoi.txt"),
        QString::fromUtf8("Kinea, logiciel de physique\r\n\r\n  Réglages : <b>Kinea.ini</b> & co\r\n").toUtf8());
    ASSERT_TRUE(ShowInHelpWindow(dir.file("lisezmoi.txt")));
    const QStringList lines = HelpWindow()->browser()->toPlainText().split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0].trimmed(), "Kinea, logiciel de physique");
    EXPECT_EQ(lines[1].trimmed(), "");
    EXPECT_EQ(lines[2], QString::fromUtf8("  Réglages : <b>Kinea.ini</b> & co"));
}
