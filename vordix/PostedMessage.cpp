#include "vordix/PostedMessage.h"

PostedMessage PostedMessage::local(std::string xml)
{
    PostedMessage m;
    m.kind_ = PostedPayloadKind::Local;
    m.payload_ = std::make_shared<const std::string>(std::move(xml));
    return m;
}

PostedMessage PostedMessage::received(std::uint32_t connectionId, std::string xml, std::vector<std::string> extraParts)
{
    PostedMessage m;
    if (!extraParts.empty())
        m.extraParts_ = std::make_shared<const std::vector<std::string>>(std::move(extraParts));
    m.senderId = connectionId;
    m.kind_ = PostedPayloadKind::Received;
    m.payload_ = std::make_shared<const std::string>(std::move(xml));
    return m;
}

const std::string& PostedMessage::text() const
{
    static const std::string empty;
    return payload_ ? *payload_ : empty;
}

std::uint32_t PostedMessage::payloadLength() const
{
    return payload_ ? static_cast<std::uint32_t>(payload_->size() + 1) : 0;
}

const std::vector<std::string>& PostedMessage::extraParts() const
{
    static const std::vector<std::string> none;
    return extraParts_ ? *extraParts_ : none;
}
