#include "window/hints.h"

#include <QApplication>
#include <QEvent>
#include <QProxyStyle>
#include <QWidget>

namespace {

const char* const kHintsOffProperty = "kineaHintsOff";

class HintPauseStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay)
            return 300;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The tool-tip event goes to the child under the mouse, so the switch has
// to be looked up on that child's window.
class HintFilter : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ToolTip && watched->isWidgetType()) {
            const QWidget* window = static_cast<QWidget*>(watched)->window();
            if (window && !WindowHintsShown(window))
                return true;
        }
        return false;
    }
};

} // namespace

void InstallHintSupport()
{
    static bool installed = false;
    if (installed || !qApp)
        return;
    installed = true;
    qApp->setStyle(new HintPauseStyle);
    qApp->installEventFilter(new HintFilter(qApp));
}

void SetWindowHints(QWidget* window, bool shown)
{
    InstallHintSupport();
    window->setProperty(kHintsOffProperty, !shown);
}

bool WindowHintsShown(const QWidget* window)
{
    return !window->property(kHintsOffProperty).toBool();
}
