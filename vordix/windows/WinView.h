#pragma once
// The widget behind a framework view: its paint events let the view draw
// into a drawing area. resize, updateRect and mapToGlobal may be called from
// any thread; they run on the GUI thread.

#include "vordix/View.h"

#include <QWidget>

class WIN_VIEW : public QWidget, public VORDIX_VIEW_imp {
    Q_OBJECT
public:
    explicit WIN_VIEW(VORDIX_VIEW* owner, QWidget* parent = nullptr);
    ~WIN_VIEW() override;

    void resize(int width, int height) override;
    // A negative width means the whole width, a negative height the whole
    // height.
    void updateRect(int x, int y, int width, int height) override;
    // Screen position of the top-left corner with the widget's size.
    RECTANGLE mapToGlobal() override;
    VORDIX_VIEW* getOwner() const override { return m_owner; }

    // The rectangle updateRect means, in widget coordinates.
    QRect updateArea(int x, int y, int width, int height) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    VORDIX_VIEW* m_owner;
};
