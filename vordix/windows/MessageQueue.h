#pragma once
// The cross-thread message queue: a producer on any thread posts a record;
// the queue keeps it under a fresh id and announces the id to a target
// object on the GUI thread, which takes the record back when the
// announcement arrives. Posting never waits for the GUI thread.

#include "vordix/PostedMessage.h"

#include <QEvent>

#include <cstddef>
#include <cstdint>
#include <map>

class QObject;

// The announcement of one waiting record.
class PostedRecordEvent : public QEvent {
public:
    PostedRecordEvent(QEvent::Type type, std::uint32_t recordId) : QEvent(type), id(recordId) { }
    const std::uint32_t id;
};

class CCustomMessageQueue {
public:
    // The queue, created on first use.
    static CCustomMessageQueue& instance();
    // Program end: deletes the queue and the records still waiting.
    static void destroy();

    // Stores the record under the next id and announces it to target (ids
    // are given and announced under one lock, so records arrive in posting
    // order). Without a target nothing is stored; returns false then.
    bool post(QObject* target, const PostedMessage& record);

    // The record of the id, removed from the queue; the empty record when
    // the id has no entry (already taken or never stored).
    PostedMessage take(std::uint32_t id);

    // The event type of the announcements.
    QEvent::Type registeredMessage() const { return registeredMessage_; }

    std::size_t waitingCount() const;

private:
    CCustomMessageQueue();

    std::uint32_t nextId_ = 0;
    std::map<std::uint32_t, PostedMessage> records_;
    const QEvent::Type registeredMessage_;
};
