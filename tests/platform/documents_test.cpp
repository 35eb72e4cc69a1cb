// Opening the readme and the documents: the desktop first, then the
// program's own help window, then a French message.
#include "modalcloser.h"
#include "platform/documents.h"
#include "platform/helpviewer.h"
#include "testhelpers.h"

#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

class DocumentsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previous = SetDesktopOpener([this](const QString& path) {
            handed << path;
            return desktopTakesIt;
        });
    }
    void TearDown() override
    {
        SetDesktopOpener(previous);
        CloseHelp();
    }

    testing_support::TempDir dir;
    DesktopOpener previous;
    QStringList handed;
    bool desktopTakesIt = true;
};

} // namespace

TEST_F(DocumentsTest, EachWayOfShowingIsTriedOnlyWhenTheOneBeforeFails)
{
    testing_support::WriteFile(dir.File("lisezmoi.txt"), "Kinea\r\n");
    struct Case
    {
        const char* name;
        QString file;
        bool desktopTakesIt;
        DocumentOutcome outcome;
    };
    const Case cases[] = {
        {"desktop opens it", dir.File("lisezmoi.txt"), true, DocumentOutcome::OpenedByDesktop},
        {"no viewer on the desktop", dir.File("lisezmoi.txt"), false, DocumentOutcome::ShownInHelpWindow},
        {"file missing", dir.File("absent.html"), true, DocumentOutcome::NotShown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CloseHelp();
        handed.clear();
        desktopTakesIt = c.desktopTakesIt;
        ModalCloser closer;
        EXPECT_EQ(OpenDocument(c.file), c.outcome);
        // A missing file is never handed to the desktop, whose viewer would fail unseen.
        EXPECT_EQ(handed.contains(c.file), c.outcome != DocumentOutcome::NotShown);
        const bool inHelp = HelpWindow() && HelpWindow()->isVisible() && HelpWindow()->Source().toLocalFile() == c.file;
        EXPECT_EQ(inHelp, c.outcome == DocumentOutcome::ShownInHelpWindow);
        if (c.outcome == DocumentOutcome::NotShown) {
            ASSERT_EQ(closer.seen.size(), 1);
            EXPECT_TRUE(closer.seen.first().startsWith("Impossible d'afficher le document"));
            EXPECT_TRUE(closer.seen.first().contains("absent.html"));
        } else {
            EXPECT_TRUE(closer.seen.isEmpty());
        }
    }
}
