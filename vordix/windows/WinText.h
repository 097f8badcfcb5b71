#pragma once
// Text in the owner's colour, font kind, size, style, alignment and rotation.

#include "vordix/Text.h"

#include <QFont>
#include <QPen>
#include <QString>
#include <QTextOption>

class QPaintDevice;

class WIN_TEXT : public VORDIX_TEXT_imp {
public:
    explicit WIN_TEXT(VORDIX_TEXT* owner) : m_owner(owner) { }

    // Draws with the baseline at y; x is the left end, the centre or the
    // right end by the horizontal alignment. The painter is turned by the
    // rotation about the drawing area's origin before the text is placed.
    void drawText(VORDIX_ZEICHENBEREICH& area, int x, int y) override;
    // The bounding size of the text in its font.
    void measureText(int& width, int& height) override;

    VORDIX_TEXT* getOwner() const { return m_owner; }
    const QFont& font() const { return m_font; }

    // The installed family for a font kind: 0 and 3 sans serif, 1 fixed
    // pitch, 2 serif (metric-compatible stand-ins for the classic families).
    static QString familyForKind(int fontKind);

private:
    // Takes text, font, colour and alignment from the owner. Returns the
    // vertical adjustment of the drawing position.
    int applyFont();
    QRectF bounds(QPaintDevice* device) const;

    VORDIX_TEXT* m_owner;
    QString m_text;
    QFont m_font;
    QPen m_pen{Qt::black};
    QTextOption m_option;
};
