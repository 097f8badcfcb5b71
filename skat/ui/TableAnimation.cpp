#include "skat/ui/TableAnimation.h"

#include "skat/app/UserPrefs.h"
#include "vordix/Bitmap.h"
#include "vordix/Fenster.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <QVariantAnimation>

#include <algorithm>

namespace table_animation {

int playSpeed() { return std::max(0, USER_PREFS::instance().playDelayMs); }

int duration(int ms) { return playSpeed() > 0 ? std::max(0, ms) : 0; }

int cardMoveMs() { return duration(playSpeed() / 10 + 50); }

} // namespace table_animation

namespace {

bool onOwnThread(const QObject* context)
{
    return !QCoreApplication::instance() || QThread::currentThread() == context->thread();
}

// A flying card view: deleted with the animation that carries it.
struct Flight {
    std::unique_ptr<VORDIX_IMAGEVIEW> view;
    ~Flight()
    {
        if (view && view->implementor()) {
            view->implementor()->setVisible(false);
            view->implementor()->setParent();
        }
    }
};

} // namespace

TABLE_ANIMATIONS::TABLE_ANIMATIONS() : context_(std::make_unique<QObject>()) { }

TABLE_ANIMATIONS::~TABLE_ANIMATIONS() { stopAll(); }

void TABLE_ANIMATIONS::run(int ms, std::function<void(double)> frame, std::function<void()> done)
{
    if (!onOwnThread(context_.get())) {
        QMetaObject::invokeMethod(
            context_.get(),
            [this, ms, frame = std::move(frame), done = std::move(done)]() mutable {
                run(ms, std::move(frame), std::move(done));
            },
            Qt::QueuedConnection);
        return;
    }
    if (ms <= 0 || !QCoreApplication::instance()) {
        if (frame)
            frame(1.0);
        if (done)
            done();
        return;
    }
    auto* animation = new QVariantAnimation(context_.get());
    animation->setStartValue(0.0);
    animation->setEndValue(1.0);
    animation->setDuration(ms);
    auto last = std::make_shared<double>(-1.0);
    if (frame)
        QObject::connect(animation, &QVariantAnimation::valueChanged, context_.get(),
                         [frame, last](const QVariant& value) {
                             *last = value.toDouble();
                             frame(*last);
                         });
    QObject::connect(animation, &QAbstractAnimation::finished, context_.get(), [frame, done, last] {
        // The last tick may fall short of the end: the end is always shown.
        if (frame && *last < 1.0)
            frame(1.0);
        if (done)
            done();
    });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void TABLE_ANIMATIONS::runSteps(std::vector<Step> steps, std::function<void()> done)
{
    if (steps.empty()) {
        if (done)
            done();
        return;
    }
    Step first = std::move(steps.front());
    steps.erase(steps.begin());
    if (first.start)
        first.start();
    run(first.ms, std::move(first.frame), [this, rest = std::move(steps), done = std::move(done)]() mutable {
        runSteps(std::move(rest), std::move(done));
    });
}

void TABLE_ANIMATIONS::fly(std::unique_ptr<VORDIX_IMAGEVIEW> view, const RECTANGLE& to, float angle, int ms,
                           float alpha, std::function<void()> landed)
{
    if (!view)
        return;
    view->animationMs = std::max(0, ms);
    view->animateMove(to, angle, alpha);
    if (view->implementor())
        view->implementor()->setVisible(true);
    auto flight = std::make_shared<Flight>();
    flight->view = std::move(view);
    // The flight is held by the frame function until the animation ends or
    // stops; either way the view goes with it.
    run(
        ms, [flight](double) {},
        [flight, landed = std::move(landed)] {
            flight->view.reset();
            if (landed)
                landed();
        });
}

void TABLE_ANIMATIONS::fly(VORDIX_FENSTER* host, VORDIX_BITMAP* image, const RECTANGLE& from, float fromAngle,
                           const RECTANGLE& to, float toAngle, int ms, std::function<void()> landed)
{
    if (!host || !image)
        return;
    auto view = std::make_unique<VORDIX_IMAGEVIEW>();
    view->rotation = fromAngle;
    view->attachTo(host, image, from);
    view->setGeometry(from, fromAngle);
    if (view->implementor()) {
        view->implementor()->restack();
        view->implementor()->setVisible(true);
    }
    fly(std::move(view), to, toAngle, ms, 1.0f, std::move(landed));
}

void TABLE_ANIMATIONS::stopAll()
{
    if (!context_)
        return;
    // Deleting the animations drops their functions, and with them the
    // flights they carry.
    const QList<QVariantAnimation*> animations =
        context_->findChildren<QVariantAnimation*>(QString(), Qt::FindDirectChildrenOnly);
    for (QVariantAnimation* animation : animations) {
        animation->disconnect(context_.get());
        delete animation;
    }
}

int TABLE_ANIMATIONS::running() const
{
    return static_cast<int>(context_->findChildren<QVariantAnimation*>(QString(), Qt::FindDirectChildrenOnly).size());
}
