#pragma once
// The plain-text crash report ("Skat.log"): the exception, the processor,
// the operating system and the loaded modules. Safe inside a signal handler.

#include "vordix/windows/3rdparty/CrashProcessInfo.h"
#include "vordix/windows/3rdparty/MinidumpWriter.h"

namespace crash {

// Writes the report to an open file; without an event the exception section
// is left out. False when the file refuses the text.
bool writeCrashReportText(int fd, const ProcessSnapshot& snapshot, const SystemFacts& facts, const CrashEvent* event);

} // namespace crash
