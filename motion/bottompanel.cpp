// The bottom panel shared by the projectile, wheel and disc windows: help,
// close, copy and calculator on the left, the frame rate and traces in the
// middle, the transport on the right.
#include "motion/motionwindow.h"

#include "motion/legendsquare.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QToolButton>

namespace {

constexpr int kBigButtonW = 33;
constexpr int kBigButtonH = 30;
constexpr int kButtonW = 33;
constexpr int kButtonH = 28;
constexpr int kCheckW = 87;
constexpr int kCheckH = 17;

QFrame* verticalBevel(QWidget* panel, int x)
{
    auto* bevel = new QFrame(panel);
    bevel->setFrameShape(QFrame::VLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(x, 0, 2, panel->height());
    return bevel;
}

} // namespace

void MotionWindow::buildBottomPanel(int panelHeight, int canvasTop)
{
    m_canvasTop = canvasTop;
    m_bottomPanel = new QWidget(this);
    m_bottomPanel->setObjectName(QStringLiteral("Panel1"));
    m_bottomPanel->resize(width(), panelHeight);

    place(AideBout, m_bottomPanel, 3, 3, kBigButtonW, kBigButtonH);
    place(CloseBout, m_bottomPanel, 3, 36, kBigButtonW, kBigButtonH);
    place(CopierBout, m_bottomPanel, 37, 3, kBigButtonW, kBigButtonH);
    place(CalcBout, m_bottomPanel, 37, 36, kBigButtonW, kBigButtonH);
    verticalBevel(m_bottomPanel, 72);
    place(IpsCombo, m_bottomPanel, 80, 4, 61, 21);
    for (int p = 0, row = 0; p < 3; ++p) {
        if (!TraceChecks[std::size_t(p)])
            continue;
        // A lone point B sits on the first row, as A would.
        place(TraceChecks[std::size_t(p)], m_bottomPanel, 148, 3 + 20 * row, kCheckW, kCheckH);
        place(Carres[std::size_t(p)], m_bottomPanel, 236, 5 + 20 * row, 12, 12);
        ++row;
    }
    verticalBevel(m_bottomPanel, 251);
    place(DebutBout, m_bottomPanel, 257, 3, kButtonW, kButtonH);
    place(ArriereBout, m_bottomPanel, 291, 3, kButtonW, kButtonH);
    place(AvantBout, m_bottomPanel, 325, 3, kButtonW, kButtonH);
    place(FinBout, m_bottomPanel, 359, 3, kButtonW, kButtonH);
    place(StopBout, m_bottomPanel, 257, 32, kButtonW, kButtonH);
    place(PlayBout, m_bottomPanel, 291, 32, kButtonW, kButtonH);
    if (BoucleBout)
        place(BoucleBout, m_bottomPanel, 325, 32, kButtonW, kButtonH);
}
