#pragma once
// Every user-visible message of the program passes through one sink. The
// program installs a sink that shows a message box; tests install one that
// records the texts. Texts use '|' as line separator.

#include <memory>
#include <string>
#include <vector>

namespace vordix {

enum class MessageKind { Information, Warning, Error, Question };

// Buttons offered to the user; the answer is one of them.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual MessageAnswer show(MessageKind kind, const std::wstring& caption, const std::wstring& text,
                               MessageButtons buttons) = 0;
};

// The sink in force; without an installed sink, messages go to stderr and
// questions get their default answer (Ok/Yes).
MessageSink& messageSink();

// Installs a sink and returns the previous one (nullptr restores the default).
std::shared_ptr<MessageSink> setMessageSink(std::shared_ptr<MessageSink> sink);

// Shortcut with the program's caption "SKAT".
MessageAnswer showMessage(MessageKind kind, const std::wstring& text, MessageButtons buttons = MessageButtons::Ok);

// While one lives, the plain notes (Ok only) that this thread shows through
// showMessage are held back and shown when it ends; questions are still
// asked at once. A thread that holds a lock the GUI thread may wait for
// declares one before taking the lock, so that its notes come after the
// lock is released.
class HeldMessages {
public:
    HeldMessages();
    ~HeldMessages();
    HeldMessages(const HeldMessages&) = delete;
    HeldMessages& operator=(const HeldMessages&) = delete;

private:
    struct Note {
        MessageKind kind;
        std::wstring text;
    };
    HeldMessages* outer_;
    std::vector<Note> notes_;
    friend MessageAnswer showMessage(MessageKind, const std::wstring&, MessageButtons);
};

} // namespace vordix
