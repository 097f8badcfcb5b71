#pragma once
// The platform's implementor factory. Plain implementors are built on the
// calling thread; widget-based ones (windows, dialogs, views, image views,
// controls) are built on the GUI thread and shared with a deleter that
// destroys them there (vordix/windows/GuiThread.h).
//
// Its definitions are split by the classes they build:
//   WinImplementorFactory.cpp  application, folder, preference, screen
//   WinFactoryWindows.cpp      windows, main window, dialogs, controls
//   WinFactoryDrawing.cpp      drawing, bitmaps, views, image views, sound,
//                              communication

#include "vordix/ImplementorFactory.h"

#include <memory>

class WIN_IMPLEMENTORFACTORY : public VORDIX_IMPLEMENTORFACTORY {
public:
    WIN_IMPLEMENTORFACTORY();
    ~WIN_IMPLEMENTORFACTORY() override;

    // Installs a WIN_IMPLEMENTORFACTORY as the process-wide factory unless
    // one is installed already; returns the installed factory.
    static VORDIX_IMPLEMENTORFACTORY* installDefault();

    VORDIX_APPLICATION_imp* getApplication() override;
    VORDIX_AREA_imp* createArea(VORDIX_AREA* owner) override;
    VORDIX_BITMAP_imp* createBitmap() override;
    VORDIX_COMMUNICATION_imp* createCommunication() override;
    VORDIX_FOLDER_imp* createFolder() override;
    VORDIX_LINE_imp* createLine(VORDIX_LINE* owner) override;
    VORDIX_SCREEN_imp* createScreen() override;
    VORDIX_SOUND_imp* createSound() override;
    VORDIX_PREFERENCE_imp* createPreference() override;
    VORDIX_TEXT_imp* createText(VORDIX_TEXT* owner) override;
    VORDIX_ZEICHENBEREICH_imp* createDrawingArea(VORDIX_ZEICHENBEREICH* owner) override;
    std::shared_ptr<VORDIX_DIALOG_imp> createDialog(VORDIX_DIALOG* owner, int formId) override;
    std::shared_ptr<VORDIX_DIALOG_imp> createDialogOverDialog(VORDIX_DIALOG* parent, VORDIX_DIALOG* owner,
                                                              int formId) override;
    std::shared_ptr<VORDIX_DIALOG_imp> createDialogOverWindow(VORDIX_FENSTER* parent, VORDIX_DIALOG* owner,
                                                              int formId) override;
    std::shared_ptr<VORDIX_VIEW_imp> createView(VORDIX_VIEW* owner) override;
    std::shared_ptr<VORDIX_IMAGEVIEW_imp> createImageView(VORDIX_IMAGEVIEW* owner) override;
    std::shared_ptr<VORDIX_FENSTER_imp> createWindow(VORDIX_FENSTER* owner) override;
    std::shared_ptr<VORDIX_HAUPTFENSTER_imp> createMainWindow(VORDIX_HAUPTFENSTER* owner) override;
    std::shared_ptr<VORDIX_CONTROL_imp> createControl(VORDIX_CONTROL* owner) override;

private:
    // The process-wide screen and sound player live as long as the factory.
    std::unique_ptr<VORDIX_SCREEN_imp> screen_;
    std::unique_ptr<VORDIX_SOUND_imp> sound_;
};
