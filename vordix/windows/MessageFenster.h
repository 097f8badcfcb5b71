#pragma once
// The hidden object on the GUI thread that receives the message queue's
// announcements and open-file requests and hands them to the application
// object (the owner of the platform application).

#include <QObject>

#include <string>

class VORDIX_APPLICATION;

class MessageFenster : public QObject {
    Q_OBJECT
public:
    enum OpenMode { OPEN_FILE = 1, BATCH_FILE = 2 };

    // The hidden object, created on first use; it lives on the GUI thread
    // whichever thread made it.
    static MessageFenster* instance();
    static void destroyInstance();

    // Posts an open-file request to the GUI thread (from any thread).
    void postOpenFile(int mode, const std::wstring& path);

    // Delivers an open-file request to the application's executeCommand as
    // a MESSAGE_OPEN_FILE message. A relative path is taken relative to the
    // current folder. Returns 1 when delivered, 0 for an unknown mode.
    int openFileMessage(int mode, const std::wstring& path);

protected:
    bool event(QEvent* event) override;

private:
    MessageFenster();
    static VORDIX_APPLICATION* application();
};
