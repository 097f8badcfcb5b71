#pragma once
// An application object that only counts how often the framework lets it
// refresh its state after a message (afterMessage).

#include "vordix/Application.h"

namespace testsupport {

class CountingApplication : public VORDIX_APPLICATION {
public:
    bool initialize() override { return true; }
    void shutdown() override { }
    bool executeCommand(const VORDIX_MESSAGE&) override { return true; }
    void afterMessage() override { ++afterMessages; }
    void dispatchMessage(const PostedMessage&) override { }
    int afterMessages = 0;
};

} // namespace testsupport
