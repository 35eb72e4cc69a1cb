// Every window that copies a picture saves it too: "Enregistrer l'image..."
// beside the copy writes a PNG with exactly the copied pixels.
#include "app/settings/appsettings.h"
#include "motion/discwindow.h"
#include "motion/freefallwindow.h"
#include "motion/projectilewindow.h"
#include "motion/wheelwindow.h"
#include "platform/savefile.h"
#include "road/braking/brakingwindow.h"
#include "road/field/fieldwindow.h"
#include "testhelpers.h"
#include "weight/organ/organwindow.h"
#include "weight/weighing/weighingwindow.h"

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

template <typename W> std::unique_ptr<QWidget> Make()
{
    return std::make_unique<W>();
}

TEST(PictureFiles, SavedPngHoldsExactlyTheCopiedPixels)
{
    struct Case
    {
        std::unique_ptr<QWidget> (*make)();
        const char* copyButton;
        const char* fileName;
    };
    const Case cases[] = {
        {Make<TBalleF>, "CopierBout", "projectile_30ms_45deg.png"},
        {Make<TChuteF>, "CopierBout", "chute_libre_120cm.png"},
        {Make<TRoueF>, "CopierBout", "roue.png"},
        {Make<TDisqueF>, "CopierBout", "disque.png"},
        {Make<TFreinageF>, "CopierBout", "freinage.png"},
        {Make<TChampF>, "CopyBout", "champ_visuel.png"},
        {Make<TPoidsF>, "CopierBout", "poids.png"},
        {Make<TPercutaF>, "CopyBout", "orgue.png"},
    };
    AppSettings = AppSettingsRecord{};
    testing_support::TempDir dir;
    QString proposed;
    SetSavePathChooser([&](QWidget*, const SaveRequest& request) {
        proposed = QFileInfo(request.proposedPath).fileName();
        return dir.File(proposed);
    });
    for (const Case& c : cases) {
        const std::unique_ptr<QWidget> window = c.make();
        window->show();
        testing_support::ProcessEvents();
        const std::string name = window->objectName().toStdString();
        auto* copy = testing_support::Child<QToolButton>(window.get(), c.copyButton);
        ASSERT_NE(copy, nullptr) << name;
        ASSERT_NE(copy->menu(), nullptr) << name;
        QGuiApplication::clipboard()->clear();
        copy->menu()->findChild<QAction*>("CopierImageMenu")->trigger();
        const QImage copied = QGuiApplication::clipboard()->image();
        ASSERT_FALSE(copied.isNull()) << name;
        copy->menu()->findChild<QAction*>("EnregistrerImageMenu")->trigger();
        EXPECT_EQ(proposed, QString::fromLatin1(c.fileName)) << name;
        const QImage saved(dir.File(proposed), "PNG");
        EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), copied.convertToFormat(QImage::Format_RGB32)) << name;
        window->close();
    }
    SetSavePathChooser({});
    AppSettings = AppSettingsRecord{};
}

} // namespace
