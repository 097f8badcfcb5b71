#pragma once
// One picture (a card) as a widget of its own above a window's client area,
// placed by a rectangle and a rotation, drawn with an opacity and optionally
// shaded, and moved, turned, faded, grown and shrunk by property animations.
//
// The widget is the square of the rectangle's diagonal, so that the picture
// fits at any angle. Operations may be called from any thread: the owner's
// values are read on the calling thread and the copies handed to the GUI
// thread, which does the widget work while the caller waits. A new
// animation stops the one still running, so the latest command wins.

#include "vordix/ImageView.h"

#include <QAbstractAnimation>
#include <QPointF>
#include <QPointer>
#include <QRect>
#include <QRectF>
#include <QWidget>

#include <mutex>

// Gives the interface's setVisible its own name: QWidget::setVisible has the
// same signature and must stay Qt's.
class ImageViewInterface : public VORDIX_IMAGEVIEW_imp {
public:
    void setVisible(bool visible) final { setViewVisible(visible); }
    virtual void setViewVisible(bool visible) = 0;
};

class WIN_IMAGEVIEW : public QWidget, public ImageViewInterface {
    Q_OBJECT
    Q_PROPERTY(float rotation READ rotation WRITE setRotation)
    Q_PROPERTY(float alpha READ alpha WRITE setAlpha)

public:
    explicit WIN_IMAGEVIEW(VORDIX_IMAGEVIEW* owner);
    ~WIN_IMAGEVIEW() override;

    void attachTo() override;
    void setGeometry() override;
    void update() override;
    void setViewVisible(bool visible) override;
    void animateVisibility(bool show) override;
    void restack() override;
    void lower() override;
    void animateMove(float targetAlpha) override;
    void setParent() override;

    // Parents the widget to a client widget and stacks it under the
    // reference view (if any) and under the input view (if any).
    void attachToClient(QWidget* client, QWidget* inputView);

    float rotation() const { return m_rotation; }
    void setRotation(float degrees);
    float alpha() const { return m_alpha; }
    void setAlpha(float alpha);

    QPointF imageOffset() const { return m_imageOffset; }
    QRectF imageRect() const { return m_imageRect; }
    // The running animation, null when none runs.
    QAbstractAnimation* runningAnimation() const { return m_animation.data(); }

    // The widget square of an image rectangle, and the offset of the
    // rectangle inside it.
    static QRect squareFor(const RECTANGLE& rect, QPointF* offset = nullptr);

public slots:
    void onShowAnimationFinished();
    void onHideAnimationFinished();
    void onMoveAnimationFinished();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The widget of another image view, null when it has none of this kind.
    static WIN_IMAGEVIEW* widgetOf(const VORDIX_IMAGEVIEW* view);
    void stopAnimation();
    void start(QAbstractAnimation* animation, void (WIN_IMAGEVIEW::*finishedSlot)());
    // Applies the targets of the finished animation if it fell short.
    void settleOnTargets();

    VORDIX_IMAGEVIEW* m_owner;
    QPointF m_imageOffset{0, 0};
    QRectF m_imageRect{0, 0, 0, 0};
    float m_rotation;
    float m_alpha = 1.0f;
    std::mutex m_lock;
    QRect m_targetGeometry;
    float m_targetAlpha = -1.0f;
    float m_targetRotation = -1.0f;
    QPointer<QAbstractAnimation> m_animation;
};
