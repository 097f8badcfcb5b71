#include "vordix/windows/3rdparty/CrashCodes.h"

#include <csignal>

namespace crash {

const char* exceptionName(uint32_t code)
{
    switch (code) {
    case CODE_ACCESS_VIOLATION: return "EXCEPTION_ACCESS_VIOLATION";
    case CODE_DATATYPE_MISALIGNMENT: return "EXCEPTION_DATATYPE_MISALIGNMENT";
    case CODE_BREAKPOINT: return "EXCEPTION_BREAKPOINT";
    case CODE_SINGLE_STEP: return "EXCEPTION_SINGLE_STEP";
    case 0xC000008C: return "EXCEPTION_ARRAY_BOUNDS_EXCEEDED";
    case CODE_FLT_DENORMAL_OPERAND: return "EXCEPTION_FLT_DENORMAL_OPERAND";
    case CODE_FLT_DIVIDE_BY_ZERO: return "EXCEPTION_FLT_DIVIDE_BY_ZERO";
    case CODE_FLT_INEXACT_RESULT: return "EXCEPTION_FLT_INEXACT_RESULT";
    case CODE_FLT_INVALID_OPERATION: return "EXCEPTION_FLT_INVALID_OPERATION";
    case CODE_FLT_OVERFLOW: return "EXCEPTION_FLT_OVERFLOW";
    case CODE_FLT_STACK_CHECK: return "EXCEPTION_FLT_STACK_CHECK";
    case CODE_FLT_UNDERFLOW: return "EXCEPTION_FLT_UNDERFLOW";
    case CODE_INT_DIVIDE_BY_ZERO: return "EXCEPTION_INT_DIVIDE_BY_ZERO";
    case CODE_INT_OVERFLOW: return "EXCEPTION_INT_OVERFLOW";
    case CODE_PRIV_INSTRUCTION: return "EXCEPTION_PRIV_INSTRUCTION";
    case CODE_IN_PAGE_ERROR: return "EXCEPTION_IN_PAGE_ERROR";
    case CODE_ILLEGAL_INSTRUCTION: return "EXCEPTION_ILLEGAL_INSTRUCTION";
    case 0xC0000025: return "EXCEPTION_NONCONTINUABLE_EXCEPTION";
    case CODE_STACK_OVERFLOW: return "EXCEPTION_STACK_OVERFLOW";
    case 0xC0000026: return "EXCEPTION_INVALID_DISPOSITION";
    case 0x80000001: return "EXCEPTION_GUARD_PAGE";
    case 0xC0000008: return "EXCEPTION_INVALID_HANDLE";
    default: return "EXCEPTION_UNKNOWN";
    }
}

uint32_t exceptionCodeOf(int signal, int signalCode, uintptr_t faultAddress, uintptr_t stackPointer)
{
    switch (signal) {
    case SIGSEGV: {
        // A push or call into the guard page below the stack faults a few
        // bytes under the stack pointer; a wild pointer lands far from it.
        constexpr uintptr_t reach = 64 * 1024;
        const uintptr_t distance =
            faultAddress > stackPointer ? faultAddress - stackPointer : stackPointer - faultAddress;
        return faultAddress != 0 && distance < reach ? CODE_STACK_OVERFLOW : CODE_ACCESS_VIOLATION;
    }
    case SIGBUS: return signalCode == BUS_ADRALN ? CODE_DATATYPE_MISALIGNMENT : CODE_IN_PAGE_ERROR;
    case SIGFPE:
        switch (signalCode) {
        case FPE_INTDIV: return CODE_INT_DIVIDE_BY_ZERO;
        case FPE_INTOVF: return CODE_INT_OVERFLOW;
        case FPE_FLTDIV: return CODE_FLT_DIVIDE_BY_ZERO;
        case FPE_FLTOVF: return CODE_FLT_OVERFLOW;
        case FPE_FLTUND: return CODE_FLT_UNDERFLOW;
        case FPE_FLTRES: return CODE_FLT_INEXACT_RESULT;
        case FPE_FLTSUB: return 0xC000008C;
        default: return CODE_FLT_INVALID_OPERATION;
        }
    case SIGILL:
        return signalCode == ILL_PRVOPC || signalCode == ILL_PRVREG ? CODE_PRIV_INSTRUCTION : CODE_ILLEGAL_INSTRUCTION;
    case SIGTRAP: return signalCode == TRAP_TRACE ? CODE_SINGLE_STEP : CODE_BREAKPOINT;
    case SIGABRT: return CODE_FATAL_APP_EXIT;
    default: return 0;
    }
}

const char* architectureName(uint16_t architecture)
{
    switch (architecture) {
    case 0: return "PROCESSOR_ARCHITECTURE_INTEL";
    case 1: return "PROCESSOR_ARCHITECTURE_MIPS";
    case 2: return "PROCESSOR_ARCHITECTURE_ALPHA";
    case 3: return "PROCESSOR_ARCHITECTURE_PPC";
    case 4: return "PROCESSOR_ARCHITECTURE_SHX";
    case 5: return "PROCESSOR_ARCHITECTURE_ARM";
    case 6: return "PROCESSOR_ARCHITECTURE_IA64";
    case 7: return "PROCESSOR_ARCHITECTURE_ALPHA64";
    case 9: return "PROCESSOR_ARCHITECTURE_AMD64";
    case 12: return "PROCESSOR_ARCHITECTURE_ARM64";
    case 0xFFFF: return "PROCESSOR_ARCHITECTURE_UNKNOWN";
    default: return "Unknown";
    }
}

const char* processorLevelName(uint16_t level)
{
    switch (level) {
    case 3: return "Intel 30386";
    case 4: return "Intel 80486";
    case 5: return "Intel Pentium";
    case 6: return "Intel Pentium Pro or Pentium II";
    default: return nullptr;
    }
}

} // namespace crash
