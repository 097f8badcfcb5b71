#pragma once
// A one-way message: a body of parts sent without waiting for an answer.

#include "vordix/ipc/MessageBase.h"

namespace VORDIX_IPC {

class CAsyncMessage : public CBodyMessage<IAsyncMessage> {
public:
    CAsyncMessage() = default;
    CAsyncMessage(uint32_t connectionId, uint8_t channelTag) { setRecipient(connectionId, channelTag); }

    bool send() override;
};

} // namespace VORDIX_IPC
