#include "guithread_support.h"
#include "test_drawing_support.h"

#include "vordix/Bitmap.h"
#include "vordix/Fenster.h"
#include "vordix/ImageView.h"
#include "vordix/windows/ClientFenster.h"
#include "vordix/windows/WinFenster.h"
#include "vordix/windows/WinImageView.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>

#include <atomic>
#include <thread>

using guitest::pumpUntil;

namespace {

// Runs work on a worker thread while the GUI thread serves its calls.
void onWorker(const std::function<void()>& work)
{
    std::atomic<bool> done{false};
    std::thread worker([&] {
        work();
        done = true;
    });
    pumpUntil([&] { return done.load(); });
    worker.join();
}

QRect square(int x, int y, int w, int h) { return WIN_IMAGEVIEW::squareFor(RECTANGLE{x, y, w, h}); }

class ImageView : public PlatformFactoryTest {
protected:
    void SetUp() override
    {
        QImage red(20, 30, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        red.save(&buffer, "PNG");
        ASSERT_TRUE(m_card.loadFromData(reinterpret_cast<const unsigned char*>(png.constData()), png.size()));

        m_host.resize(200, 200);
        paintWhiteBackground(m_host);
    }

    // An image view showing the red card on the host.
    WIN_IMAGEVIEW* attach(VORDIX_IMAGEVIEW& view, const RECTANGLE& rect, float rotation = 0)
    {
        auto* widget = dynamic_cast<WIN_IMAGEVIEW*>(view.implementor().get());
        if (!widget)
            return nullptr;
        view.bitmap = &m_card;
        widget->attachToClient(&m_host, nullptr);
        view.setGeometry(rect, rotation);
        view.implementor()->setVisible(true);
        return widget;
    }

    VORDIX_BITMAP m_card;
    ClientFenster m_host;
};

} // namespace

TEST_F(ImageView, WidgetIsTheSquareOfTheDiagonal)
{
    QPointF offset;
    EXPECT_EQ(WIN_IMAGEVIEW::squareFor({10, 20, 70, 100}, &offset), QRect(-16, 9, 122, 122));
    EXPECT_EQ(offset, QPointF(26, 11));

    VORDIX_IMAGEVIEW view;
    WIN_IMAGEVIEW* widget = attach(view, {10, 20, 70, 100}, 12.5f);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), QRect(-16, 9, 122, 122));
    EXPECT_EQ(widget->imageOffset(), QPointF(26, 11));
    EXPECT_EQ(widget->imageRect(), QRectF(10, 20, 70, 100));
    EXPECT_FLOAT_EQ(widget->rotation(), 12.5f);
    EXPECT_TRUE(widget->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(ImageView, ValuesSetOnAWorkerThreadReachTheWidget)
{
    VORDIX_IMAGEVIEW view;
    WIN_IMAGEVIEW* widget = attach(view, {0, 0, 20, 30});
    ASSERT_NE(widget, nullptr);
    onWorker([&] { view.setGeometry({40, 50, 70, 100}, 33.0f); });
    EXPECT_EQ(widget->geometry(), square(40, 50, 70, 100));
    EXPECT_FLOAT_EQ(widget->rotation(), 33.0f);
    EXPECT_EQ(widget->imageRect(), QRectF(40, 50, 70, 100));

    view.animationMs = 30;
    onWorker([&] { view.animateMove({5, 6, 20, 30}, 90.0f, 0.5f); });
    ASSERT_TRUE(pumpUntil([&] { return !widget->runningAnimation(); }));
    EXPECT_EQ(widget->geometry(), square(5, 6, 20, 30));
    EXPECT_FLOAT_EQ(widget->rotation(), 90.0f);
    EXPECT_FLOAT_EQ(widget->alpha(), 0.5f);
}

TEST_F(ImageView, MoveToWhereItIsStartsNothing)
{
    VORDIX_IMAGEVIEW view;
    WIN_IMAGEVIEW* widget = attach(view, {10, 10, 20, 30}, 15.0f);
    ASSERT_NE(widget, nullptr);
    view.animationMs = 50;
    view.animateMove({10, 10, 20, 30}, 15.0f, 1.0f);
    EXPECT_EQ(widget->runningAnimation(), nullptr);
    EXPECT_EQ(widget->findChildren<QAbstractAnimation*>().size(), 0);
}

TEST_F(ImageView, FadeAloneRunsOneAlphaAnimationInAGroup)
{
    VORDIX_IMAGEVIEW view;
    WIN_IMAGEVIEW* widget = attach(view, {10, 10, 20, 30});
    ASSERT_NE(widget, nullptr);
    const QRect before = widget->geometry();
    view.animationMs = 40;
    view.animateMove({10, 10, 20, 30}, 0.0f, 0.25f);
    auto* group = qobject_cast<QParallelAnimationGroup*>(widget->runningAnimation());
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->animationCount(), 1);
    auto* fade = qobject_cast<QPropertyAnimation*>(group->animationAt(0));
    ASSERT_NE(fade, nullptr);
    EXPECT_EQ(fade->propertyName(), QByteArray("alpha"));
    ASSERT_TRUE(pumpUntil([&] { return !widget->runningAnimation(); }));
    EXPECT_FLOAT_EQ(widget->alpha(), 0.25f);
    EXPECT_EQ(widget->geometry(), before);
}

