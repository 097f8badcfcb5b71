#include "vordix/windows/WinText.h"

#include "vordix/windows/DrawingScope.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {
// The point size of a framework text size, as the game was laid out with.
constexpr double kPointsPerSize = static_cast<double>(0.8625f);
const QRectF kMeasureBounds(0, 0, 100000, 100000);
} // namespace

QString WIN_TEXT::familyForKind(int fontKind)
{
    switch (fontKind) {
    case 0:
    case 3: return QStringLiteral("Liberation Sans");  // Arial metrics
    case 1: return QStringLiteral("Liberation Mono");  // Courier New metrics
    case 2: return QStringLiteral("Liberation Serif"); // Times New Roman metrics
    default: return {};
    }
}

int WIN_TEXT::applyFont()
{
    if (!m_owner)
        return 0;
    m_text = QString::fromStdWString(m_owner->text);

    const QString family = familyForKind(m_owner->fontKind);
    if (!family.isEmpty()) {
        const QFont::StyleHint hint = m_owner->fontKind == 1   ? QFont::TypeWriter
                                      : m_owner->fontKind == 2 ? QFont::Serif
                                                               : QFont::SansSerif;
        m_font.setStyleHint(hint, QFont::PreferDefault);
        m_font.setFamily(family);
    }
    m_pen.setColor(drawingColor(*m_owner));

    m_font.setWeight(m_owner->styleBits & VORDIX_TEXT::BOLD ? QFont::Bold : QFont::Normal);
    m_font.setItalic(m_owner->styleBits & VORDIX_TEXT::ITALIC);
    m_font.setUnderline(m_owner->styleBits & VORDIX_TEXT::UNDERLINE);
    if (m_owner->size > 0)
        m_font.setPointSizeF(m_owner->size * kPointsPerSize);

    Qt::Alignment alignment;
    switch (m_owner->horizontalAlign) {
    case 0: alignment = Qt::AlignLeft; break;
    case 1: alignment = Qt::AlignCenter; break;
    case 2: alignment = Qt::AlignRight; break;
    default: break;
    }
    if (m_owner->verticalAlign == 0 || m_owner->verticalAlign == 1)
        alignment |= Qt::AlignTop;
    else if (m_owner->verticalAlign == 2)
        alignment |= Qt::AlignBottom;
    m_option.setAlignment(alignment);
    return m_owner->verticalAlign == 0 ? -1 : 0;
}

QRectF WIN_TEXT::bounds(QPaintDevice* device) const
{
    // Metrics follow the resolution of the device drawn on (the screen when
    // there is none).
    const QFontMetricsF metrics = device ? QFontMetricsF(m_font, device) : QFontMetricsF(m_font);
    return metrics.boundingRect(kMeasureBounds, m_option.alignment(), m_text);
}

void WIN_TEXT::drawText(VORDIX_ZEICHENBEREICH& area, int x, int y)
{
    DrawingScope scope(area, m_owner);
    QPainter* p = scope.painter();
    if (!p || !m_owner)
        return;
    y += applyFont();
    p->setFont(m_font);
    p->setPen(m_pen);

    int offset = 0;
    if (m_owner->horizontalAlign == 1 || m_owner->horizontalAlign == 2) {
        const int width = static_cast<int>(bounds(p->device()).width());
        offset = m_owner->horizontalAlign == 1 ? -(width / 2) : -width;
    }

    p->rotate(m_owner->rotation);
    p->drawText(x + offset, y, m_text);
}

void WIN_TEXT::measureText(int& width, int& height)
{
    applyFont();
    const QRectF size = bounds(nullptr);
    width = static_cast<int>(size.width());
    height = static_cast<int>(size.height());
}
