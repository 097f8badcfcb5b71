#pragma once
// The drawing area of one paint pass: the QPainter of the pass and its clip.
// A pass either runs on the owner's target bitmap (beginPaint/endPaint, the
// area owns the painter) or borrows the painter of a widget's paint event
// (lendPainter/releasePainter, see paintWidgetThrough).

#include "vordix/Zeichenbereich.h"

#include <QRectF>

#include <functional>

class QPainter;
class QPaintEvent;
class QWidget;

class WIN_ZEICHENBEREICH : public VORDIX_ZEICHENBEREICH_imp {
public:
    explicit WIN_ZEICHENBEREICH(VORDIX_ZEICHENBEREICH* owner) : m_owner(owner) { }
    ~WIN_ZEICHENBEREICH() override;

    void beginPaint() override;
    void endPaint() override;
    void setClip(int x, int y, int width, int height) override;
    void resetClip() override;

    // Borrows a painter that someone else begins and ends; clip becomes the
    // pass's clip rectangle.
    void lendPainter(QPainter* painter, const QRectF& clip);
    void releasePainter();

    // The painter of the open pass, null outside a pass.
    QPainter* painter() const { return m_painter; }
    // The painter of a framework drawing area, null outside a pass or when
    // the area has no implementor of this platform.
    static QPainter* painterOf(const VORDIX_ZEICHENBEREICH& area);

private:
    VORDIX_ZEICHENBEREICH* m_owner;
    QPainter* m_painter = nullptr;
    bool m_ownsPainter = false;
    QRectF m_clipRect{0, 0, 0, 0};
    bool m_clipSet = false;
};

// One widget paint pass through the framework: a temporary drawing area
// borrows a painter on the widget (antialiased, smooth images), clipped to
// the region to repaint, and draw paints into it.
void paintWidgetThrough(QWidget* widget, QPaintEvent* event, const std::function<void(VORDIX_ZEICHENBEREICH&)>& draw);
