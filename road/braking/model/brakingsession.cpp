#include "road/braking/model/brakingsession.h"

#include "canvas/textformat.h"

#include <algorithm>

namespace {

// The vehicle that accelerates longer cruises this long before the danger.
constexpr int kCruiseMargin = 100;

} // namespace

void BrakingSession::SetCurrentStep(int step)
{
    m_currentStep = std::clamp(step, 0, kLastStep);
}

void BrakingSession::PrepareShow()
{
    m_runMade = false;
    m_running = {false, false};
    m_currentStep = 0;
    m_view.ResetCameras();
    m_view.Release();
    m_view.SetViewHeight(BrakingView::kDefaultViewHeight);
}

void BrakingSession::StartRun(const VehicleInputs& first, const VehicleInputs& second, int stepIncrement)
{
    m_runMade = true;
    m_view.ClearReached();
    m_stepIncrement = std::clamp(stepIncrement, 1, kLastStep);

    // A first build of each vehicle only tells how long it accelerates.
    m_vehicles[0].BuildRun(first, 0, first.speedKmh * 0.2777777777777778);
    m_vehicles[1].BuildRun(second, 0, second.speedKmh * 0.2777777777777778);
    const int lag = m_vehicles[1].AccelSteps() - m_vehicles[0].AccelSteps();
    if (lag > 0) {
        m_vehicles[0].BuildRun(first, lag + kCruiseMargin, first.speedKmh / kKmhPerMs);
        m_vehicles[1].BuildRun(second, kCruiseMargin, second.speedKmh / kKmhPerMs);
    } else {
        m_vehicles[0].BuildRun(first, kCruiseMargin, first.speedKmh / kKmhPerMs);
        m_vehicles[1].BuildRun(second, kCruiseMargin - lag, second.speedKmh / kKmhPerMs);
    }

    m_currentStep = 0;
    // A restart during a run shows both cars at the start at once.
    m_view.ResetCameras();
    m_running = {true, true};
}

bool BrakingSession::Tick(const std::function<void(int)>& drawZone)
{
    bool stepped = false;
    for (int k = 1; k <= 2; ++k) {
        const MotionRow& row = ShownRow(k);
        if (row.Phase == phStopped) {
            // The car stays where the previous tick put it; the panel shows
            // the stop.
            drawZone(k);
            m_running[Index(k)] = false;
            continue;
        }
        m_view.Follow(k, row);
        drawZone(k);
        // While vehicle 1 moves, vehicle 2 is drawn at the step already
        // advanced; once vehicle 1 has stopped, vehicle 2 advances it.
        if (!stepped) {
            stepped = true;
            SetCurrentStep(m_currentStep + m_stepIncrement);
        }
    }
    return !AnyRunning();
}

void BrakingSession::ResetRun()
{
    m_running = {false, false};
    m_view.ResetCameras();
    m_runMade = false;
    m_currentStep = 0;
}

Readout BrakingSession::Quantities(int k) const
{
    const MotionRow& row = ShownRow(k);
    const KeyPoints& keys = Vehicle(k).Keys();
    Readout readout;
    readout.speedKmh = std::max(kKmhPerMs * row.Speed, 0.0);
    readout.elapsedS = m_currentStep * kStepSeconds;
    readout.distanceM = row.Position - CarLength;
    readout.phase = row.Phase;
    // Before any run the key points describe nothing.
    if (m_runMade && m_currentStep >= keys.BrakeStep)
        readout.reactionM = keys.BrakePos - keys.ReactionPos;
    if (m_runMade && m_currentStep >= keys.StopStep)
        readout.brakingM = keys.StopPos - keys.BrakePos;
    return readout;
}

namespace {

QString DistanceText(const std::optional<double>& metres)
{
    return metres ? FormatFixed(*metres, 3, 1) + QStringLiteral(" m") : QStringLiteral("-------- ");
}

} // namespace

ReadoutTexts ReadoutLines(const Readout& readout)
{
    return {{QStringLiteral("Vitesse :"), QStringLiteral("Durée :"), QStringLiteral("Distance :"),
             QStringLiteral("d. réaction :"), QStringLiteral("d. freinage :"), PhaseText(readout.phase)},
            {FormatFixed(readout.speedKmh, 3, 1) + QStringLiteral(" km/h"),
             FormatFixed(readout.elapsedS, 3, 1) + QStringLiteral(" s"),
             FormatFixed(readout.distanceM, 3, 1) + QStringLiteral(" m"), DistanceText(readout.reactionM),
             DistanceText(readout.brakingM)}};
}