TEST_F(ImageView, CardFliesTurnsAndFades)
{
    VORDIX_IMAGEVIEW view;
    WIN_IMAGEVIEW* widget = attach(view, {0, 0, 20, 30});
    ASSERT_NE(widget, nullptr);
    view.animationMs = 300; // long enough to see a frame between start and end
    view.animateMove({120, 90, 20, 30}, 180.0f, 0.4f);
    auto* group = qobject_cast<QParallelAnimationGroup*>(widget->runningAnimation());
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->animationCount(), 3);

    bool sawMidway = false; // some frame lies strictly between start and end
    ASSERT_TRUE(pumpUntil([&] {
        if (widget->x() > square(0, 0, 20, 30).x() && widget->x() < square(120, 90, 20, 30).x())
            sawMidway = true;
        return !widget->runningAnimation();
    }));
    EXPECT_TRUE(sawMidway);
    EXPECT_EQ(widget->geometry(), square(120, 90, 20, 30));
    EXPECT_FLOAT_EQ(widget->rotation(), 180.0f);
    EXPECT_FLOAT_EQ(widget->alpha(), 0.4f);
}

TEST_F(ImageView, NewAnimationStopsTheRunningOne)
{
    VORDIX_IMAGEVIEW view;
    WIN_IMAGEVIEW* widget = attach(view, {0, 0, 20, 30});
    ASSERT_NE(widget, nullptr);
    view.animationMs = 100000;
    view.animateMove({150, 150, 20, 30}, 0.0f, 1.0f);
    QPointer<QAbstractAnimation> slow = widget->runningAnimation();
    ASSERT_FALSE(slow.isNull());

    view.animationMs = 30;
    view.animateMove({60, 70, 20, 30}, 45.0f, 1.0f);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(slow.isNull()); // stopped and gone
    ASSERT_TRUE(pumpUntil([&] { return !widget->runningAnimation(); }));
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(widget->geometry(), square(60, 70, 20, 30));
    EXPECT_FLOAT_EQ(widget->rotation(), 45.0f);
}

TEST_F(ImageView, ShowGrowsFromTheCentreAndHideShrinksToIt)
{
    VORDIX_IMAGEVIEW view;
    auto* widget = dynamic_cast<WIN_IMAGEVIEW*>(view.implementor().get());
    ASSERT_NE(widget, nullptr);
    view.bitmap = &m_card;
    widget->attachToClient(&m_host, nullptr);
    view.x = 40;
    view.y = 50;
    view.width = 21;
    view.height = 31;
    view.animationMs = 60;

    view.implementor()->animateVisibility(true);
    EXPECT_FALSE(widget->isHidden());
    EXPECT_EQ(widget->geometry(), QRect(50, 65, 0, 0));
    ASSERT_TRUE(pumpUntil([&] { return !widget->runningAnimation(); }));
    EXPECT_EQ(widget->geometry(), QRect(40, 50, 21, 31));

    view.implementor()->animateVisibility(false);
    EXPECT_FALSE(widget->isHidden());
    ASSERT_TRUE(pumpUntil([&] { return !widget->runningAnimation(); }));
    EXPECT_TRUE(widget->isHidden());
    EXPECT_EQ(widget->geometry(), QRect(50, 65, 0, 0));
}

TEST_F(ImageView, ShowAfterAnUnfinishedHideStaysVisible)
{
    VORDIX_IMAGEVIEW view;
    WIN_IMAGEVIEW* widget = attach(view, {40, 50, 20, 30});
    ASSERT_NE(widget, nullptr);
    view.animationMs = 100000;
    view.implementor()->animateVisibility(false);
    view.animationMs = 20;
    view.implementor()->animateVisibility(true);
    ASSERT_TRUE(pumpUntil([&] { return !widget->runningAnimation(); }));
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    EXPECT_FALSE(widget->isHidden());
    EXPECT_EQ(widget->geometry(), QRect(40, 50, 20, 30));
}

TEST_F(ImageView, VisibilityFollowsRequestsEvenOnAHiddenWindow)
{
    VORDIX_IMAGEVIEW view;
    WIN_IMAGEVIEW* widget = attach(view, {0, 0, 20, 30});
    ASSERT_NE(widget, nullptr);
    ASSERT_FALSE(m_host.isVisible());
    EXPECT_FALSE(widget->isHidden());
    view.rotation = 7.0f;
    view.implementor()->setVisible(false);
    EXPECT_TRUE(widget->isHidden());
    EXPECT_FLOAT_EQ(widget->rotation(), 7.0f);
    view.implementor()->setParent();
    EXPECT_EQ(widget->parentWidget(), nullptr);
}

