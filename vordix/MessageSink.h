#pragma once
// Every user-visible message of the program passes through one sink. The
// program installs a sink that shows a message box; tests install one that
// records the texts. Texts use '|' as line separator.

#include <memory>
#include <string>

namespace vordix {

enum class MessageKind { Information, Warning, Error, Question };

// Buttons offered to the user; the answer is one of them.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual MessageAnswer show(MessageKind kind, const std::wstring& caption,
                               const std::wstring& text, MessageButtons buttons) = 0;
};

// The sink in force; without an installed sink, messages go to stderr and
// questions get their default answer (Ok/Yes).
MessageSink& messageSink();

// Installs a sink and returns the previous one (nullptr restores the default).
std::shared_ptr<MessageSink> setMessageSink(std::shared_ptr<MessageSink> sink);

// Shortcut with the program's caption "SKAT".
MessageAnswer showMessage(MessageKind kind, const std::wstring& text,
                          MessageButtons buttons = MessageButtons::Ok);

} // namespace vordix
