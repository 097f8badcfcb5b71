#include "skat/ui/RightButtonFilter.h"

#include "vordix/Fenster.h"
#include "vordix/Message.h"
#include "vordix/windows/ClientFenster.h"
#include "vordix/windows/WinFenster.h"

#include <QEvent>
#include <QMouseEvent>
#include <QObject>

namespace {

constexpr int MESSAGE_RIGHT_PRESS = 17;

class RightButtonFilter : public QObject {
public:
    RightButtonFilter(VORDIX_FENSTER& window, QObject* parent) : QObject(parent), window_(window) { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonPress)
            return QObject::eventFilter(watched, event);
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        VORDIX_MESSAGE message(static_cast<FrameworkMessageKind>(MESSAGE_RIGHT_PRESS));
        const QPoint at = mouse->position().toPoint();
        message.x = at.x();
        message.y = at.y();
        window_.onMessage(message);
        return true;
    }

private:
    VORDIX_FENSTER& window_;
};

} // namespace

void installRightButtonFilter(VORDIX_FENSTER& window)
{
    auto* platform = dynamic_cast<WIN_FENSTER*>(window.implementor().get());
    if (!platform)
        return;
    ClientFenster* client = platform->clientWidget();
    if (!client)
        return;
    client->installEventFilter(new RightButtonFilter(window, client));
}
