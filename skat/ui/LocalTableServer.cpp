#include "skat/ui/LocalTableServer.h"

#include "skat/net/SkatServer.h"

LOCAL_TABLE_SERVER::LOCAL_TABLE_SERVER(SKAT_SERVER& server) : server_(server) { server_.prepareLocalTable(); }

LOCAL_TABLE_SERVER::LOCAL_TABLE_SERVER() : LOCAL_TABLE_SERVER(SKAT_SERVER::instance()) { }

LOCAL_TABLE_SERVER::~LOCAL_TABLE_SERVER() { stop(); }

SKATTISCH* LOCAL_TABLE_SERVER::currentTable() { return server_.currentTable(); }

void LOCAL_TABLE_SERVER::startNewSheet() { server_.startNewSheet(); }

void LOCAL_TABLE_SERVER::startNewGameOfList() { server_.startNewGameOfList(); }

void LOCAL_TABLE_SERVER::loadRunningGame() { server_.loadRunningGame(); }

void LOCAL_TABLE_SERVER::stop() { server_.shutdown(); }

SKATTISCH_SERVER& LOCAL_TABLE_SERVER::table() { return *server_.serverTable(); }
