#include "skat/net/LocalMessageWorker.h"

#include "skat/engine/TableServices.h"
#include "skat/net/GameMessages.h"
#include "vordix/ThreadHooks.h"
#include "vordix/XmlHelpers.h"

#include <tinyxml2.h>

int messageKindOf(const std::string& xml)
{
    tinyxml2::XMLDocument document;
    if (document.Parse(xml.c_str(), xml.size()) != tinyxml2::XML_SUCCESS)
        return 0;
    return vordix::xml::intAttribute(document.RootElement(), "TYP", 0);
}

LOCAL_MESSAGE_WORKER::LOCAL_MESSAGE_WORKER(SKATTISCH& table) : table_(table)
{
    installGameMessenger(); // the table's messages are what this worker reads
    thread_ = std::thread([this] {
        const vordix::ThreadScope scope;
        run();
    });
    table_.setMessagePoster([this](std::string xml) { return post(std::move(xml)); });
}

LOCAL_MESSAGE_WORKER::~LOCAL_MESSAGE_WORKER()
{
    table_.setMessagePoster({});
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

bool LOCAL_MESSAGE_WORKER::post(std::string xml)
{
    {
        std::lock_guard lock(mutex_);
        if (stopping_)
            return false;
        queue_.push_back(std::move(xml));
    }
    wake_.notify_one();
    return true;
}

void LOCAL_MESSAGE_WORKER::setInspector(std::function<void(const SKAT_NETWORKMESSAGE&)> inspector)
{
    std::lock_guard lock(mutex_);
    inspector_ = std::move(inspector);
}

void LOCAL_MESSAGE_WORKER::run()
{
    for (;;) {
        std::string xml;
        bool dropped;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (queue_.empty())
                return;
            xml = std::move(queue_.front());
            queue_.pop_front();
            dropped = stopping_;
        }
        // Outside the queue lock: the hand-off lock comes before it.
        if (!dropped)
            handle(xml);
        else if (messageKindOf(xml) == TABLE_NOTIFICATION)
            EVENT_HANDOFF::instance().markHandled(); // nobody shows it any more
    }
}

void LOCAL_MESSAGE_WORKER::handle(const std::string& xml)
{
    SKAT_NETWORKMESSAGE message;
    if (streamFromXml(xml, message) != STREAM_READ_OK) {
        tableServices()->log(L"A local game message could not be read");
        if (messageKindOf(xml) == TABLE_NOTIFICATION)
            EVENT_HANDOFF::instance().markHandled();
        return;
    }
    std::function<void(const SKAT_NETWORKMESSAGE&)> inspector;
    {
        std::lock_guard lock(mutex_);
        inspector = inspector_;
    }
    if (inspector)
        inspector(message);
    if (message.kind == TABLE_NOTIFICATION)
        applyTableEvent(table_, message);
    else if (message.kind == PLAYER_ACTION_REQUEST)
        performPlayerRequest(table_, message);
}
