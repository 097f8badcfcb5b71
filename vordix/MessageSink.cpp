#include "vordix/MessageSink.h"

#include "vordix/Utf8.h"

#include <cstdio>
#include <mutex>

namespace vordix {
namespace {

class StderrSink final : public MessageSink {
public:
    MessageAnswer show(MessageKind, const std::wstring& caption, const std::wstring& text,
                       MessageButtons buttons) override
    {
        std::fprintf(stderr, "%s: %s\n", toUtf8(caption).c_str(), toUtf8(text).c_str());
        return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? MessageAnswer::Yes
                                                                                          : MessageAnswer::Ok;
    }
};

std::mutex sinkMutex;
thread_local HeldMessages* heldMessages = nullptr;
std::shared_ptr<MessageSink>& current()
{
    static std::shared_ptr<MessageSink> sink = std::make_shared<StderrSink>();
    return sink;
}

} // namespace

MessageSink& messageSink()
{
    std::lock_guard lock(sinkMutex);
    return *current();
}

std::shared_ptr<MessageSink> setMessageSink(std::shared_ptr<MessageSink> sink)
{
    std::lock_guard lock(sinkMutex);
    auto previous = current();
    current() = sink ? std::move(sink) : std::make_shared<StderrSink>();
    return previous;
}

MessageAnswer showMessage(MessageKind kind, const std::wstring& text, MessageButtons buttons)
{
    if (heldMessages && buttons == MessageButtons::Ok) {
        heldMessages->notes_.push_back({kind, text});
        return MessageAnswer::Ok;
    }
    std::shared_ptr<MessageSink> sink;
    {
        std::lock_guard lock(sinkMutex);
        sink = current();
    }
    return sink->show(kind, L"SKAT", text, buttons);
}

HeldMessages::HeldMessages() : outer_(heldMessages) { heldMessages = this; }

HeldMessages::~HeldMessages()
{
    heldMessages = outer_;
    for (const Note& note : notes_)
        showMessage(note.kind, note.text);
}

} // namespace vordix
