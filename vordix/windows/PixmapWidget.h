#pragma once
// Clickable picture control of the dialog forms. Its content is painted by
// the game side: each paint event lends the widget's painter to the owning
// dialog, which draws the control identified by controlId.

#include <QLabel>

class WIN_DIALOG;
class QMouseEvent;
class QPaintEvent;

class PixmapWidget : public QLabel {
    Q_OBJECT
    // The owning dialog as a plain pointer (forms and the dialog wiring may
    // reach it through the meta-object system).
    Q_PROPERTY(void* parent READ dialogPointer WRITE setDialogPointer)

public:
    explicit PixmapWidget(QWidget* parent = nullptr);

    WIN_DIALOG* dialog() const { return m_dialog; }
    void setDialog(WIN_DIALOG* dialog) { m_dialog = dialog; }

    int controlId() const { return m_controlId; }
    void setControlId(int id) { m_controlId = id; }

signals:
    // Left button pressed on the widget; carries the control id.
    void leftMouseClick(int controlId);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void* dialogPointer() const { return m_dialog; }
    void setDialogPointer(void* dialog) { m_dialog = static_cast<WIN_DIALOG*>(dialog); }

    WIN_DIALOG* m_dialog = nullptr;
    int m_controlId = 0;
};
