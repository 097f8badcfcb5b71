#pragma once
// The one factory that creates every platform implementor of the framework's
// neutral classes. vordix/ knows only this interface; the platform layer
// (vordix/windows/) installs its implementation at start-up.

#include <memory>

class VORDIX_APPLICATION;
class VORDIX_AREA;
class VORDIX_BITMAP;
class VORDIX_LINE;
class VORDIX_TEXT;
class VORDIX_ZEICHENBEREICH;
class VORDIX_DIALOG;
class VORDIX_FENSTER;
class VORDIX_HAUPTFENSTER;
class VORDIX_VIEW;
class VORDIX_IMAGEVIEW;
class VORDIX_CONTROL;

class VORDIX_APPLICATION_imp;
class VORDIX_AREA_imp;
class VORDIX_BITMAP_imp;
class VORDIX_COMMUNICATION_imp;
class VORDIX_FOLDER_imp;
class VORDIX_LINE_imp;
class VORDIX_SCREEN_imp;
class VORDIX_SOUND_imp;
class VORDIX_PREFERENCE_imp;
class VORDIX_TEXT_imp;
class VORDIX_ZEICHENBEREICH_imp;
class VORDIX_DIALOG_imp;
class VORDIX_VIEW_imp;
class VORDIX_IMAGEVIEW_imp;
class VORDIX_FENSTER_imp;
class VORDIX_HAUPTFENSTER_imp;
class VORDIX_CONTROL_imp;

class VORDIX_IMPLEMENTORFACTORY {
public:
    virtual ~VORDIX_IMPLEMENTORFACTORY();

    // The platform application singleton; null before main created it.
    virtual VORDIX_APPLICATION_imp* getApplication() = 0;

    // Plain implementors, built on the calling thread and owned by the caller
    // (screen and sound excepted: one each per process, owned by the factory).
    virtual VORDIX_AREA_imp* createArea(VORDIX_AREA* owner) = 0;
    virtual VORDIX_BITMAP_imp* createBitmap() = 0;
    virtual VORDIX_COMMUNICATION_imp* createCommunication() = 0;
    virtual VORDIX_FOLDER_imp* createFolder() = 0;
    virtual VORDIX_LINE_imp* createLine(VORDIX_LINE* owner) = 0;
    virtual VORDIX_SCREEN_imp* createScreen() = 0; // process-wide, not owned by the caller
    virtual VORDIX_SOUND_imp* createSound() = 0;   // process-wide, not owned by the caller
    virtual VORDIX_PREFERENCE_imp* createPreference() = 0;
    virtual VORDIX_TEXT_imp* createText(VORDIX_TEXT* owner) = 0;
    virtual VORDIX_ZEICHENBEREICH_imp* createDrawingArea(VORDIX_ZEICHENBEREICH* owner) = 0;

    // Widget-based implementors: built on the GUI thread; the returned
    // pointer's deleter destroys them on the GUI thread as well.
    virtual std::shared_ptr<VORDIX_DIALOG_imp> createDialog(VORDIX_DIALOG* owner, int formId) = 0;
    virtual std::shared_ptr<VORDIX_DIALOG_imp> createDialogOverDialog(VORDIX_DIALOG* parent, VORDIX_DIALOG* owner,
                                                                      int formId) = 0;
    virtual std::shared_ptr<VORDIX_DIALOG_imp> createDialogOverWindow(VORDIX_FENSTER* parent, VORDIX_DIALOG* owner,
                                                                      int formId) = 0;
    virtual std::shared_ptr<VORDIX_VIEW_imp> createView(VORDIX_VIEW* owner) = 0;
    virtual std::shared_ptr<VORDIX_IMAGEVIEW_imp> createImageView(VORDIX_IMAGEVIEW* owner) = 0;
    virtual std::shared_ptr<VORDIX_FENSTER_imp> createWindow(VORDIX_FENSTER* owner) = 0;
    virtual std::shared_ptr<VORDIX_HAUPTFENSTER_imp> createMainWindow(VORDIX_HAUPTFENSTER* owner) = 0;
    virtual std::shared_ptr<VORDIX_CONTROL_imp> createControl(VORDIX_CONTROL* owner) = 0;

    // The process-wide factory. The platform layer installs it during start-up
    // (installInstance); tests may install a fake. Null until then.
    static VORDIX_IMPLEMENTORFACTORY* instance();
    // Takes ownership; deleting the installed factory clears the instance.
    static void installInstance(VORDIX_IMPLEMENTORFACTORY* factory);
    static void deleteInstance();
};
