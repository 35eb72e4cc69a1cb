// The kinetic organ's message bar, and the keys the window sees before its
// controls: the window watches every child for the mouse coming in or going
// out and for the Delete and Escape keys.
#include "weight/organ/organwindow.h"

#include "controls/plaincontrols.h"
#include "platform/calculatorname.h"
#include "weight/organ/model/organmessages.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>
#include <map>
#include <string>

namespace {

// The message of each control, by object name; anything else says how to
// start.
int CodeOfName(const QString& name)
{
    static const std::map<std::string, int> codes{
        {"DepartBout", MessageDepart},     {"CalcBout", MessageCalc},
        {"SpeedLab", MessageSpeed},        {"SpeedEd", MessageSpeed},
        {"SpeedLab0", MessageSpeed},       {"SpeedSpin", MessageSpeed},
        {"MasseLab", MessageMasse},        {"MasseEd", MessageMasse},
        {"Masselab0", MessageMasse},       {"MasseSpin", MessageMasse},
        {"CopyBout", MessageCopy},         {"AideBout", MessageAide},
        {"CopyDataBout", MessageCopyData}, {"DelBout", MessageDel},
        {"CloseBout", MessageClose},       {"TriLab", MessageTri},
        {"ComboTri", MessageTri},          {"Display1", MessageBench},
        {"OptionsBout", MessageOptions},   {"PredBout", MessagePred},
        {"NextBout", MessageNext},
    };
    const auto found = codes.find(name.toStdString());
    return found == codes.end() ? -1 : found->second;
}

} // namespace

void TPercutaF::WatchChildren()
{
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
        // The message bar is this window's hint: a screen reader says it.
        // (The paging messages name a page: their buttons' names say it.)
        const int code = CodeOfName(child->objectName());
        if (code >= 0 && code != MessagePred && code != MessageNext)
            child->setAccessibleDescription(WithCalculatorName(MessageText(code, 1, 1)));
    }
}

bool TPercutaF::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType())
        return ModuleWindow::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
        // An open list or menu keeps its own keys.
        if (widget->window() != this)
            break;
        return FormKeyDown(static_cast<QKeyEvent*>(event)->key());
    case QEvent::Enter: ComposMove(widget); break;
    case QEvent::Leave:
        if (widget == Display2)
            Display2MouseLeave();
        if (widget != this)
            ComposMove(widget->parentWidget());
        break;
    default: break;
    }
    return ModuleWindow::eventFilter(watched, event);
}

void TPercutaF::ComposMove(QWidget* under)
{
    m_underMouse = under;
    if (m_shown)
        ShowMessage(MessageCode(under));
}

// The code of the nearest control with a message: a spin button's arrows
// speak for the spin button; a paging button with no page to show names
// none.
int TPercutaF::MessageCode(const QWidget* under) const
{
    for (const QWidget* w = under; w && w != this; w = w->parentWidget()) {
        if (w == Display2)
            return m_model.Tubes().TubeCount() > 0 ? MessageTubes : MessageNoTubes;
        if ((w == PredBout || w == NextBout) && !w->isEnabled())
            return MessageElsewhere;
        const int code = CodeOfName(w->objectName());
        if (code >= 0)
            return code;
    }
    return MessageElsewhere;
}

void TPercutaF::ShowMessage(int code)
{
    const QString text = WithCalculatorName(MessageText(code, m_model.Paging().Page(), m_model.Paging().PageCount()));
    // The paging messages change with the page under the same code.
    if (code == m_lastHint && text == m_lastMessage)
        return;
    m_lastHint = code;
    m_lastMessage = text;
    const QFontMetrics metrics(MessLab->font());
    MessLab->setText(
        ShortenToFit(text, MessLab->width(), [&metrics](const QString& s) { return metrics.horizontalAdvance(s); }));
}
