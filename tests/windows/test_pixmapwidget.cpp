#include "vordix/windows/PixmapWidget.h"

#include "test_drawing_support.h"

#include "vordix/Area.h"
#include "vordix/Dialog.h"
#include "vordix/windows/WinDialog.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(PixmapWidget, StartsWithoutDialogAndControlId)
{
    QWidget parent;
    PixmapWidget widget(&parent);
    EXPECT_EQ(widget.parentWidget(), &parent);
    EXPECT_EQ(widget.dialog(), nullptr);
    EXPECT_EQ(widget.controlId(), 0);
    EXPECT_EQ(widget.property("parent").value<void*>(), nullptr);
}

TEST(PixmapWidget, LeftClickEmitsControlIdOtherButtonsDoNot)
{
    PixmapWidget widget;
    widget.resize(40, 30);
    widget.setControlId(417);
    QSignalSpy spy(&widget, &PixmapWidget::leftMouseClick);

    QTest::mousePress(&widget, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mousePress(&widget, Qt::MiddleButton, {}, QPoint(5, 5));
    EXPECT_EQ(spy.count(), 0);

    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 417);
}

TEST(PixmapWidget, WithoutDialogPaintsNothingNotEvenItsText)
{
    QWidget parent;
    parent.resize(60, 30);
    paintWhiteBackground(parent);
    PixmapWidget widget(&parent);
    widget.setText(QStringLiteral("TextLabel"));
    widget.setStyleSheet(QStringLiteral("color: black; font-size: 20px"));
    widget.setGeometry(0, 0, 60, 30);

    QImage grab = parent.grab().toImage();
    for (int y = 0; y < grab.height(); ++y)
        for (int x = 0; x < grab.width(); ++x)
            ASSERT_EQ(grab.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
}

namespace {
// A dialog whose picture controls are painted red in their left half.
class PaintingDialog : public VORDIX_DIALOG {
public:
    PaintingDialog() : VORDIX_DIALOG(9990) { }
    void drawControl(VORDIX_ZEICHENBEREICH& area, int controlId) override
    {
        paintedIds.push_back(controlId);
        VORDIX_AREA red;
        red.setColor(999, 0, 0);
        red.fillRect(area, {0, 0, 20, 30});
    }
    std::vector<int> paintedIds;
};

class PixmapWidgetPainting : public PlatformFactoryTest { };
} // namespace

TEST_F(PixmapWidgetPainting, DialogPaintsTheControlByItsId)
{
    PaintingDialog dialog;
    auto* platformDialog = dynamic_cast<WIN_DIALOG*>(dialog.implementor().get());
    ASSERT_NE(platformDialog, nullptr);

    QWidget parent;
    parent.resize(40, 30);
    paintWhiteBackground(parent);
    PixmapWidget widget(&parent);
    widget.setGeometry(0, 0, 40, 30);
    widget.setText(QStringLiteral("TextLabel"));
    widget.setDialog(platformDialog);
    widget.setControlId(321);
    EXPECT_EQ(widget.property("parent").value<void*>(), static_cast<void*>(platformDialog));

    const QImage grab = parent.grab().toImage();
    ASSERT_FALSE(dialog.paintedIds.empty());
    EXPECT_EQ(dialog.paintedIds.back(), 321);
    EXPECT_EQ(grab.pixelColor(5, 5), QColor(255, 0, 0));
    EXPECT_EQ(grab.pixelColor(19, 29), QColor(255, 0, 0));
    EXPECT_EQ(grab.pixelColor(30, 15), QColor(Qt::white)); // no label text drawn
    EXPECT_EQ(inkCount(grab.copy(20, 0, 20, 30), QColor(Qt::white)), 0);
}
