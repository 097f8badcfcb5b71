#include "vordix/windows/PixmapWidget.h"

#include "vordix/windows/WinDialog.h"
#include "vordix/windows/WinZeichenbereich.h"

#include <QMouseEvent>
#include <QPaintEvent>

PixmapWidget::PixmapWidget(QWidget* parent) : QLabel(parent) { }

void PixmapWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    emit leftMouseClick(m_controlId);
    event->accept();
}

void PixmapWidget::paintEvent(QPaintEvent* event)
{
    // The label's own text is never drawn: the game side owns the content.
    // Without a dialog there is nobody to draw it.
    if (m_dialog) {
        paintWidgetThrough(this, event,
                           [this](VORDIX_ZEICHENBEREICH& area) { m_dialog->deliverDrawControl(area, m_controlId); });
    }
    event->accept();
}
