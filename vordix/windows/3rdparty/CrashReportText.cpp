#include "vordix/windows/3rdparty/CrashReportText.h"

#include "vordix/windows/3rdparty/CrashCodes.h"
#include "vordix/windows/3rdparty/MinidumpFormat.h"
#include "vordix/windows/3rdparty/SignalSafeIo.h"

namespace crash {
namespace {

void version(SignalSafeText& out, const uint32_t parts[4])
{
    for (int i = 0; i < 4; ++i) {
        if (i)
            out.text(".");
        out.decimal(parts[i] & 0xffff);
    }
}

} // namespace

bool writeCrashReportText(int fd, const ProcessSnapshot& snapshot, const SystemFacts& facts, const CrashEvent* event)
{
    SignalSafeText out(fd);
    out.line("========== begin report ==========");
    if (event) {
        out.line("---------- Exception ----------");
        out.text("ModuleName:           ").line(facts.programPath);
        out.text("ExceptionCode:        0x").hex(event->code, 0, false).line();
        out.text("ExceptionDescription: ").line(exceptionName(event->code));
        out.text("ExceptionAddress:     0x").hex(event->address, 16, true).line();
        out.line();
    }
    out.line("---------- Processor ----------");
    out.text("Architecture:       ").line(architectureName(facts.architecture));
    if (facts.architecture == minidump::ARCHITECTURE_INTEL) {
        out.text("Level:              ");
        if (const char* name = processorLevelName(facts.processorLevel))
            out.line(name);
        else
            out.decimal(facts.processorLevel).line();
    }
    out.text("NumberOfProcessors: ").decimal(facts.processors).line();
    out.line();
    out.line("---------- OperatingSystem ----------");
    out.text("MajorVersion: ").decimal(facts.osMajor).line();
    out.text("MinorVersion: ").decimal(facts.osMinor).line();
    out.text("BuildNumber:  ").decimal(facts.osBuild).line();
    out.text("CSDVersion:   ").line(facts.osDescription);
    out.line();
    out.line("---------- Modules ----------");
    for (size_t i = 0; i < snapshot.moduleCount; ++i) {
        const ModuleRecord& m = snapshot.modules[i];
        out.text("Module ").decimal(i + 1).line();
        out.text("FullPath:       ").text(snapshot.path(m.pathOffset), m.pathLength).line();
        out.text("BaseAddress:    0x").hex(m.base, 16, false).line();
        out.text("Size:           ").decimal(m.size).line();
        char time[20];
        formatFileTime(time, m.fileFound, m.fileTime, facts.utcOffsetSeconds);
        out.text("TimeStamp:      ").line(time);
        out.text("FileVersion:    ");
        version(out, m.fileVersion);
        out.line();
        out.text("ProductVersion: ");
        version(out, m.fileVersion);
        out.line();
        out.line();
    }
    out.line("========== end report ==========");
    return out.flush();
}

} // namespace crash
