// Every window that copies a picture saves it too: "Enregistrer l'image..."
// beside the copy writes a PNG with exactly the copied pixels.
#include "app/settings/appsettings.h"
#include "motion/tballef.h"
#include "motion/tchutef.h"
#include "motion/tdisquef.h"
#include "motion/trouef.h"
#include "platform/savefile.h"
#include "road/tchampf.h"
#include "road/tfreinagef.h"
#include "testhelpers.h"
#include "weight/tpercutaf.h"
#include "weight/tpoidsf.h"

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

template <typename W> std::unique_ptr<QWidget> make()
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
        {make<TBalleF>, "CopierBout", "projectile_30ms_45deg.png"},
        {make<TChuteF>, "CopierBout", "chute_libre_120cm.png"},
        {make<TRoueF>, "CopierBout", "roue.png"},
        {make<TDisqueF>, "CopierBout", "disque.png"},
        {make<TFreinageF>, "CopierBout", "freinage.png"},
        {make<TChampF>, "CopyBout", "champ_visuel.png"},
        {make<TPoidsF>, "CopierBout", "poids.png"},
        {make<TPercutaF>, "CopyBout", "orgue.png"},
    };
    AppSettings = AppSettingsRecord{};
    testing_support::TempDir dir;
    QString proposed;
    SetSavePathChooser([&](QWidget*, const SaveRequest& request) {
        proposed = QFileInfo(request.proposedPath).fileName();
        return dir.file(proposed);
    });
    for (const Case& c : cases) {
        const std::unique_ptr<QWidget> window = c.make();
        window->show();
        testing_support::processEvents();
        const std::string name = window->objectName().toStdString();
        auto* copy = testing_support::child<QToolButton>(window.get(), c.copyButton);
        ASSERT_NE(copy, nullptr) << name;
        ASSERT_NE(copy->menu(), nullptr) << name;
        QGuiApplication::clipboard()->clear();
        copy->menu()->findChild<QAction*>("CopierImageMenu")->trigger();
        const QImage copied = QGuiApplication::clipboard()->image();
        ASSERT_FALSE(copied.isNull()) << name;
        copy->menu()->findChild<QAction*>("EnregistrerImageMenu")->trigger();
        EXPECT_EQ(proposed, QString::fromLatin1(c.fileName)) << name;
        const QImage saved(dir.file(proposed), "PNG");
        EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), copied.convertToFormat(QImage::Format_RGB32)) << name;
        window->close();
    }
    SetSavePathChooser({});
    AppSettings = AppSettingsRecord{};
}

} // namespace
