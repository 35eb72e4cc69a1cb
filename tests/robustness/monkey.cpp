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

    template <typename T> QList<T*> usable(QWidget* window)
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

    void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

} // namespace

Monkey::Monkey(std::uint32_t seed)
    : m_random(seed)
{ }

int Monkey::below(int n)
{
    return n <= 1 ? 0 : int(m_random() % std::uint32_t(n));
}

void Monkey::note(const QString& event)
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
    const int huge = below(count);
    for (int i = 0; i < count; ++i) {
        if (i == huge) {
            note(QStringLiteral("resize 4000 x 3000"));
            window->resize(4000, 3000);
        }
        oneEvent(window);
        ++m_sent;
        QApplication::processEvents();
        m_fast << FastTimers(window);
        if (!window->isVisible()) {
            note(QStringLiteral("reopen"));
            OpenWindow(window);
        }
    }
    window->close();
    QApplication::processEvents();
}

void Monkey::oneEvent(QWidget* window)
{
    const int pick = below(100);
    if (pick < 30)
        clickControl(window);
    else if (pick < 40)
        chooseInList(window);
    else if (pick < 50)
        typeText(window);
    else if (pick < 65)
        useDrawingArea(window);
    else if (pick < 77)
        pressKey(window);
    else if (pick < 83)
        resize(window);
    else if (pick < 96) {
        note(QStringLiteral("ticks"));
        RunTimers(window, 1 + below(4));
    } else if (pick < 98) {
        note(QStringLiteral("start"));
        StartAnimation(window);
    } else {
        note(QStringLiteral("close"));
        window->close();
    }
}

void Monkey::clickControl(QWidget* window)
{
    const QList<QAbstractButton*> buttons = usable<QAbstractButton>(window);
    if (buttons.isEmpty())
        return;
    QAbstractButton* button = buttons[below(int(buttons.size()))];
    note(QStringLiteral("click ") + button->objectName());
    QTest::mouseClick(button, below(8) == 0 ? Qt::RightButton : Qt::LeftButton, {}, button->rect().center());
}

void Monkey::chooseInList(QWidget* window)
{
    const QList<QComboBox*> combos = usable<QComboBox>(window);
    const QList<QAbstractItemView*> views = usable<QAbstractItemView>(window);
    const QList<QSlider*> sliders = usable<QSlider>(window);
    const int all = int(combos.size() + views.size() + sliders.size());
    if (all == 0)
        return;
    int i = below(all);
    if (i < combos.size()) {
        QComboBox* combo = combos[i];
        note(QStringLiteral("choose ") + combo->objectName());
        combo->setCurrentIndex(below(int(combo->count()) + 1) - 1);
        return;
    }
    i -= int(combos.size());
    if (i < views.size()) {
        QAbstractItemView* view = views[i];
        const int rows = view->model() ? view->model()->rowCount() : 0;
        note(QStringLiteral("select ") + view->objectName());
        if (rows > 0)
            view->setCurrentIndex(view->model()->index(below(rows), 0));
        return;
    }
    QSlider* slider = sliders[i - int(views.size())];
    note(QStringLiteral("slide ") + slider->objectName());
    slider->setValue(slider->minimum() + below(slider->maximum() - slider->minimum() + 1));
}

void Monkey::typeText(QWidget* window)
{
    const QList<QLineEdit*> edits = usable<QLineEdit>(window);
    if (edits.isEmpty())
        return;
    QLineEdit* edit = edits[below(int(edits.size()))];
    const char* text = kTexts[below(int(std::size(kTexts)))];
    note(QStringLiteral("type %1 in %2").arg(QString::fromUtf8(text), edit->objectName()));
    edit->setFocus();
    if (below(2) == 0)
        edit->selectAll();
    // Key by key with its text: QTest knows ASCII keys only.
    for (const QChar c : QString::fromUtf8(text)) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &release);
    }
    if (below(2) == 0)
        QTest::keyClick(edit, Qt::Key_Return);
}

void Monkey::useDrawingArea(QWidget* window)
{
    const QList<PaintBox*> boxes = usable<PaintBox>(window);
    if (boxes.isEmpty())
        return;
    PaintBox* box = boxes[below(int(boxes.size()))];
    // Points may fall a little outside the box, as a drag leaves it.
    const auto point = [&] { return QPoint(below(box->width() + 40) - 20, below(box->height() + 40) - 20); };
    if (below(4) == 0) {
        note(QStringLiteral("wheel ") + box->objectName());
        const QPoint at = point();
        QWheelEvent wheel(QPointF(at), QPointF(box->mapToGlobal(at)), {}, QPoint(0, below(2) ? 120 : -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &wheel);
        return;
    }
    const Qt::MouseButton button = below(5) == 0 ? Qt::RightButton : Qt::LeftButton;
    note(QStringLiteral("drag ") + box->objectName());
    sendMouse(box, QEvent::MouseButtonPress, point(), button, button);
    for (int step = below(4); step > 0; --step)
        sendMouse(box, QEvent::MouseMove, point(), Qt::NoButton, button);
    if (box->isVisible())
        sendMouse(box, QEvent::MouseButtonRelease, point(), button, Qt::NoButton);
}

void Monkey::pressKey(QWidget* window)
{
    const Key& key = kKeys[below(int(std::size(kKeys)))];
    QWidget* focus = QApplication::focusWidget();
    QWidget* target = focus && window->isAncestorOf(focus) ? focus : window;
    note(QStringLiteral("key %1 to %2").arg(int(key.key), 0, 16).arg(target->objectName()));
    QTest::keyClick(target, key.key, key.modifiers);
}

void Monkey::resize(QWidget* window)
{
    QSize size(100 + below(1500), 100 + below(1100));
    if (below(3) == 0)
        size = QSize(1 + below(60), 1 + below(60));
    note(QStringLiteral("resize %1 x %2").arg(size.width()).arg(size.height()));
    window->resize(size);
}

} // namespace robustness
