#include "shell/preferences/preferenceswindow.h"

#include "canvas/canvas.h"
#include "canvas/picturehelpers.h"
#include "controls/plaincontrols.h"
#include "controls/tapibutton.h"
#include "controls/tapicheckbox.h"
#include "platform/helpviewer.h"
#include "shell/preferences/preferencescolorpage.h"
#include "shell/preferences/preferencesdrawing.h"
#include "window/modulewindow.h"

#include <QHideEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QScreen>
#include <QStackedWidget>

int PreferencesPage = 0;

namespace {

// The dialog is created once at start-up; module windows reach it here.
TPreferencesF* g_dialog = nullptr;

// The modules' settings that "Autoriser" and "Interdire" set together.
constexpr bool AppSettingsRecord::*kAllowFlags[] = {
    &AppSettingsRecord::OrgueAllowFlag,
    &AppSettingsRecord::FreinageAllowFlag,
    &AppSettingsRecord::ChampAllowFlag,
};

} // namespace

void RunPreferencesDialog(int page)
{
    PreferencesPage = page;
    if (g_dialog)
        g_dialog->exec();
}

TPreferencesF::TPreferencesF(QWidget* parent)
    : OpeningDialog("PreferencesF", QStringLiteral(" Préférences"), QSize(540, 294), parent,
                    Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    BuildList();
    const auto paintBanner = [this](QPainter& painter) {
        // Moved to a screen of another device pixel ratio: drawn again.
        if (!m_banner.isNull() && m_banner.devicePixelRatio() != m_bannerBox->devicePixelRatioF())
            DrawBanner();
        if (!m_banner.isNull())
            painter.drawImage(0, 0, m_banner);
    };
    m_bannerBox = new PaintBox(this, QStringLiteral("BannerBox"), QRect(QPoint(138, 6), kBannerSize), paintBanner);
    m_pages = BuildPreferencesPages(this);
    m_pages.stack->setGeometry(140, 32, 393, 225);
    connect(m_pages.autoriser, &TAPIButton::clicked, this, &TPreferencesF::AutoriserBoutClick);
    connect(m_pages.interdire, &TAPIButton::clicked, this, &TPreferencesF::InterdireBoutClick);
    BuildButtons();
    g_dialog = this;
}

TPreferencesF::~TPreferencesF()
{
    if (g_dialog == this)
        g_dialog = nullptr;
}

void TPreferencesF::BuildList()
{
    m_list = new QListWidget(this);
    m_list->setObjectName("PagesList");
    m_list->setGeometry(4, 5, 133, 257);
    m_list->setViewMode(QListView::ListMode);
    m_list->setIconSize(kPageIconSize);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int page = 0; page < kPreferencesPageCount; ++page) {
        new QListWidgetItem(IconAtRatios([page](qreal ratio) { return PreferencesPageIcon(page, ratio); }),
                            PreferencesPageCaption(page), m_list);
    }
    connect(m_list, &QListWidget::currentRowChanged, this, &TPreferencesF::PagesListChange);
    // A click below the items would clear the highlight while the page
    // stays: the page shown keeps its item selected.
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
        if (m_list->selectedItems().isEmpty() && m_list->currentItem())
            m_list->currentItem()->setSelected(true);
    });
}

void TPreferencesF::BuildButtons()
{
    const struct
    {
        const char* name;
        const char* caption;
        int left;
        void (TPreferencesF::*click)();
    } buttons[] = {
        {"OkBout", "Ok", 148, &TPreferencesF::OkBoutClick},
        {"AnnulerBout", "Annuler", 248, &TPreferencesF::AnnulerBoutClick},
        {"AideBout", "Aide", 348, &TPreferencesF::AideBoutClick},
    };
    for (const auto& b : buttons) {
        auto* button = new TAPIButton(QString::fromLatin1(b.name), this);
        button->SetCaption(QString::fromLatin1(b.caption));
        button->SetCaptionHAlign(btnHCenter);
        button->SetCaptionVAlign(btnVCenter);
        button->setGeometry(b.left, 264, 90, 25);
        button->setAutoDefault(false);
        connect(button, &TAPIButton::clicked, this, b.click);
    }
    findChild<TAPIButton*>("OkBout")->setDefault(true);
}

int TPreferencesF::CurrentPage() const
{
    return m_pages.stack->currentIndex();
}

void TPreferencesF::FormShow()
{
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    PreferencesPage = ClampPreferencesPage(PreferencesPage);
    m_list->setFocus();
    if (m_list->currentRow() == PreferencesPage)
        PagesListChange(PreferencesPage);
    else
        m_list->setCurrentRow(PreferencesPage);

    m_pages.colors->Begin();
    LoadControls();
}

void TPreferencesF::LoadControls()
{
    for (const auto& [row, box] : m_pages.checks)
        box->setChecked(AppSettings.*row->flag);
    m_colorBackup = ReadColors(AppSettings);
    m_pages.colors->Redraw();
}

void TPreferencesF::PagesListChange(int row)
{
    if (row < 0 || row >= kPreferencesPageCount)
        return;
    m_pages.stack->setCurrentIndex(row);
    if (!IsOpen())
        return;
    PreferencesPage = row;
    DrawBanner();
}

void TPreferencesF::DrawBanner()
{
    const qreal ratio = m_bannerBox->devicePixelRatioF();
    m_banner = NewPicture(kBannerSize, ratio);
    m_iconBitmap = NewPicture(kPageIconSize, ratio);
    const TColor face = CanvasFromQColor(palette().color(QPalette::Button));
    DrawPreferencesBanner(m_banner, m_iconBitmap, PreferencesPageDrawing(CurrentPage(), ratio),
                          PreferencesPageCaption(CurrentPage()), face);
    m_bannerBox->update();
}

void TPreferencesF::OkBoutClick()
{
    for (const auto& [row, box] : m_pages.checks)
        AppSettings.*row->flag = box->isChecked();
    accept();
}

void TPreferencesF::AnnulerBoutClick()
{
    WriteColors(AppSettings, m_colorBackup);
    reject();
}

void TPreferencesF::AideBoutClick()
{
    ShowHelpTopic(QStringLiteral("OPTIONS"));
}

void TPreferencesF::AutoriserBoutClick()
{
    SetAllowChecks(true);
}

void TPreferencesF::InterdireBoutClick()
{
    SetAllowChecks(false);
}

void TPreferencesF::SetAllowChecks(bool allowed)
{
    for (const auto flag : kAllowFlags)
        for (const auto& [row, box] : m_pages.checks)
            if (row->flag == flag)
                box->setChecked(allowed);
}

// Escape is the "Annuler" button; the close box only drops the check boxes.
void TPreferencesF::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        AnnulerBoutClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

// Ok, Annuler, Escape and the close box all end here.
void TPreferencesF::FormClose()
{
    m_banner = QImage();
    m_iconBitmap = QImage();
    m_pages.colors->End();
}
