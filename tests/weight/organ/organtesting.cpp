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
    reopen();
}

void OrganTest::TearDown()
{
    if (window)
        window->close();
    window.reset();
    AppSettings = AppSettingsRecord{};
}

void OrganTest::reopen()
{
    if (window)
        window->close();
    window = std::make_unique<TPercutaF>();
    window->show();
    testing_support::processEvents();
}

QWidget* OrganTest::widget(const char* name) const
{
    return window->findChild<QWidget*>(QString::fromLatin1(name));
}

void OrganTest::click(const char* name)
{
    auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

void OrganTest::spin(const char* name, bool up, int times)
{
    auto* spinButton = window->findChild<SpinButton*>(QString::fromLatin1(name));
    for (int i = 0; i < times; ++i)
        emit(up ? spinButton->upClick() : spinButton->downClick());
}

void OrganTest::shoot(int speedKmh, int massKg)
{
    // Bounded: a value the spins cannot reach fails instead of hanging.
    for (int step = 0; step < 1000 && model().StrikerSpeed() != speedKmh; ++step)
        spin("SpeedSpin", model().StrikerSpeed() < speedKmh);
    ASSERT_EQ(model().StrikerSpeed(), speedKmh);
    for (int step = 0; step < 1000 && model().StrikerMass() != massKg; ++step)
        spin("MasseSpin", model().StrikerMass() < massKg);
    ASSERT_EQ(model().StrikerMass(), massKg);
    click("DepartBout");
    for (int tick = 0; tick < 1000 && model().Shot().Flying(); ++tick)
        window->AnimTimerTimer();
}

double OrganTest::tubeCentre(int k) const
{
    return 4 * k * model().Layout().TubeScale();
}

void OrganTest::moveOverTube(int k)
{
    moveOver(widget("Display2"), tubeCentre(k));
}

void OrganTest::moveOver(QWidget* target, double x, double y)
{
    const QPointF at(x, y);
    QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
}

void OrganTest::pressOn(QWidget* target, double x, Qt::MouseButton button, double y)
{
    const QPointF at(x, y);
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), button, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}

void OrganTest::enter(QWidget* target)
{
    QEnterEvent event(QPointF(1, 1), target->mapTo(window.get(), QPointF(1, 1)), target->mapToGlobal(QPointF(1, 1)));
    QCoreApplication::sendEvent(target, &event);
}

void OrganTest::leave(QWidget* target)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(target, &event);
}

void OrganTest::key(QWidget* target, Qt::Key k)
{
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
}

QString OrganTest::message() const
{
    return window->findChild<QLabel*>(QStringLiteral("MessLab"))->text();
}

unsigned rgbOf(TColor color)
{
    return QRgbFromCanvas(color) & 0xFFFFFFu;
}

QColor colorAt(const QImage& picture, int x, int y)
{
    const qreal ratio = picture.devicePixelRatio();
    return picture.pixelColor(int(std::lround(x * ratio)), int(std::lround(y * ratio)));
}

unsigned rgbAt(const QImage& picture, int x, int y)
{
    return colorAt(picture, x, y).rgb() & 0xFFFFFFu;
}

QSize logicalSize(const QImage& picture)
{
    return picture.deviceIndependentSize().toSize();
}
