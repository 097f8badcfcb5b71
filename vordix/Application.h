#pragma once
// The program's application object (platform-neutral side) and the
// interface of its platform implementor, the platform application.

#include "vordix/PostedMessage.h"

#include <cstdint>

class VORDIX_APPLICATION;
struct VORDIX_MESSAGE;

class VORDIX_APPLICATION_imp {
public:
    virtual ~VORDIX_APPLICATION_imp() = default;
    // Ends the GUI event loop.
    virtual void quit() = 0;
    // Stores the language for the next start; the texts on screen keep theirs.
    virtual void setLanguage(bool english) = 0;
    // Kept for its place in the interface; has no effect.
    virtual void reserved(std::uintptr_t, std::uintptr_t) { }
    // Pumps GUI events for ms milliseconds (GUI thread); returns the
    // milliseconds that passed.
    virtual unsigned processEvents(std::uint16_t ms, int unused = 0) = 0;
    // Blocks the calling thread only.
    virtual void sleep(unsigned ms) = 0;
    // Hands the record to the owner's dispatchMessage on the GUI thread;
    // callable from any thread, never waits.
    virtual void postMessage(const PostedMessage& message) = 0;
    virtual void setOwner(VORDIX_APPLICATION* owner) = 0;
    virtual bool isEnglish() const = 0;
    virtual bool isServiceDiscoveryAvailable() const = 0;
    virtual VORDIX_APPLICATION* getOwner() const = 0;
};

class VORDIX_APPLICATION {
public:
    // Takes the platform application from the factory and becomes its owner.
    VORDIX_APPLICATION();
    virtual ~VORDIX_APPLICATION();
    VORDIX_APPLICATION(const VORDIX_APPLICATION&) = delete;
    VORDIX_APPLICATION& operator=(const VORDIX_APPLICATION&) = delete;

    virtual bool initialize() = 0;
    virtual void shutdown() = 0;
    // Runs a command or open-file message (GUI thread).
    virtual bool executeCommand(const VORDIX_MESSAGE& message) = 0;
    // Called after each handled message (menu states and the like).
    virtual void afterMessage() = 0;
    // Forwards to the platform application; from any thread.
    virtual void postMessage(const PostedMessage& message);
    // Handles a posted record on the GUI thread.
    virtual void dispatchMessage(const PostedMessage& message) = 0;

    // The platform application (null when none was created).
    VORDIX_APPLICATION_imp* implementor() const { return imp_; }

protected:
    // For tests and owners that bring their own platform application.
    explicit VORDIX_APPLICATION(VORDIX_APPLICATION_imp* imp);

private:
    VORDIX_APPLICATION_imp* imp_ = nullptr; // the process-wide platform application
};
