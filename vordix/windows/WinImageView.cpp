#include "vordix/windows/WinImageView.h"

#include "vordix/Bitmap.h"
#include "vordix/Fenster.h"
#include "vordix/windows/ClientFenster.h"
#include "vordix/windows/GuiThread.h"
#include "vordix/windows/WinBitmap.h"
#include "vordix/windows/WinFenster.h"

#include <QPainter>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>

#include <cmath>

namespace {
constexpr float kOpaque = 0.9999f;
const QColor kShade(0, 0, 0, 83);

QPropertyAnimation* makeAnimation(QObject* target, const char* property, const QVariant& from, const QVariant& to,
                                  int durationMs)
{
    auto* animation = new QPropertyAnimation(target, property);
    animation->setDuration(std::max(0, durationMs));
    animation->setEasingCurve(QEasingCurve::InQuad);
    animation->setStartValue(from);
    animation->setEndValue(to);
    return animation;
}

QRect toQRect(const RECTANGLE& r) { return QRect(r.x, r.y, r.width, r.height); }
} // namespace

WIN_IMAGEVIEW::WIN_IMAGEVIEW(VORDIX_IMAGEVIEW* owner)
    : QWidget(nullptr)
    , m_owner(owner)
    , m_rotation(owner ? owner->rotation : 0.0f)
{
    // Cards are no click targets of their own: the window under them
    // finds the card by position.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QWidget::setVisible(false);
}

WIN_IMAGEVIEW::~WIN_IMAGEVIEW() { stopAnimation(); }

QRect WIN_IMAGEVIEW::squareFor(const RECTANGLE& rect, QPointF* offset)
{
    const int d = static_cast<int>(std::sqrt(double(rect.width) * rect.width + double(rect.height) * rect.height));
    const int ox = (d - rect.width) / 2;
    const int oy = (d - rect.height) / 2;
    if (offset)
        *offset = QPointF(ox, oy);
    return QRect(rect.x - ox, rect.y - oy, d, d);
}

WIN_IMAGEVIEW* WIN_IMAGEVIEW::widgetOf(const VORDIX_IMAGEVIEW* view)
{
    return view ? dynamic_cast<WIN_IMAGEVIEW*>(view->implementor().get()) : nullptr;
}

void WIN_IMAGEVIEW::setRotation(float degrees)
{
    if (degrees == m_rotation)
        return;
    m_rotation = degrees;
    QWidget::update(); // an animation that only turns must still be seen
}

void WIN_IMAGEVIEW::setAlpha(float alpha)
{
    if (alpha == m_alpha)
        return;
    m_alpha = alpha;
    QWidget::update();
}

void WIN_IMAGEVIEW::attachTo()
{
    VORDIX_FENSTER* window = m_owner ? m_owner->parentWindow : nullptr;
    auto* platformWindow = window ? dynamic_cast<WIN_FENSTER*>(window->implementor().get()) : nullptr;
    if (!platformWindow)
        return;
    runOnGuiThread([&] {
        ClientFenster* client = platformWindow->clientWidget();
        if (client)
            attachToClient(client, client->inputView);
    });
}

void WIN_IMAGEVIEW::attachToClient(QWidget* client, QWidget* inputView)
{
    WIN_IMAGEVIEW* reference = widgetOf(m_owner ? m_owner->referenceView : nullptr);
    runOnGuiThread([&] {
        QWidget::setParent(client);
        if (reference && reference != this)
            stackUnder(reference);
        if (inputView)
            stackUnder(inputView);
    });
}

void WIN_IMAGEVIEW::setGeometry()
{
    if (!m_owner)
        return;
    const RECTANGLE rect = m_owner->rectangle();
    const float rotation = m_owner->rotation;
    QPointF offset;
    const QRect square = squareFor(rect, &offset);
    runOnGuiThread([&] {
        stopAnimation();
        m_rotation = rotation;
        m_imageRect = QRectF(toQRect(rect));
        m_imageOffset = offset;
        move(square.topLeft());
        resize(square.size());
        QWidget::update();
    });
}

