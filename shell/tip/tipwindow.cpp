#include "shell/tip/tipwindow.h"

#include "app/settings/appsettings.h"
#include "canvas/picturehelpers.h"
#include "controls/plaincontrols.h"
#include "platform/resources/namedresources.h"
#include "window/modulewindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {

constexpr int kClientWidth = 328;
constexpr int kClientHeight = 173;
constexpr TColor kPaleGreen = 0xF5FFF5;
constexpr TColor kBoxOutline = 0x808080;
constexpr QSize kStatusSize{19, 17};
constexpr QPoint kStatusPlace{4, 4};

void SetBackground(QLabel* label, TColor color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColorFromCanvas(color));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

} // namespace

TTipF::TTipF(QWidget* parent)
    : OpeningDialog("TipF", QStringLiteral(" Astuce du jour"), QSize(kClientWidth, kClientHeight), parent,
                    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    m_tipBox = new PaintBox(this, QStringLiteral("tipBox"), QRect(14, 8, 300, 107), [this](QPainter& painter) {
        // Moved to a screen of another device pixel ratio: composed again.
        if (!m_boxPicture.isNull() && m_boxPicture.devicePixelRatio() != m_tipBox->devicePixelRatioF())
            ComposeTipBox();
        if (!m_boxPicture.isNull())
            painter.drawImage(0, 0, m_boxPicture);
    });

    m_tipLab = new QLabel(this);
    m_tipLab->setObjectName("TipLab");
    m_tipLab->setGeometry(23, 35, 281, 70);
    m_tipLab->setWordWrap(true);
    m_tipLab->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetBackground(m_tipLab, kPaleGreen);

    m_numeroLab = new QLabel(this);
    m_numeroLab->setObjectName("NumeroLab");
    m_numeroLab->move(220, 19);
    QFont small = DesignFont();
    small.setPixelSize(9);
    m_numeroLab->setFont(small);
    SetBackground(m_numeroLab, kPaleGreen);

    m_tipCroix = new QCheckBox(QStringLiteral(" Toujours afficher cette boîte de dialogue au démarrage."), this);
    m_tipCroix->setObjectName("TipCroix");
    m_tipCroix->setGeometry(12, 120, 305, 20);
    connect(m_tipCroix, &QCheckBox::clicked, this, &TTipF::TipCroixClick);

    BuildButtons();
}

void TTipF::BuildButtons()
{
    const struct
    {
        const char* name;
        const char* caption;
        int left;
        int width;
        void (TTipF::*click)();
    } buttons[] = {
        {"QuitterBout", "&Quitter", 11, 65, &TTipF::QuitterBoutClick},
        {"PrecedentBout", "Astuce &précédente", 83, 113, &TTipF::PrecedentBoutClick},
        {"SuivantBout", "Astuce &suivante", 203, 113, &TTipF::SuivantBoutClick},
    };
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(b.left, 144, b.width, 23);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, b.click);
    }
}

void TTipF::FormShow()
{
    if (QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    m_tipList = LoadTipList();
    SetCheckedSilently(m_tipCroix, AppSettings.TipFlag);
    ComposeTipBox();
    ShowCurrentTip();
}

void TTipF::FormClose()
{
    StepTip(+1);
    AppSettings.TipFlag = m_tipCroix->isChecked();
    m_tipList.clear();
}

void TTipF::ShowCurrentTip()
{
    const int count = static_cast<int>(m_tipList.size());
    // The settings file may hold any index: it is brought into the list.
    AppSettings.TipIndex = CycleIndex(AppSettings.TipIndex, count);
    m_tipLab->setText(count > 0 ? m_tipList[AppSettings.TipIndex] : QString());
    m_numeroLab->setText(count > 0 ? TipNumberText(AppSettings.TipIndex, count) : QString());
    m_numeroLab->adjustSize();
}

void TTipF::StepTip(int step)
{
    AppSettings.TipIndex
        = CycleIndex(static_cast<std::int64_t>(AppSettings.TipIndex) + step, static_cast<int>(m_tipList.size()));
}

void TTipF::SuivantBoutClick()
{
    StepTip(+1);
    ShowCurrentTip();
}

void TTipF::PrecedentBoutClick()
{
    StepTip(-1);
    ShowCurrentTip();
}

void TTipF::QuitterBoutClick()
{
    close();
}

void TTipF::TipCroixClick()
{
    ComposeTipBox();
    m_tipBox->update();
}

void TTipF::ComposeTipBox()
{
    const qreal ratio = m_tipBox->devicePixelRatioF();
    if (m_tipCache.isNull() || m_tipCache.devicePixelRatio() != ratio) {
        // The two status pictures stand on a key colour, taken from their corner.
        m_tipCache = LoadNamedPicture(QStringLiteral("TipCache"), QSize(), ratio).convertToFormat(QImage::Format_RGB32);
        if (!m_tipCache.isNull())
            ReplaceColor(m_tipCache, CanvasFromQColor(m_tipCache.pixelColor(0, 0)), kPaleGreen);
    }
    m_boxPicture = NewPicture(QSize(300, 107), ratio);
    Canvas canvas(m_boxPicture);
    canvas.pen = {kBoxOutline, 1, PenStyle::Solid};
    canvas.brush = {kPaleGreen, BrushStyle::Solid};
    canvas.Rectangle(0, 0, 300, 107);
    const int half = m_tipCroix->isChecked() ? 0 : kStatusSize.width();
    canvas.CopyRect(QRect(kStatusPlace, kStatusSize), m_tipCache, QRect(QPoint(half, 0), kStatusSize));
    canvas.font.SetPointSize(12);
    canvas.font.bold = true;
    canvas.font.color = 0x000000;
    canvas.brush.style = BrushStyle::Clear;
    canvas.TextOut(26, 5, QStringLiteral("Le saviez-vous..."));
}

// ---- the hints

QStringList ParseTipLines(const QByteArray& bytes)
{
    QStringList tips;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\r', start);
        if (end < 0)
            end = bytes.size();
        const QByteArray line = bytes.mid(start, end - start);
        if (line == "FIN")
            break;
        tips.append(DecodeWindows1252(line));
        start = end + 1;
        if (start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    return tips;
}

QStringList LoadTipList()
{
    return ParseTipLines(LoadNamedResource(QStringLiteral("TIPS")));
}

QString TipNumberText(int index, int count)
{
    return QStringLiteral("Astuce n° %1 sur %2").arg(index + 1).arg(count);
}
