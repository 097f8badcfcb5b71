#pragma once
// A message sink for tests: records every message it is shown and answers
// with a fixed answer.

#include "vordix/MessageSink.h"

#include <string>
#include <vector>

namespace testsupport {

class RecordingMessageSink : public vordix::MessageSink {
public:
    vordix::MessageAnswer show(vordix::MessageKind kind, const std::wstring& caption, const std::wstring& text,
                               vordix::MessageButtons) override
    {
        kinds.push_back(kind);
        captions.push_back(caption);
        texts.push_back(text);
        return answer;
    }
    void clear()
    {
        kinds.clear();
        captions.clear();
        texts.clear();
    }

    std::vector<vordix::MessageKind> kinds;
    std::vector<std::wstring> captions;
    std::vector<std::wstring> texts;
    vordix::MessageAnswer answer = vordix::MessageAnswer::Ok;
};

} // namespace testsupport
