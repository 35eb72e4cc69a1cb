// The long run (`make soak`): a long random use of every window, then every
// animation kept running for KINEA_SOAK_SECONDS (600): the motion films
// looping one window after another, the braking run restarted, the weight
// globes turning to new places, the organ firing. Reports the resident
// memory when the animations have settled and at the end, and fails when it
// grew by more than 2 MB, or when a timer ran faster than 10 ms.
#include "modalcloser.h"
#include "monkey.h"
#include "programdriver.h"
#include "testfiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <random>

using namespace robustness;

namespace {

const char* const kMotionWindows[] = {"BalleF", "ChuteF", "RoueF", "DisqueF"};
constexpr long kAllowedGrowthKb = 2048;

QAbstractButton* Button(QWidget* window, const char* name)
{
    return window->findChild<QAbstractButton*>(QString::fromLatin1(name));
}

QTimer* Timer(QWidget* window, const char* name)
{
    return window->findChild<QTimer*>(QString::fromLatin1(name));
}

// Keeps every animation going, a little at a time, from a timer.
class Animations
{
public:
    explicit Animations(Program& program)
        : m_program(program)
    {
        for (const char* name : {"FreinageF", "PercutaF", "PoidsF", "SplashF"})
            OpenWindow(program.Window(name));
        StartAnimation(program.Window("PoidsF"));
        NextMotionWindow();
    }

    // Called every 250 ms.
    void Step(qint64 elapsedMs)
    {
        if (elapsedMs / 60000 != m_minute) {
            m_minute = elapsedMs / 60000;
            NextMotionWindow();
        }
        QWidget* motion = m_program.Window(kMotionWindows[m_motion]);
        if (!Timer(motion, "PlayTimer")->isActive())
            Button(motion, "PlayBout")->click();

        QWidget* braking = m_program.Window("FreinageF");
        if (!Timer(braking, "AnimTimer")->isActive())
            Button(braking, "DepartBout")->click();

        QWidget* organ = m_program.Window("PercutaF");
        if (!Timer(organ, "AnimTimer")->isActive()) {
            QAbstractButton* launch = Button(organ, "DepartBout");
            if (!launch->isEnabled()) {
                // Thirty tubes: a new opening starts an empty organ.
                organ->close();
                OpenWindow(organ);
            }
            m_random() % 2 ? StepSpin(organ, "SpeedSpin") : StepSpin(organ, "MasseSpin");
            launch->click();
        }

        if (++m_steps % 16 == 0) {
            QWidget* weight = m_program.Window("PoidsF");
            const char* combos[] = {"Lieu1Combo", "Lieu2Combo", "Lieu3Combo"};
            auto* combo = weight->findChild<QComboBox*>(combos[m_random() % 3]);
            combo->setCurrentIndex(int(m_random() % std::uint32_t(combo->count())));
        }
    }

private:
    void StepSpin(QWidget* organ, const char* spin)
    {
        QWidget* spinButton = organ->findChild<QWidget*>(QString::fromLatin1(spin));
        const auto buttons = spinButton->findChildren<QAbstractButton*>();
        if (!buttons.isEmpty())
            buttons[int(m_random() % std::uint32_t(buttons.size()))]->click();
    }

    void NextMotionWindow()
    {
        m_program.Window(kMotionWindows[m_motion])->close();
        m_motion = (m_motion + 1) % int(std::size(kMotionWindows));
        OpenWindow(m_program.Window(kMotionWindows[m_motion]));
    }

    Program& m_program;
    std::mt19937 m_random{7};
    int m_motion = 0;
    qint64 m_minute = 0;
    long m_steps = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("PATH", "/nonexistent");
    QApplication app(argc, argv);
    const int seconds = EnvInt("KINEA_SOAK_SECONDS", 600);
    const int events = EnvInt("KINEA_MONKEY_EVENTS", 3000);
    const auto seed = std::uint32_t(EnvInt("KINEA_MONKEY_SEED", 1));

    testing_support::TempDir folder;
    Program program(folder.Path());
    ModalCloser answerer(5);
    QStringList fast;

    long sent = 0;
    for (std::uint32_t i = 0; i < std::size(kAllWindows); ++i) {
        Monkey monkey(seed * 100 + i);
        monkey.Play(program.Window(kAllWindows[i]), events);
        sent += monkey.EventsSent();
        fast << monkey.FastTimers();
    }
    std::printf("random use: %ld events, seed %u, %d dialogs answered\n", sent, seed, answerer.Answered());

    Animations animations(program);
    QElapsedTimer clock;
    clock.start();
    QTimer driver;
    driver.setInterval(250);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        animations.Step(clock.elapsed());
        for (const ProgramWindow& window : program.Windows())
            fast << FastTimers(window.widget);
    });
    driver.start();
    QEventLoop loop;
    // The caches of the first pictures are made in the first half-minute.
    const int settleMs = std::min(30, seconds / 10) * 1000;
    long startKb = 0;
    QTimer::singleShot(settleMs, [&] {
        startKb = ResidentKilobytes();
        std::printf("resident memory after %d s of animation: %ld kB\n", settleMs / 1000, startKb);
        std::fflush(stdout);
    });
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const long endKb = ResidentKilobytes();
    std::printf("resident memory after %d s: %ld kB (growth %ld kB, allowed %ld kB)\n", seconds, endKb, endKb - startKb,
                kAllowedGrowthKb);
    for (const QString& timer : fast)
        std::printf("timer faster than 10 ms: %s\n", qPrintable(timer));
    return endKb - startKb > kAllowedGrowthKb || !fast.isEmpty() ? 1 : 0;
}