void WIN_IMAGEVIEW::update()
{
    if (!m_owner)
        return;
    const RECTANGLE rect = m_owner->rectangle();
    const float rotation = m_owner->rotation;
    runOnGuiThread([&] {
        m_rotation = rotation;
        m_imageRect = QRectF(toQRect(rect));
        QWidget::update();
    });
}

void WIN_IMAGEVIEW::setViewVisible(bool visible)
{
    const float rotation = m_owner ? m_owner->rotation : m_rotation;
    runOnGuiThread([&] {
        // Hidden means hidden by us: a view on a window not yet shown must
        // still be hidden when asked to.
        if (!isHidden() == visible)
            return;
        m_rotation = rotation;
        QWidget::setVisible(visible);
    });
}

void WIN_IMAGEVIEW::stopAnimation()
{
    if (m_animation) {
        // A stopped animation must not settle on targets no longer wanted.
        m_animation->disconnect(this);
        m_animation->stop(); // deletes itself when stopped
    }
    m_animation = nullptr;
}

void WIN_IMAGEVIEW::start(QAbstractAnimation* animation, void (WIN_IMAGEVIEW::*finishedSlot)())
{
    m_animation = animation;
    connect(animation, &QAbstractAnimation::finished, this, finishedSlot);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void WIN_IMAGEVIEW::animateVisibility(bool show)
{
    if (!m_owner)
        return;
    const RECTANGLE rect = m_owner->rectangle();
    const int duration = m_owner->animationMs;
    runOnGuiThread([&] {
        stopAnimation();
        QPropertyAnimation* animation = nullptr;
        {
            std::lock_guard lock(m_lock);
            m_targetGeometry = geometry();
            m_targetAlpha = m_alpha;
            m_targetRotation = m_rotation;
            m_imageRect = QRectF(toQRect(rect));
            const QRect centre(rect.x + rect.width / 2, rect.y + rect.height / 2, 0, 0);
            if (show) {
                const QRect full = toQRect(rect);
                QWidget::setGeometry(centre);
                animation = makeAnimation(this, "geometry", centre, full, duration);
                m_targetGeometry = full;
            } else {
                animation = makeAnimation(this, "geometry", geometry(), centre, duration);
                m_targetGeometry = centre;
            }
        }
        // Started without the lock: a zero duration finishes at once.
        if (show) {
            QWidget::show();
            start(animation, &WIN_IMAGEVIEW::onShowAnimationFinished);
        } else {
            start(animation, &WIN_IMAGEVIEW::onHideAnimationFinished);
        }
    });
}

void WIN_IMAGEVIEW::animateMove(float targetAlpha)
{
    if (!m_owner)
        return;
    const RECTANGLE rect = m_owner->rectangle();
    const float targetRotation = m_owner->rotation;
    const int duration = m_owner->animationMs;
    QPointF offset;
    const QRect square = squareFor(rect, &offset);
    runOnGuiThread([&] {
        stopAnimation();
        QPropertyAnimation* parts[3] = {};
        {
            std::lock_guard lock(m_lock);
            m_imageRect = QRectF(toQRect(rect));
            m_imageOffset = offset;
            m_targetGeometry = geometry();
            m_targetAlpha = m_alpha;
            m_targetRotation = m_rotation;
            if (square != geometry()) {
                parts[0] = makeAnimation(this, "geometry", geometry(), square, duration);
                m_targetGeometry = square;
            }
            if (targetRotation != m_rotation) {
                parts[1] = makeAnimation(this, "rotation", m_rotation, targetRotation, duration);
                m_targetRotation = targetRotation;
            }
            if (targetAlpha != m_alpha) {
                parts[2] = makeAnimation(this, "alpha", m_alpha, targetAlpha, duration);
                m_targetAlpha = targetAlpha;
            }
        }
        if (!parts[0] && !parts[1] && !parts[2])
            return;
        auto* group = new QParallelAnimationGroup(this);
        for (QPropertyAnimation* part : parts)
            if (part)
                group->addAnimation(part);
        start(group, &WIN_IMAGEVIEW::onMoveAnimationFinished);
    });
}

void WIN_IMAGEVIEW::restack()
{
    WIN_IMAGEVIEW* reference = widgetOf(m_owner ? m_owner->referenceView : nullptr);
    runOnGuiThread([&] {
        QWidget* parent = parentWidget();
        if (!reference || reference == this) {
            auto* client = qobject_cast<ClientFenster*>(parent);
            if (client && client->inputView)
                stackUnder(client->inputView);
            else
                raise();
            return;
        }
        if (parent) {
            const QList<QWidget*> siblings = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (qsizetype i = 0; i + 1 < siblings.size(); ++i)
                if (siblings[i] == reference && siblings[i + 1] == this)
                    return;
        }
        stackUnder(reference);
        reference->stackUnder(this);
    });
}

void WIN_IMAGEVIEW::lower()
{
    runOnGuiThread([&] { QWidget::lower(); });
}

void WIN_IMAGEVIEW::setParent()
{
    runOnGuiThread([&] {
        stopAnimation();
        QWidget::setParent(nullptr);
    });
}

void WIN_IMAGEVIEW::settleOnTargets()
{
    if (geometry() == m_targetGeometry && m_rotation == m_targetRotation && m_alpha == m_targetAlpha)
        return;
    setAlpha(m_targetAlpha);
    setRotation(m_targetRotation);
    QWidget::setGeometry(m_targetGeometry);
}

void WIN_IMAGEVIEW::onShowAnimationFinished()
{
    std::lock_guard lock(m_lock);
    m_animation = nullptr;
    settleOnTargets();
}

void WIN_IMAGEVIEW::onMoveAnimationFinished()
{
    std::lock_guard lock(m_lock);
    m_animation = nullptr;
    settleOnTargets();
}

void WIN_IMAGEVIEW::onHideAnimationFinished()
{
    std::lock_guard lock(m_lock);
    m_animation = nullptr;
    settleOnTargets();
    QWidget::hide();
}

void WIN_IMAGEVIEW::paintEvent(QPaintEvent*)
{
    const double diagonal =
        std::sqrt(m_imageRect.width() * m_imageRect.width() + m_imageRect.height() * m_imageRect.height());
    if (diagonal <= 0 || !m_owner || !m_owner->bitmap)
        return;
    auto* bitmap = dynamic_cast<WIN_BITMAP*>(m_owner->bitmap->implementor());
    if (!bitmap || !bitmap->image())
        return;
    const QImage& image = *bitmap->image();

    const double scale = width() / diagonal;
    const double sw = m_imageRect.width() * scale;
    const double sh = m_imageRect.height() * scale;

    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.save();
    painter.translate(m_imageOffset.x() * scale, m_imageOffset.y() * scale);
    painter.translate(sw * 0.5, sh * 0.5);
    painter.rotate(-m_rotation);
    painter.translate(-sw * 0.5, -sh * 0.5);

    const QRect target(0, 0, static_cast<int>(sw), static_cast<int>(sh));
    if (m_owner->shade || m_alpha < kOpaque) {
        QImage copy = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter tint(&copy);
        if (m_owner->shade) {
            // Darkens only where the picture has pixels.
            tint.setCompositionMode(QPainter::CompositionMode_SourceAtop);
            tint.fillRect(copy.rect(), kShade);
        }
        tint.end();
        if (m_alpha < kOpaque)
            copy = WIN_BITMAP::withOpacity(copy, m_alpha);
        painter.drawImage(target, copy);
    } else {
        painter.drawImage(target, image);
    }
    painter.restore();
}
