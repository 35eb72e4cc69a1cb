// Desktop services: named resources, Windows-1252 texts, help window.
#include "platform/desktop.h"
#include "platform/helpviewer.h"
#include "platform/resources/namedresources.h"
#include "testhelpers.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMap>
#include <QTimer>
#include <gtest/gtest.h>

TEST(Windows1252, DecodesAccentsAndTheTypographicRange)
{
    EXPECT_EQ(DecodeWindows1252("Acc\xe8s aux  pr\xe9"
                                "f\xe9rences"),
              QString::fromUtf8("Accès aux  préférences"));
    EXPECT_EQ(DecodeWindows1252("\x80\x85\x92\x9c"), QString::fromUtf8("€…’œ"));
    EXPECT_EQ(DecodeWindows1252("\x81"), QString(QChar(0xFFFD)));
    EXPECT_EQ(DecodeWindows1252("a\r\nb").size(), 4);
}

TEST(NamedResources, FoundWithoutRegardToCase)
{
    const QString path = NamedResourcePath("PuceBleue");
    ASSERT_FALSE(path.isEmpty());
    EXPECT_EQ(NamedResourcePath("pucebleue"), path);
    EXPECT_EQ(NamedResourcePath("PUCEBLEUE"), path);
    EXPECT_TRUE(NamedResourcePath("PasDeCeNom").isEmpty());
    EXPECT_TRUE(LoadNamedResource("PasDeCeNom").isEmpty());
    EXPECT_TRUE(LoadNamedPicture("PasDeCeNom").isNull());
}

TEST(NamedResources, BulletsAreThirteenByNine)
{
    for (const char* name : {"PuceBleue", "PuceRouge", "PuceGrise"}) {
        const QImage bullet = LoadNamedPicture(name);
        EXPECT_EQ(bullet.size(), QSize(13, 9)) << name;
    }
}

TEST(HelpViewer, OpensAtTheTopicAnchorAndCloses)
{
    testing_support::TempDir dir;
    testing_support::WriteFile(dir.File("aide.html"), "<html><body><a name=\"Sommaire\"></a><p>Sommaire</p>"
                                                      "<a name=\"Balle\"></a><p>Balle</p></body></html>");
    SetHelpFile(dir.File("aide.html"));
    ShowHelpTopic("Balle");
    THelpF* window = HelpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Source().fragment(), "Balle");
    CloseHelp();
    EXPECT_FALSE(window->isVisible());
}

TEST(Display, SizeIsCountedInDevicePixels)
{
    const struct
    {
        const char* name;
        QSize logical;
        qreal ratio;
        QSize device;
    } rows[] = {
        {"unscaled", {1024, 768}, 1.0, {1024, 768}},
        {"scaled by 1.5", {1280, 720}, 1.5, {1920, 1080}},
        {"scaled by 2", {1440, 900}, 2.0, {2880, 1800}},
        {"scaled by 1.25", {1229, 691}, 1.25, {1536, 864}},
    };
    for (const auto& row : rows) {
        const DisplayInfo display = DeviceDisplay(30, row.logical, row.ratio);
        EXPECT_EQ(QSize(display.width, display.height), row.device) << row.name;
        EXPECT_EQ(display.bitsPerPixel, 30) << row.name;
    }
}

// One lock per display, so that each desktop session of an account runs its
// own copy.
TEST(SingleCopy, LockNameFollowsTheDisplayElseTheSession)
{
    const struct
    {
        const char* name;
        const char* platform;
        QMap<QString, QString> env;
        const char* lock;
    } rows[] = {
        {"X display", "xcb", {{"DISPLAY", ":0"}, {"XDG_SESSION_ID", "3"}}, "kinea-x11-0.lock"},
        {"X screen of that display", "xcb", {{"DISPLAY", ":0.1"}}, "kinea-x11-0.lock"},
        {"another X display", "xcb", {{"DISPLAY", ":92"}}, "kinea-x11-92.lock"},
        {"a path in DISPLAY", "xcb", {{"DISPLAY", "/tmp/../x:3"}}, "kinea-x11-_tmp_.._x_3.lock"},
        {"Wayland display", "wayland", {{"WAYLAND_DISPLAY", "wayland-1"}}, "kinea-wayland-wayland-1.lock"},
        {"no display: the session",
         "offscreen",
         {{"DISPLAY", ":0"}, {"XDG_SESSION_ID", "c2"}},
         "kinea-session-c2.lock"},
        {"neither", "offscreen", {}, "kinea.lock"},
    };
    for (const auto& row : rows) {
        const auto env = [&](const char* name) { return row.env.value(QString::fromLatin1(name)); };
        EXPECT_EQ(InstanceLockName(QString::fromLatin1(row.platform), env), QString::fromLatin1(row.lock)) << row.name;
    }
}

TEST(HelpViewer, HelpOpenedFromAModalDialogBelongsToIt)
{
    testing_support::TempDir dir;
    testing_support::WriteFile(dir.File("aide.html"), "<html><body><a name=\"OPTIONS\"></a></body></html>");
    SetHelpFile(dir.File("aide.html"));
    QDialog dialog;
    QWidget* parentSeen = &dialog; // anything but the expected value
    QTimer::singleShot(0, &dialog, [&] {
        ShowHelpTopic("OPTIONS");
        parentSeen = HelpWindow()->parentWidget();
        dialog.reject();
    });
    dialog.exec();
    EXPECT_EQ(parentSeen, &dialog);
    EXPECT_TRUE(HelpWindow()->isWindow());

    ShowHelpTopic("OPTIONS"); // no modal dialog any more: a window of its own
    EXPECT_EQ(HelpWindow()->parentWidget(), nullptr);
    CloseHelp();
}

TEST(ToolkitFrench, QtsOwnPrintDialogSpeaksFrenchWhereItsTranslationsAreInstalled)
{
    const QString translations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(translations + "/qtbase_fr.qm"))
        GTEST_SKIP() << "Qt's translations (qt6-translations-l10n) are not installed";
    ASSERT_TRUE(InstallToolkitFrench());
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), "Imprimer");
    EXPECT_TRUE(InstallToolkitFrench()); // a second call changes nothing
}
