#include "skat/ui/LocalTableServer.h"

#include "skat/engine/Skattisch.h"
#include "skat/net/LocalMessageWorker.h"

LOCAL_TABLE_SERVER::LOCAL_TABLE_SERVER() : table_(std::make_unique<SKATTISCH_SERVER>()) {
    table_->standardSeating();
    worker_ = std::make_unique<LOCAL_MESSAGE_WORKER>(*table_);
}

LOCAL_TABLE_SERVER::~LOCAL_TABLE_SERVER() {
    stop();
    worker_.reset();
    table_.reset();
}

SKATTISCH* LOCAL_TABLE_SERVER::currentTable() { return table_.get(); }

void LOCAL_TABLE_SERVER::startNewSheet() {
    if (table_->isLoopRunning()) return;
    {
        std::lock_guard lock(table_->tableLock);
        table_->sheet.reset();
        table_->resetGame();
    }
    table_->startLoopThread();
}

void LOCAL_TABLE_SERVER::startNewGameOfList() {
    if (table_->isLoopRunning()) return;
    {
        std::lock_guard lock(table_->tableLock);
        table_->resetGame();
    }
    table_->startLoopThread();
}

void LOCAL_TABLE_SERVER::stop() {
    if (table_ && table_->isLoopRunning()) table_->stopGameLoop();
}
