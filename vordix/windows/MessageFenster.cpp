#include "vordix/windows/MessageFenster.h"

#include "vordix/Application.h"
#include "vordix/ImplementorFactory.h"
#include "vordix/Message.h"
#include "vordix/Utf8.h"
#include "vordix/windows/EventHandoff.h"
#include "vordix/windows/MessageQueue.h"

#include <QCoreApplication>
#include <QEvent>

#include <filesystem>
#include <mutex>

namespace {

std::mutex instanceMutex;
MessageFenster* messageWindow = nullptr;

class OpenFileEvent : public QEvent {
public:
    static QEvent::Type type()
    {
        static const auto t = static_cast<QEvent::Type>(QEvent::registerEventType());
        return t;
    }
    OpenFileEvent(int m, std::wstring p) : QEvent(type()), mode(m), path(std::move(p)) { }
    const int mode;
    const std::wstring path;
};

std::wstring absolutePath(const std::wstring& path)
{
    if (path.empty())
        return path;
    std::error_code error;
    const auto absolute = std::filesystem::absolute(std::filesystem::path(vordix::toUtf8(path)), error);
    return error ? path : vordix::fromUtf8(absolute.string());
}

} // namespace

MessageFenster::MessageFenster()
{
    // Create the queue now, so that its event type exists before any post.
    CCustomMessageQueue::instance();
}

MessageFenster* MessageFenster::instance()
{
    std::lock_guard lock(instanceMutex);
    if (!messageWindow) {
        messageWindow = new MessageFenster;
        if (auto* app = QCoreApplication::instance())
            messageWindow->moveToThread(app->thread());
    }
    return messageWindow;
}

void MessageFenster::destroyInstance()
{
    std::lock_guard lock(instanceMutex);
    delete messageWindow;
    messageWindow = nullptr;
}

VORDIX_APPLICATION* MessageFenster::application()
{
    auto* factory = VORDIX_IMPLEMENTORFACTORY::instance();
    auto* platform = factory ? factory->getApplication() : nullptr;
    return platform ? platform->getOwner() : nullptr;
}

void MessageFenster::postOpenFile(int mode, const std::wstring& path)
{
    auto* event = new OpenFileEvent(mode, path);
    vordix::windows::eventHandedOver(event);
    QCoreApplication::postEvent(this, event);
}

int MessageFenster::openFileMessage(int mode, const std::wstring& path)
{
    if (mode != OPEN_FILE && mode != BATCH_FILE)
        return 0;
    const std::wstring full = absolutePath(path);
    const auto cut = full.rfind(L'/');
    VORDIX_FILE file;
    if (cut != std::wstring::npos) {
        const std::wstring folder = full.substr(0, cut);
        file.folder.setPath(folder.empty() ? L"/" : folder);
        file.name = full.substr(cut + 1);
    }
    const VORDIX_MESSAGE message = VORDIX_MESSAGE::openFile(file, mode == BATCH_FILE);
    if (auto* app = application())
        app->executeCommand(message);
    return 1;
}

bool MessageFenster::event(QEvent* e)
{
    vordix::windows::eventTakenOver(e);
    if (e->type() == CCustomMessageQueue::instance().registeredMessage()) {
        const PostedMessage record = CCustomMessageQueue::instance().take(static_cast<PostedRecordEvent*>(e)->id);
        if (record.hasPayload()) {
            if (auto* app = application())
                app->dispatchMessage(record);
        }
        return true;
    }
    if (e->type() == OpenFileEvent::type()) {
        auto* request = static_cast<OpenFileEvent*>(e);
        openFileMessage(request->mode, request->path);
        return true;
    }
    return QObject::event(e);
}
