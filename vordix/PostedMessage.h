#pragma once
// The record that crosses threads through the framework's message queue:
// the sender's connection id and the XML text of a game network message.
//
// The payload is typed and shared (pointer-sized, copied with the record,
// freed with its last copy): its kind says whether the program produced the
// text itself or received it from the network. Nothing is inferred from a
// byte length, so no short text can ever pass for something else.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

enum class PostedPayloadKind : std::uint8_t {
    None,    // the empty record: no message
    Local,   // text produced inside this program
    Received // text received from a network peer
};

struct PostedMessage {
    std::uint32_t senderId = 0; // network connection id, 0 for local traffic

    PostedMessage() = default;
    // Takes over the XML text (UTF-8).
    static PostedMessage local(std::string xml);
    // Picture bytes that came with the text travel as further parts.
    static PostedMessage received(std::uint32_t connectionId, std::string xml,
                                  std::vector<std::string> extraParts = {});

    PostedPayloadKind kind() const { return kind_; }
    bool hasPayload() const { return kind_ != PostedPayloadKind::None; }
    // The XML text; empty for the empty record.
    const std::string& text() const;
    // Bytes of the text including its terminating zero; 0 without payload.
    std::uint32_t payloadLength() const;
    // The parts after the text (received messages only).
    const std::vector<std::string>& extraParts() const;

private:
    PostedPayloadKind kind_ = PostedPayloadKind::None;
    std::shared_ptr<const std::string> payload_;
    std::shared_ptr<const std::vector<std::string>> extraParts_;
};
