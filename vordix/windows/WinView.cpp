#include "vordix/windows/WinView.h"

#include "vordix/windows/GuiThread.h"
#include "vordix/windows/WinZeichenbereich.h"

#include <QPaintEvent>

WIN_VIEW::WIN_VIEW(VORDIX_VIEW* owner, QWidget* parent) : QWidget(parent), m_owner(owner) { }

WIN_VIEW::~WIN_VIEW() = default;

void WIN_VIEW::resize(int width, int height)
{
    runOnGuiThread([&] {
        if (size() != QSize(width, height))
            QWidget::resize(width, height);
    });
}

QRect WIN_VIEW::updateArea(int x, int y, int width, int height) const
{
    if (width < 0) {
        x = 0;
        width = this->width();
    }
    if (height < 0) {
        y = 0;
        height = this->height();
    }
    return QRect(x, y, width, height);
}

void WIN_VIEW::updateRect(int x, int y, int width, int height)
{
    runOnGuiThread([&] { update(updateArea(x, y, width, height)); });
}

RECTANGLE WIN_VIEW::mapToGlobal()
{
    RECTANGLE result;
    runOnGuiThread([&] {
        const QPoint corner = QWidget::mapToGlobal(QPoint(0, 0));
        result = RECTANGLE{corner.x(), corner.y(), width(), height()};
    });
    return result;
}

void WIN_VIEW::paintEvent(QPaintEvent* event)
{
    paintWidgetThrough(this, event, [this](VORDIX_ZEICHENBEREICH& area) { deliverPaint(area); });
}
