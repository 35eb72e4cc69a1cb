// The help, the readme and the two documents that sit beside the program:
// every link leads somewhere, nothing comes from the network, every topic
// the program opens is an anchor the help window really finds, the units
// and the typography are right, and the licence is named where it is read.
#include "motion/model/measurements.h"
#include "motion/motiontraits.h"
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
#include <algorithm>
#include <gtest/gtest.h>

namespace {

const QString kDocs = QStringLiteral(KINEA_DOCS_DIR);

const QStringList kDocuments = {"Kinea.html", "html/cinemometres.html", "html/planis.html"};

QString ReadText(const QString& path)
{
    return QString::fromUtf8(testing_support::ReadFile(path));
}

QSet<QString> AnchorsIn(const QString& html)
{
    static const QRegularExpression anchor(QStringLiteral(R"re(\s(?:name|id)\s*=\s*"([^"]+)")re"));
    QSet<QString> names;
    for (const auto& match : anchor.globalMatch(html))
        names.insert(match.captured(1));
    return names;
}

QStringList LinksIn(const QString& html)
{
    static const QRegularExpression link(
        QStringLiteral(R"re(\s(?:href|src)\s*=\s*"([^"]*)"|url\(\s*['"]?([^'")]+))re"));
    QStringList links;
    for (const auto& match : link.globalMatch(html))
        links << (match.captured(1).isEmpty() ? match.captured(2) : match.captured(1));
    return links;
}

bool IsRemote(const QString& link)
{
    return link.contains(QStringLiteral("://")) || link.startsWith(QStringLiteral("//"))
           || link.startsWith(QStringLiteral("mailto:"));
}

// The topic ids the program's code opens, found in its sources.
QSet<QString> TopicIdsInSources()
{
    static const QRegularExpression call(
        QStringLiteral(R"re(ShowHelpTopic\(\s*(?:QStringLiteral\(|QString::fromLatin1\()?\s*"([^"]+)")re"));
    QSet<QString> ids;
    const QDir root(QStringLiteral(KINEA_SOURCE_DIR));
    for (const QString& folder : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (folder.startsWith(QLatin1String("build")) || folder == QLatin1String("tests"))
            continue;
        QDirIterator files(root.filePath(folder), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString code = ReadText(files.next());
            for (const auto& match : call.globalMatch(code))
                ids.insert(match.captured(1));
        }
    }
    // The films open the topic their traits name.
    for (MotionKind film : {MotionKind::Projectile, MotionKind::FreeFall, MotionKind::Wheel, MotionKind::Disc})
        ids.insert(QString::fromLatin1(FilmTraits(film).helpKeyword));
    return ids;
}

// Anchor names as Qt's rich-text importer keeps them in the help window.
QSet<QString> AnchorsSeenBy(const QTextBrowser* browser)
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
        const QString html = ReadText(path);
        ASSERT_FALSE(html.isEmpty()) << path.toStdString();
        EXPECT_TRUE(html.contains(QStringLiteral("charset=\"utf-8\""), Qt::CaseInsensitive)
                    || html.contains(QStringLiteral("charset=utf-8"), Qt::CaseInsensitive))
            << document.toStdString();
        EXPECT_FALSE(html.contains(QStringLiteral("@import"))) << document.toStdString();
        for (const QString& link : LinksIn(html)) {
            const std::string where = (document + " -> " + link).toStdString();
            EXPECT_FALSE(IsRemote(link)) << where;
            if (IsRemote(link) || link.startsWith(QStringLiteral("data:")))
                continue;
            const QString file = link.section('#', 0, 0);
            const QString fragment = link.section('#', 1);
            const QString target = file.isEmpty() ? path : QFileInfo(path).dir().filePath(file);
            ASSERT_TRUE(QFileInfo::exists(target)) << where;
            if (!fragment.isEmpty()) {
                EXPECT_TRUE(AnchorsIn(ReadText(target)).contains(fragment)) << where;
            }
        }
    }
}

TEST(Documents, ReadmeIsUtf8Text)
{
    const QByteArray bytes = testing_support::ReadFile(kDocs + "/lisezmoi.txt");
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
    const QSet<QString> fromSources = TopicIdsInSources();
    EXPECT_TRUE(fromSources.contains("Balle") && fromSources.contains("OPTIONS")) << "source scan found nothing";
    ids.unite(fromSources);

    SetHelpFile(kDocs + "/Kinea.html");
    for (const QString& id : ids) {
        ShowHelpTopic(id);
        ASSERT_NE(HelpWindow(), nullptr);
        QTextBrowser* window = HelpWindow()->Browser();
        testing_support::ProcessEvents();
        EXPECT_TRUE(AnchorsSeenBy(window).contains(id)) << id.toStdString();
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
    const QString html = ReadText(kDocs + "/Kinea.html");
    ASSERT_TRUE(AnchorsIn(html).contains("Mesures"));
    for (const char* topic : {"Sommaire", "Balle", "Chute", "Roue", "Disque"}) {
        const qsizetype start = html.indexOf(QStringLiteral("name=\"%1\"").arg(topic));
        ASSERT_GE(start, 0) << topic;
        const qsizetype next = html.indexOf(QStringLiteral("<h2"), start);
        const QString section = html.mid(start, next < 0 ? -1 : next - start);
        EXPECT_TRUE(section.contains(QStringLiteral("href=\"#Mesures\""))) << topic;
    }
}

namespace {

// The text a reader sees: tags, styles and scripts left out, entities
// decoded (&nbsp; becomes U+00A0).
QString VisibleText(QString html)
{
    static const QRegularExpression hidden(QStringLiteral("<(style|script|code)[^>]*>.*?</\\1>"),
                                           QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    html.remove(hidden).remove(comment).remove(tag);
    html.replace(QStringLiteral("&nbsp;"), QStringLiteral("\u00a0"))
        .replace(QStringLiteral("&#160;"), QStringLiteral("\u00a0"));
    return html;
}

std::string SortedText(const QSet<QString>& words)
{
    QStringList list(words.begin(), words.end());
    list.sort();
    return list.join(QLatin1Char(' ')).toStdString();
}

} // namespace

// French typography: a number never ends a line without its unit, nor a
// word without its colon, semicolon, question or exclamation mark, in the
// text and in the drawings' labels alike: those spaces are no-break ones.
TEST(Documents, NoNumberIsCutFromItsUnitNorAWordFromItsPunctuation)
{
    static const QRegularExpression cut(
        QStringLiteral(
            "\\d[ \\t\\n]+(km/h|km|cm|mm|m/s²|m/s|m|kg|g|t|N/kg|N|s|min|h|µs|Hz|GHz|ips|rad/s|°C|%)(?![\\w/])"
            "|\\S[ \\t\\n]+[:;?!»]|«[ \\t\\n]"),
        QRegularExpression::UseUnicodePropertiesOption);
    for (const QString& document : kDocuments) {
        const QString text = VisibleText(ReadText(kDocs + "/" + document));
        for (const auto& match : cut.globalMatch(text))
            ADD_FAILURE() << document.toStdString() << ": \""
                          << text.mid(std::max<qsizetype>(0, match.capturedStart() - 30), match.capturedLength() + 40)
                                 .simplified()
                                 .toStdString()
                          << "\"";
    }
}

// Each film's topic names the units its measurements are exported in.
TEST(Documents, EachFilmTopicNamesTheUnitsOfItsExportedTable)
{
    const QString html = ReadText(kDocs + "/Kinea.html");
    const struct
    {
        const char* topic;
        MeasurementTable table;
    } films[] = {
        {"Balle", ProjectileMeasurements(20, 45)},
        {"Chute", FreeFallMeasurements(1'200'000)},
        {"Roue", WheelMeasurements()},
        {"Disque", DiscMeasurements()},
    };
    static const QRegularExpression unitNamed(QStringLiteral("\\((cm|m|s|°)[,)]"));
    for (const auto& film : films) {
        const qsizetype start = html.indexOf(QStringLiteral("<h3>Mesures</h3>"),
                                             html.indexOf(QStringLiteral("name=\"%1\"").arg(film.topic)));
        ASSERT_GE(start, 0) << film.topic;
        const QString paragraph = VisibleText(html.mid(start, html.indexOf(QStringLiteral("</p>"), start) - start));
        QSet<QString> named;
        for (const auto& match : unitNamed.globalMatch(paragraph))
            named.insert(match.captured(1));
        QSet<QString> exported;
        for (const MeasurementColumn& column : film.table.columns)
            exported.insert(column.unit);
        EXPECT_EQ(SortedText(named), SortedText(exported))
            << film.topic << ": " << paragraph.simplified().toStdString();
    }
}

// The licence the package declares is the one whose text the sources carry
// and that the readmes name.
TEST(Documents, ReadmesNameTheLicenceThePackageDeclaresAndItsTextIsThere)
{
    const QString packaging = ReadText(QStringLiteral(KINEA_SOURCE_DIR "/packaging/CMakeLists.txt"));
    static const QRegularExpression declared(QStringLiteral("set\\(KINEA_LICENSE \"([^\"]+)\"\\)"));
    const QString licence = declared.match(packaging).captured(1);
    ASSERT_EQ(licence, QStringLiteral("GPL-3.0-or-later"));
    for (const QString& readme :
         {QStringLiteral(KINEA_DOCS_DIR "/lisezmoi.txt"), QStringLiteral(KINEA_SOURCE_DIR "/README.md")})
        EXPECT_TRUE(ReadText(readme).contains(licence)) << readme.toStdString();
    const QString text = ReadText(QStringLiteral(KINEA_SOURCE_DIR "/COPYING"));
    EXPECT_TRUE(text.simplified().startsWith(QStringLiteral("GNU GENERAL PUBLIC LICENSE Version 3, 29 June 2007")));
    EXPECT_TRUE(text.contains(QStringLiteral("How to Apply These Terms to Your New Programs")));
}
