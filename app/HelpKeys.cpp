#include "app/HelpKeys.h"

#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/Help.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace HelpKeys {

namespace {

class F1Filter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        // A key reaches the focus widget first and then its parents: act on the first
        // delivery only, for the window that holds it.
        return ShowHelpFor(*widget->window());
    }
};

} // namespace

const std::vector<WindowPage>& WindowPages()
{
    static const std::vector<WindowPage> pages = {
        {"FormPassword", "signin"},
        {"FormTopTen", "champions"},
        {"FormEndGame", "endgame"},
        {"FormPapa", "dedication"},
        {"FormAbout", "111"},
        {"FormOptions", "112"},
        {"FAcc1", "account"},
        {"FAcc2", "profile"},
        {"FormServerInfo", "passport"},
        {"FormServerRead", "worldtopten"},
        {"FormServerWrite", "worldresult"},
        {"FormChat", "chat"},
        {"FStat", "statistics"},
    };
    return pages;
}

HelpTarget TargetOf(const QWidget& window)
{
    HelpTarget target;
    const QString own = window.property("HelpPage").toString();
    if (!own.isEmpty()) {
        target.Page = own;
        return target;
    }
    const QString name = window.objectName();
    for (const WindowPage& p : WindowPages())
        if (name == QLatin1String(p.Window)) {
            target.Page = QLatin1String(p.Page);
            return target;
        }
    if (const auto* table = qobject_cast<const TTableSurface*>(&window)) {
        target.Context = table->HelpContext;
        return target;
    }
    target.Context = window.property("HelpContext").toInt();
    return target;
}

bool ShowHelpFor(const QWidget& window)
{
    const HelpTarget target = TargetOf(window);
    if (!target.Page.isEmpty())
        return platform::showHelpPage(target.Page, Texts::LanguageIndex);
    if (target.Context > 0)
        return platform::showHelp(target.Context, Texts::LanguageIndex);
    return false;
}

void InstallHelpKey(QObject* owner)
{
    static QPointer<F1Filter> filter;
    if (filter || !qApp)
        return;
    filter = new F1Filter(owner);
    qApp->installEventFilter(filter);
}

} // namespace HelpKeys
