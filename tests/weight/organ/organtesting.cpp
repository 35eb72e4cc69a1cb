#include "organtesting.h"

#include "controls/plaincontrols.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <cmath>

void OrganTest::SetUp()
{
    AppSettings = AppSettingsRecord{};
    Reopen();
}

void OrganTest::TearDown()
{
    if (window)
        window->close();
    window.reset();
    AppSettings = AppSettingsRecord{};
}

void OrganTest::Reopen()
{
    if (window)
        window->close();
    window = std::make_unique<TPercutaF>();
    window->show();
    testing_support::ProcessEvents();
}

QWidget* OrganTest::Widget(const char* name) const
{
    return window->findChild<QWidget*>(QString::fromLatin1(name));
}

void OrganTest::Click(const char* name)
{
    auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

void OrganTest::Spin(const char* name, bool up, int times)
{
    auto* spinButton = window->findChild<SpinButton*>(QString::fromLatin1(name));
    for (int i = 0; i < times; ++i)
        emit(up ? spinButton->UpClick() : spinButton->DownClick());
}

void OrganTest::Shoot(int speedKmh, int massKg)
{
    // Bounded: a value the spins cannot reach fails instead of hanging.
    for (int step = 0; step < 1000 && Model().StrikerSpeed() != speedKmh; ++step)
        Spin("SpeedSpin", Model().StrikerSpeed() < speedKmh);
    ASSERT_EQ(Model().StrikerSpeed(), speedKmh);
    for (int step = 0; step < 1000 && Model().StrikerMass() != massKg; ++step)
        Spin("MasseSpin", Model().StrikerMass() < massKg);
    ASSERT_EQ(Model().StrikerMass(), massKg);
    Click("DepartBout");
    for (int tick = 0; tick < 1000 && Model().Shot().Flying(); ++tick)
        window->AnimTimerTimer();
}

double OrganTest::TubeCentre(int k) const
{
    return 4 * k * Model().Layout().TubeScale();
}

void OrganTest::MoveOverTube(int k)
{
    MoveOver(Widget("Display2"), TubeCentre(k));
}

void OrganTest::MoveOver(QWidget* target, double x, double y)
{
    const QPointF at(x, y);
    QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
}

void OrganTest::PressOn(QWidget* target, double x, Qt::MouseButton button, double y)
{
    const QPointF at(x, y);
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), button, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}

void OrganTest::Enter(QWidget* target)
{
    QEnterEvent event(QPointF(1, 1), target->mapTo(window.get(), QPointF(1, 1)), target->mapToGlobal(QPointF(1, 1)));
    QCoreApplication::sendEvent(target, &event);
}

void OrganTest::Leave(QWidget* target)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(target, &event);
}

void OrganTest::Key(QWidget* target, Qt::Key k)
{
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
}

QString OrganTest::Message() const
{
    return window->findChild<QLabel*>(QStringLiteral("MessLab"))->text();
}

unsigned RgbOf(TColor color)
{
    return QRgbFromCanvas(color) & 0xFFFFFFu;
}

QColor ColorAt(const QImage& picture, int x, int y)
{
    const qreal ratio = picture.devicePixelRatio();
    return picture.pixelColor(int(std::lround(x * ratio)), int(std::lround(y * ratio)));
}

unsigned RgbAt(const QImage& picture, int x, int y)
{
    return ColorAt(picture, x, y).rgb() & 0xFFFFFFu;
}

QSize LogicalSize(const QImage& picture)
{
    return picture.deviceIndependentSize().toSize();
}
