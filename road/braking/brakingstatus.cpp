// The braking window and the mouse: the status line that describes what
// lies under it, dragging a zone, and zooming with the wheel anywhere over
// the window.
#include "road/braking/brakingwindow.h"

#include "controls/plaincontrols.h"
#include "platform/calculatorname.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>
#include <QWheelEvent>
#include <array>

namespace {

const std::array<const char*, 15> kStatusTexts{
    "Molette de la souris pour zoomer | Bouton démarrer pour lancer l'animation",
    "Démarre les véhicules",
    "Mettre en pause l'animation",
    "Envoyer les véhicules à leur point de départ ( mise à zéro complète )",
    "Modifie l'échelle temporelle ( lente, normale, accélérée )",
    "Réalise un zoom adapté à l'observation du freinage ( permet de visualiser distance de réaction et de "
    "freinage )",
    "Zoom avant sur l'animation ( possible également avec la molette de la souris )",
    "Zoom arrière sur l'animation ( possible également avec la molette de la souris )",
    "Zone de visualisation de l'animation | Cliquer et glisser pour modifier le point de vue | Molette de la "
    "souris pour zoomer",
    "Définir la vitesse atteinte par l'un des véhicules",
    "Quitter la fenêtre et revenir au menu",
    "Copier les visualisations dans le presse-papiers",
    "Ouvrir {calculatrice} ( si disponible )",
    "Accéder à l'aide du logiciel",
    "Accéder à la boîte de dialogue \"Préférences du logiciel\"",
};

constexpr int kPanelMessage = 0;
constexpr int kZoneMessage = 8;

} // namespace

QString TFreinageF::StatusText(int index)
{
    if (index < 0 || index >= int(kStatusTexts.size()))
        return {};
    return WithCalculatorName(QString::fromUtf8(kStatusTexts[std::size_t(index)]));
}

void TFreinageF::WatchControls()
{
    const std::array<std::pair<QWidget*, int>, 18> described{{
        {Panneau, kPanelMessage},
        {DepartBout, 1},
        {PauseBout, 2},
        {StopBout, 3},
        {PasLab, 4},
        {ZoomAdapteBout, 5},
        {ZoomPlusBout, 6},
        {ZoomMoinsBout, 7},
        {SpeedLabs[0], 9},
        {SpeedEds[0], 9},
        {SpeedLabs[1], 9},
        {SpeedEds[1], 9},
        {CloseBout, 10},
        {CopierBout, 11},
        {CalcBout, 12},
        {AideBout, 13},
        {OptionsBout, 14},
        {this, kPanelMessage},
    }};
    for (const auto& [control, message] : described) {
        control->setMouseTracking(true);
        m_messageOf.insert(control, message);
        // The status line is this window's hint: a screen reader says it.
        if (message != kPanelMessage)
            control->setAccessibleDescription(StatusText(message));
    }
    // The zones say their text themselves, unless a drag is under way.
    for (PaintBox* zone : m_zones)
        zone->setMouseTracking(true);
    // Every control hands the wheel to the window: it zooms wherever the
    // mouse stands.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool TFreinageF::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        MouseWheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    }
    if (event->type() == QEvent::MouseMove) {
        const auto found = m_messageOf.constFind(watched);
        if (found != m_messageOf.constEnd()) {
            ShowMessage(*found);
            // A control that ignores the move would hand it on to the
            // panel, whose own text would replace the control's.
            if (static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton && *found != kPanelMessage)
                return true;
        }
    }
    return ModuleWindow::eventFilter(watched, event);
}

void TFreinageF::mouseMoveEvent(QMouseEvent* event)
{
    ShowMessage(kPanelMessage);
    ModuleWindow::mouseMoveEvent(event);
}

void TFreinageF::wheelEvent(QWheelEvent* event)
{
    MouseWheel(event->angleDelta().y());
}

void TFreinageF::ShowMessage(int index)
{
    if (index == m_lastMessage)
        return;
    m_lastMessage = index;
    ShortenMessage();
}

// The status text, cut with "..." until it fits the line.
void TFreinageF::ShortenMessage()
{
    const QString text = StatusText(m_lastMessage);
    const QFontMetrics metrics = MessLab->fontMetrics();
    QString kept = text;
    QString shown = text;
    while (metrics.horizontalAdvance(shown) > m_messageWidth && !kept.isEmpty()) {
        kept.chop(1);
        shown = kept + QStringLiteral("...");
    }
    MessLab->setText(shown);
}

// ---- dragging a zone ----------------------------------------------------------------

void TFreinageF::ZoneMouseDown(int, QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_session.View().Press(event->position().toPoint().x());
}

void TFreinageF::ZoneMouseMove(int k, QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) && m_session.View().DragTo(k, event->position().toPoint().x())) {
        DrawZone(k);
        return;
    }
    ShowMessage(kZoneMessage);
}

void TFreinageF::ZoneMouseUp(QMouseEvent*)
{
    m_session.View().Release();
}
