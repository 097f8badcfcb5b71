#pragma once
// Turns the register state that the kernel hands a signal handler into the
// minidump's register record of this processor.

#include "vordix/windows/3rdparty/CrashProcessInfo.h"

namespace crash {

// Fills the record's context, stack pointer and instruction pointer from a
// ucontext_t; safe inside a signal handler.
void fillThreadContext(ThreadRecord& thread, const void* ucontext);

} // namespace crash
