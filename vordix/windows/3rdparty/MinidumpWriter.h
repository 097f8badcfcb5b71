#pragma once
// Writes a minidump of this process in the public format: system and misc
// information, the exception, the threads with their registers and stacks,
// the modules with their build ids, the memory of the stacks (or all
// readable memory for a full-memory dump) and the process's memory map.
// Safe inside a signal handler: it writes with system calls from the tables
// of a ProcessSnapshot filled beforehand.

#include "vordix/windows/3rdparty/CrashProcessInfo.h"

#include <cstdint>

namespace crash {

// What is known of the exception that ended the process.
struct CrashEvent {
    uint32_t code = 0;
    uint64_t address = 0;  // where it happened (the instruction)
    uint32_t threadId = 0; // the crashing thread
    uint32_t parameterCount = 0;
    uint64_t parameters[3] = {};
};

// Writes the dump to an open file; without an event there is no exception
// stream. The snapshot's mappings, modules and threads must be filled.
bool writeMinidumpFile(int fd, const ProcessSnapshot& snapshot, const SystemFacts& facts, const CrashEvent* event,
                       uint64_t dumpType);

} // namespace crash
