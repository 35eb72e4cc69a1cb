#include "monkey.h"

#include "controls/plaincontrols.h"
#include "programdriver.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>

namespace robustness {

namespace {

    template <typename T> QList<T*> Usable(QWidget* window)
    {
        QList<T*> found;
        for (T* widget : window->findChildren<T*>())
            if (widget->isVisible() && widget->isEnabled())
                found << widget;
        return found;
    }

    const char* const kTexts[] = {"12", "abc", "-5", "99999999999", "4a5", "0", "é", "0x10", " ", "120", "-2147483648"};

    struct Key
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const Key kKeys[] = {
        {Qt::Key_Control, Qt::ControlModifier},
        {Qt::Key_V, Qt::ControlModifier},
        {Qt::Key_Delete, {}},
        {Qt::Key_Escape, {}},
        {Qt::Key_Left, {}},
        {Qt::Key_Right, {}},
        {Qt::Key_Up, {}},
        {Qt::Key_Down, {}},
        {Qt::Key_Return, {}},
        {Qt::Key_Enter, {}},
        {Qt::Key_Space, {}},
        {Qt::Key_PageUp, {}},
        {Qt::Key_Home, {}},
        {Qt::Key_End, {}},
        {Qt::Key_5, {}},
        {Qt::Key_Right, Qt::ControlModifier},
        {Qt::Key_C, Qt::ControlModifier},
    };

    void SendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

} // namespace

Monkey::Monkey(std::uint32_t seed)
    : m_random(seed)
{ }

int Monkey::Below(int n)
{
    return n <= 1 ? 0 : int(m_random() % std::uint32_t(n));
}

void Monkey::Note(const QString& event)
{
    m_recent << event;
    if (m_recent.size() > 12)
        m_recent.removeFirst();
}

void Monkey::Play(QWidget* window, int count)
{
    OpenWindow(window);
    // One resize to the largest size, somewhere in the run: drawing at that
    // size is slow.
    const int huge = Below(count);
    for (int i = 0; i < count; ++i) {
        if (i == huge) {
            Note(QStringLiteral("resize 4000 x 3000"));
            window->resize(4000, 3000);
        }
        OneEvent(window);
        ++m_sent;
        QApplication::processEvents();
        m_fast << robustness::FastTimers(window);
        if (!window->isVisible()) {
            Note(QStringLiteral("reopen"));
            OpenWindow(window);
        }
    }
    window->close();
    QApplication::processEvents();
}

void Monkey::OneEvent(QWidget* window)
{
    const int pick = Below(100);
    if (pick < 30)
        ClickControl(window);
    else if (pick < 40)
        ChooseInList(window);
    else if (pick < 50)
        TypeText(window);
    else if (pick < 65)
        UseDrawingArea(window);
    else if (pick < 77)
        PressKey(window);
    else if (pick < 83)
        Resize(window);
    else if (pick < 96) {
        Note(QStringLiteral("ticks"));
        RunTimers(window, 1 + Below(4));
    } else if (pick < 98) {
        Note(QStringLiteral("start"));
        StartAnimation(window);
    } else {
        Note(QStringLiteral("close"));
        window->close();
    }
}

void Monkey::ClickControl(QWidget* window)
{
    const QList<QAbstractButton*> buttons = Usable<QAbstractButton>(window);
    if (buttons.isEmpty())
        return;
    QAbstractButton* button = buttons[Below(int(buttons.size()))];
    Note(QStringLiteral("click ") + button->objectName());
    QTest::mouseClick(button, Below(8) == 0 ? Qt::RightButton : Qt::LeftButton, {}, button->rect().center());
}

void Monkey::ChooseInList(QWidget* window)
{
    const QList<QComboBox*> combos = Usable<QComboBox>(window);
    const QList<QAbstractItemView*> views = Usable<QAbstractItemView>(window);
    const QList<QSlider*> sliders = Usable<QSlider>(window);
    const int all = int(combos.size() + views.size() + sliders.size());
    if (all == 0)
        return;
    int i = Below(all);
    if (i < combos.size()) {
        QComboBox* combo = combos[i];
        Note(QStringLiteral("choose ") + combo->objectName());
        combo->setCurrentIndex(Below(int(combo->count()) + 1) - 1);
        return;
    }
    i -= int(combos.size());
    if (i < views.size()) {
        QAbstractItemView* view = views[i];
        const int rows = view->model() ? view->model()->rowCount() : 0;
        Note(QStringLiteral("select ") + view->objectName());
        if (rows > 0)
            view->setCurrentIndex(view->model()->index(Below(rows), 0));
        return;
    }
    QSlider* slider = sliders[i - int(views.size())];
    Note(QStringLiteral("slide ") + slider->objectName());
    slider->setValue(slider->minimum() + Below(slider->maximum() - slider->minimum() + 1));
}

void Monkey::TypeText(QWidget* window)
{
    const QList<QLineEdit*> edits = Usable<QLineEdit>(window);
    if (edits.isEmpty())
        return;
    QLineEdit* edit = edits[Below(int(edits.size()))];
    const char* text = kTexts[Below(int(std::size(kTexts)))];
    Note(QStringLiteral("type %1 in %2").arg(QString::fromUtf8(text), edit->objectName()));
    edit->setFocus();
    if (Below(2) == 0)
        edit->selectAll();
    // Key by key with its text: QTest knows ASCII keys only.
    for (const QChar c : QString::fromUtf8(text)) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &release);
    }
    if (Below(2) == 0)
        QTest::keyClick(edit, Qt::Key_Return);
}

void Monkey::UseDrawingArea(QWidget* window)
{
    const QList<PaintBox*> boxes = Usable<PaintBox>(window);
    if (boxes.isEmpty())
        return;
    PaintBox* box = boxes[Below(int(boxes.size()))];
    // Points may fall a little outside the box, as a drag leaves it.
    const auto point = [&] { return QPoint(Below(box->width() + 40) - 20, Below(box->height() + 40) - 20); };
    if (Below(4) == 0) {
        Note(QStringLiteral("wheel ") + box->objectName());
        const QPoint at = point();
        QWheelEvent wheel(QPointF(at), QPointF(box->mapToGlobal(at)), {}, QPoint(0, Below(2) ? 120 : -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &wheel);
        return;
    }
    const Qt::MouseButton button = Below(5) == 0 ? Qt::RightButton : Qt::LeftButton;
    Note(QStringLiteral("drag ") + box->objectName());
    SendMouse(box, QEvent::MouseButtonPress, point(), button, button);
    for (int step = Below(4); step > 0; --step)
        SendMouse(box, QEvent::MouseMove, point(), Qt::NoButton, button);
    if (box->isVisible())
        SendMouse(box, QEvent::MouseButtonRelease, point(), button, Qt::NoButton);
}

void Monkey::PressKey(QWidget* window)
{
    const Key& key = kKeys[Below(int(std::size(kKeys)))];
    QWidget* focus = QApplication::focusWidget();
    QWidget* target = focus && window->isAncestorOf(focus) ? focus : window;
    Note(QStringLiteral("key %1 to %2").arg(int(key.key), 0, 16).arg(target->objectName()));
    QTest::keyClick(target, key.key, key.modifiers);
}

void Monkey::Resize(QWidget* window)
{
    QSize size(100 + Below(1500), 100 + Below(1100));
    if (Below(3) == 0)
        size = QSize(1 + Below(60), 1 + Below(60));
    Note(QStringLiteral("resize %1 x %2").arg(size.width()).arg(size.height()));
    window->resize(size);
}

} // namespace robustness
