#pragma once
// The program's message sink: message boxes on the GUI thread. A box
// raised on another thread is handed to the GUI thread; a plain notice does
// not keep the worker waiting, a question waits for the user's answer.

#include "vordix/MessageSink.h"

#include <QString>

#include <functional>

class QtMessageSink : public vordix::MessageSink {
public:
    // Shows one box and returns the user's answer (GUI thread).
    using Presenter = std::function<vordix::MessageAnswer(vordix::MessageKind, const QString& caption,
                                                          const QString& text, vordix::MessageButtons)>;

    // By default a modal QMessageBox without parent.
    explicit QtMessageSink(Presenter presenter = {});

    vordix::MessageAnswer show(vordix::MessageKind kind, const std::wstring& caption, const std::wstring& text,
                               vordix::MessageButtons buttons) override;

    // The text as a box shows it: every '|' becomes a line feed.
    static QString displayText(const std::wstring& text);
    static vordix::MessageAnswer showMessageBox(vordix::MessageKind kind, const QString& caption, const QString& text,
                                                vordix::MessageButtons buttons);

    // The answer of a box closed without a button, or never shown.
    static vordix::MessageAnswer refusingAnswer(vordix::MessageButtons buttons);

private:
    Presenter presenter_;
};
