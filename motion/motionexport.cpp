// What a motion window gives out besides its picture on the clipboard: the
// picture as a PNG file, the film printed as a worksheet (Ctrl+P) and the
// measurements of the marked frames, on the clipboard or as a .csv file,
// from the copy button's menu or a right click on the picture.
#include "motion/motionwindow.h"

#include "controls/plaincontrols.h"
#include "motion/motionworksheet.h"
#include "platform/savefile.h"
#include "window/picturemenu.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QToolButton>

void MotionWindow::CreateCopyMenu()
{
    CopierMenu = AddPictureMenu(
        CopierBout, {[this] { return m_frame; }, [this] { return FileStem(); }, [this] { ImprimerClick(); }});
    // A window action, so that Ctrl+P works wherever the focus is in it.
    QAction* print = CopierMenu->findChild<QAction*>(QStringLiteral("ImprimerMenu"));
    print->setText(QStringLiteral("Imprimer...\tCtrl+P"));
    auto* printKey = new QAction(this);
    printKey->setObjectName(QStringLiteral("ImprimerAction"));
    printKey->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    printKey->setShortcutContext(Qt::WindowShortcut);
    connect(printKey, &QAction::triggered, this, &MotionWindow::ImprimerClick);
    addAction(printKey);
    CopierMenu->addSeparator();
    // The shortcut is the window's own key (it works wherever the focus is);
    // the menu only shows it.
    QAction* copy = CopierMenu->addAction(QStringLiteral("Copier les mesures\tCtrl+Maj+C"), this,
                                          &MotionWindow::CopierMesuresClick);
    copy->setObjectName(QStringLiteral("CopierMesuresMenu"));
    QAction* save = CopierMenu->addAction(QStringLiteral("Enregistrer les mesures..."), this,
                                          &MotionWindow::EnregistrerMesuresClick);
    save->setObjectName(QStringLiteral("EnregistrerMesuresMenu"));

    Canevas->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Canevas, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { CopierMenu->popup(Canevas->mapToGlobal(at)); });
}

Worksheet MotionWindow::FilmWorksheet() const
{
    Worksheet sheet = WorksheetDetails();
    sheet.title = QString::fromUtf8(m_traits.title);
    return sheet;
}

MeasurementTable MotionWindow::Measurements() const
{
    return WorksheetDetails().table;
}

QString MotionWindow::FileStem() const
{
    return WorksheetDetails().fileStem;
}

void MotionWindow::ImprimerClick()
{
    const Worksheet sheet = FilmWorksheet();
    PrintWorksheet(this, sheet, sheet.fileStem);
}

void MotionWindow::CopierMesuresClick()
{
    QGuiApplication::clipboard()->setText(MeasurementsText(Measurements()));
}

void MotionWindow::EnregistrerMesuresClick()
{
    SaveCsvAs(this, MeasurementsCsv(Measurements()), FileStem());
}
