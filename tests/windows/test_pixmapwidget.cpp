#include "vordix/windows/PixmapWidget.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(PixmapWidget, StartsWithoutDialogAndControlId) {
    QWidget parent;
    PixmapWidget widget(&parent);
    EXPECT_EQ(widget.parentWidget(), &parent);
    EXPECT_EQ(widget.dialog(), nullptr);
    EXPECT_EQ(widget.controlId(), 0);
    EXPECT_EQ(widget.property("parent").value<void*>(), nullptr);
}

TEST(PixmapWidget, LeftClickEmitsControlIdOtherButtonsDoNot) {
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

TEST(PixmapWidget, WithoutDialogPaintsNothingNotEvenItsText) {
    QWidget parent;
    parent.resize(60, 30);
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, Qt::white);
    parent.setPalette(pal);
    parent.setAutoFillBackground(true);
    PixmapWidget widget(&parent);
    widget.setText(QStringLiteral("TextLabel"));
    widget.setStyleSheet(QStringLiteral("color: black; font-size: 20px"));
    widget.setGeometry(0, 0, 60, 30);

    QImage grab = parent.grab().toImage();
    for (int y = 0; y < grab.height(); ++y)
        for (int x = 0; x < grab.width(); ++x)
            ASSERT_EQ(grab.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
}