TEST_F(ImageView, RestackingKeepsCardsUnderTheInputView)
{
    auto* input = new QWidget;
    m_host.setInputView(input);
    VORDIX_IMAGEVIEW bottom, top, other;
    auto* a = dynamic_cast<WIN_IMAGEVIEW*>(bottom.implementor().get());
    auto* b = dynamic_cast<WIN_IMAGEVIEW*>(top.implementor().get());
    auto* c = dynamic_cast<WIN_IMAGEVIEW*>(other.implementor().get());
    ASSERT_TRUE(a && b && c);
    for (WIN_IMAGEVIEW* w : {a, b, c})
        w->attachToClient(&m_host, input);
    auto order = [&] { return m_host.findChildren<QWidget*>(Qt::FindDirectChildrenOnly); };
    EXPECT_EQ(order().back(), input);

    top.referenceView = &bottom; // b belongs directly above a
    top.implementor()->restack();
    QList<QWidget*> stacked = order();
    EXPECT_EQ(stacked.indexOf(b), stacked.indexOf(a) + 1);
    EXPECT_EQ(stacked.back(), input);
    top.implementor()->restack(); // already in place: nothing moves
    EXPECT_EQ(order(), stacked);

    a->raise();                      // the input view is no longer on top
    bottom.implementor()->restack(); // no reference: back under the input view
    stacked = order();
    EXPECT_EQ(stacked.back(), input);
    EXPECT_EQ(stacked.at(stacked.size() - 2), a);

    other.implementor()->lower();
    EXPECT_EQ(order().front(), c);
}

TEST_F(ImageView, PaintsTheCardTurnedShadedAndTranslucent)
{
    VORDIX_IMAGEVIEW view;
    WIN_IMAGEVIEW* widget = attach(view, {50, 50, 20, 30});
    ASSERT_NE(widget, nullptr);
    const QColor white(Qt::white);

    QImage image = m_host.grab().toImage();
    EXPECT_EQ(image.pixelColor(60, 65), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(47, 65), white);
    EXPECT_EQ(image.pixelColor(60, 52), QColor(Qt::red));
    EXPECT_EQ(inkBounds(image, white).adjusted(-1, -1, 1, 1).contains(QRect(50, 51, 18, 27)), true);

    view.setGeometry({50, 50, 20, 30}, 90.0f); // lies across now: wider than high
    image = m_host.grab().toImage();
    EXPECT_EQ(image.pixelColor(60, 65), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(47, 65), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(60, 52), white);

    view.shade = 1;
    view.implementor()->update();
    image = m_host.grab().toImage();
    const QColor shaded = image.pixelColor(60, 65);
    EXPECT_NEAR(shaded.red(), 255 * (255 - 83) / 255, 3);
    EXPECT_EQ(shaded.green(), 0);

    view.shade = 0;
    view.animationMs = 0;
    view.animateMove({50, 50, 20, 30}, 90.0f, 0.5f);
    ASSERT_TRUE(pumpUntil([&] { return !widget->runningAnimation(); }));
    image = m_host.grab().toImage();
    const QColor blended = image.pixelColor(60, 65);
    EXPECT_EQ(blended.red(), 255);
    EXPECT_NEAR(blended.green(), 128, 3);

    view.bitmap = nullptr; // nothing to show: nothing painted
    view.implementor()->update();
    image = m_host.grab().toImage();
    EXPECT_EQ(inkCount(image, white), 0);
}

TEST_F(ImageView, AttachesToTheWindowsClientUnderItsInputView)
{
    VORDIX_FENSTER window;
    auto* platformWindow = dynamic_cast<WIN_FENSTER*>(window.implementor().get());
    ASSERT_NE(platformWindow, nullptr);
    window.implementor()->createFromForm(-1); // no form: a bare client area
    ClientFenster* client = platformWindow->clientWidget();
    ASSERT_NE(client, nullptr);
    auto* input = new QWidget;
    client->setInputView(input);

    VORDIX_IMAGEVIEW lower, upper;
    lower.attachTo(&window, &m_card, {10, 10, 20, 30});
    upper.attachTo(&window, &m_card, {20, 10, 20, 30}, &lower);
    auto* a = dynamic_cast<WIN_IMAGEVIEW*>(lower.implementor().get());
    auto* b = dynamic_cast<WIN_IMAGEVIEW*>(upper.implementor().get());
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->parentWidget(), client);
    EXPECT_EQ(b->parentWidget(), client);
    const QList<QWidget*> stacked = client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    EXPECT_EQ(stacked.back(), input);
    EXPECT_LT(stacked.indexOf(a), stacked.indexOf(input));
    EXPECT_LT(stacked.indexOf(b), stacked.indexOf(input));

    upper.implementor()->restack();
    const QList<QWidget*> restacked = client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    EXPECT_EQ(restacked.indexOf(b), restacked.indexOf(a) + 1);
    EXPECT_EQ(restacked.back(), input);
}
