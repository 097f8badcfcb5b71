#pragma once
// How a crash is named: the exception codes by which reports and dumps
// describe a fatal signal, and the names of codes and processors in the text
// report. Every function here is safe inside a signal handler.

#include <cstdint>

namespace crash {

constexpr uint32_t CODE_ACCESS_VIOLATION = 0xC0000005;
constexpr uint32_t CODE_DATATYPE_MISALIGNMENT = 0x80000002;
constexpr uint32_t CODE_BREAKPOINT = 0x80000003;
constexpr uint32_t CODE_SINGLE_STEP = 0x80000004;
constexpr uint32_t CODE_FLT_DENORMAL_OPERAND = 0xC000008D;
constexpr uint32_t CODE_FLT_DIVIDE_BY_ZERO = 0xC000008E;
constexpr uint32_t CODE_FLT_INEXACT_RESULT = 0xC000008F;
constexpr uint32_t CODE_FLT_INVALID_OPERATION = 0xC0000090;
constexpr uint32_t CODE_FLT_OVERFLOW = 0xC0000091;
constexpr uint32_t CODE_FLT_STACK_CHECK = 0xC0000092;
constexpr uint32_t CODE_FLT_UNDERFLOW = 0xC0000093;
constexpr uint32_t CODE_INT_DIVIDE_BY_ZERO = 0xC0000094;
constexpr uint32_t CODE_INT_OVERFLOW = 0xC0000095;
constexpr uint32_t CODE_PRIV_INSTRUCTION = 0xC0000096;
constexpr uint32_t CODE_IN_PAGE_ERROR = 0xC0000006;
constexpr uint32_t CODE_ILLEGAL_INSTRUCTION = 0xC000001D;
constexpr uint32_t CODE_STACK_OVERFLOW = 0xC00000FD;
// Outside the named table: a program that aborted itself, and a C++
// exception that nothing caught.
constexpr uint32_t CODE_FATAL_APP_EXIT = 0x40000015;
constexpr uint32_t CODE_CPP_EXCEPTION = 0xE06D7363;

// The report's name of an exception code; "EXCEPTION_UNKNOWN" for codes
// outside the table.
const char* exceptionName(uint32_t code);

// The code of a fatal signal with its si_code. A segmentation fault whose
// address lies within reach of the stack pointer is a stack overflow.
uint32_t exceptionCodeOf(int signal, int signalCode, uintptr_t faultAddress, uintptr_t stackPointer);

// "PROCESSOR_ARCHITECTURE_..." for an architecture value, "Unknown" otherwise.
const char* architectureName(uint16_t architecture);
// The name of an Intel processor level; null for levels written as numbers.
const char* processorLevelName(uint16_t level);

} // namespace crash
