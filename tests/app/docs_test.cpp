// The help, the readme and the two documents that sit beside the program:
// every link leads somewhere, nothing comes from the network, and every
// topic the program opens is an anchor the help window really finds.
#include "platform/helpviewer.h"
#include "testhelpers.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

const QString kDocs = QStringLiteral(KINEA_DOCS_DIR);

const QStringList kDocuments = {"Kinea.html", "html/cinemometres.html", "html/planis.html"};

QString readText(const QString& path)
{
    return QString::fromUtf8(testing_support::readFile(path));
}

QSet<QString> anchorsIn(const QString& html)
{
    static const QRegularExpression anchor(QStringLiteral(R"re(\s(?:name|id)\s*=\s*"([^"]+)")re"));
    QSet<QString> names;
    for (const auto& match : anchor.globalMatch(html))
        names.insert(match.captured(1));
    return names;
}

QStringList linksIn(const QString& html)
{
    static const QRegularExpression link(
        QStringLiteral(R"re(\s(?:href|src)\s*=\s*"([^"]*)"|url\(\s*['"]?([^'")]+))re"));
    QStringList links;
    for (const auto& match : link.globalMatch(html))
        links << (match.captured(1).isEmpty() ? match.captured(2) : match.captured(1));
    return links;
}

bool isRemote(const QString& link)
{
    return link.contains(QStringLiteral("://")) || link.startsWith(QStringLiteral("//"))
           || link.startsWith(QStringLiteral("mailto:"));
}

// The topic ids the program's code opens, found in its sources.
QSet<QString> topicIdsInSources()
{
    static const QRegularExpression call(
        QStringLiteral(R"re(ShowHelpTopic\(\s*(?:QStringLiteral\(|QString::fromLatin1\()?\s*"([^"]+)")re"));
    static const QRegularExpression motionTraits(
        QStringLiteral(R"re(MotionTraits\s+\w+\s*\{\s*\.helpKeyword\s*=\s*"([^"]+)")re"));
    QSet<QString> ids;
    const QDir root(QStringLiteral(KINEA_SOURCE_DIR));
    for (const QString& folder : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (folder.startsWith(QLatin1String("build")) || folder == QLatin1String("tests"))
            continue;
        QDirIterator files(root.filePath(folder), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString code = readText(files.next());
            for (const auto* pattern : {&call, &motionTraits})
                for (const auto& match : pattern->globalMatch(code))
                    ids.insert(match.captured(1));
        }
    }
    return ids;
}

// Anchor names as Qt's rich-text importer keeps them in the help window.
QSet<QString> anchorsSeenBy(const QTextBrowser* browser)
{
    QSet<QString> names;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            for (const QString& name : fragment.fragment().charFormat().anchorNames())
                names.insert(name);
    return names;
}

} // namespace

TEST(Documents, EveryLinkResolvesAndNothingIsFetchedFromTheNetwork)
{
    for (const QString& document : kDocuments) {
        const QString path = kDocs + "/" + document;
        const QString html = readText(path);
        ASSERT_FALSE(html.isEmpty()) << path.toStdString();
        EXPECT_TRUE(html.contains(QStringLiteral("charset=\"utf-8\""), Qt::CaseInsensitive)
                    || html.contains(QStringLiteral("charset=utf-8"), Qt::CaseInsensitive))
            << document.toStdString();
        EXPECT_FALSE(html.contains(QStringLiteral("@import"))) << document.toStdString();
        for (const QString& link : linksIn(html)) {
            const std::string where = (document + " -> " + link).toStdString();
            EXPECT_FALSE(isRemote(link)) << where;
            if (isRemote(link) || link.startsWith(QStringLiteral("data:")))
                continue;
            const QString file = link.section('#', 0, 0);
            const QString fragment = link.section('#', 1);
            const QString target = file.isEmpty() ? path : QFileInfo(path).dir().filePath(file);
            ASSERT_TRUE(QFileInfo::exists(target)) << where;
            if (!fragment.isEmpty()) {
                EXPECT_TRUE(anchorsIn(readText(target)).contains(fragment)) << where;
            }
        }
    }
}

TEST(Documents, ReadmeIsUtf8Text)
{
    const QByteArray bytes = testing_support::readFile(kDocs + "/lisezmoi.txt");
    ASSERT_FALSE(bytes.isEmpty());
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    EXPECT_FALSE(utf8.hasError());
    EXPECT_TRUE(text.contains(QStringLiteral("Kinea.ini")));
}

TEST(Documents, EveryTopicTheProgramOpensIsShownAtItsAnchor)
{
    QSet<QString> ids
        = {"Sommaire", "OPTIONS", "Balle", "Roue", "Disque", "FREINAGE", "CHAMP", "POIDS", "ORGUE", "Mesures"};
    const QSet<QString> fromSources = topicIdsInSources();
    EXPECT_TRUE(fromSources.contains("Balle") && fromSources.contains("OPTIONS")) << "source scan found nothing";
    ids.unite(fromSources);

    SetHelpFile(kDocs + "/Kinea.html");
    for (const QString& id : ids) {
        ShowHelpTopic(id);
        ASSERT_NE(HelpWindow(), nullptr);
        QTextBrowser* window = HelpWindow()->browser();
        testing_support::processEvents();
        EXPECT_TRUE(anchorsSeenBy(window).contains(id)) << id.toStdString();
        if (id != QLatin1String("Sommaire")) {
            EXPECT_GT(window->verticalScrollBar()->value(), 0) << id.toStdString() << " is not scrolled to";
        }
    }
    CloseHelp();
}

// The measurements a motion film exports are explained once: the contents
// and each film's own topic lead there.
TEST(Documents, ContentsAndEveryFilmTopicLeadToTheMeasurementsTopic)
{
    const QString html = readText(kDocs + "/Kinea.html");
    ASSERT_TRUE(anchorsIn(html).contains("Mesures"));
    for (const char* topic : {"Sommaire", "Balle", "Chute", "Roue", "Disque"}) {
        const qsizetype start = html.indexOf(QStringLiteral("name=\"%1\"").arg(topic));
        ASSERT_GE(start, 0) << topic;
        const qsizetype next = html.indexOf(QStringLiteral("<h2"), start);
        const QString section = html.mid(start, next < 0 ? -1 : next - start);
        EXPECT_TRUE(section.contains(QStringLiteral("href=\"#Mesures\""))) << topic;
    }
}
