#include "vordix/windows/3rdparty/ThreadContext.h"

#include "vordix/windows/3rdparty/MinidumpFormat.h"

#include <cstring>
#include <ucontext.h>
#if defined(__aarch64__)
#include <asm/sigcontext.h>
#endif

namespace crash {

void fillThreadContext(ThreadRecord& thread, const void* ucontext)
{
    thread.hasContext = false;
    thread.contextSize = 0;
    if (!ucontext)
        return;
    const auto* uc = static_cast<const ucontext_t*>(ucontext);
#if defined(__x86_64__)
    minidump::ContextAmd64 c{};
    const greg_t* g = uc->uc_mcontext.gregs;
    c.contextFlags = minidump::CONTEXT_AMD64_ALL;
    c.rax = static_cast<uint64_t>(g[REG_RAX]);
    c.rcx = static_cast<uint64_t>(g[REG_RCX]);
    c.rdx = static_cast<uint64_t>(g[REG_RDX]);
    c.rbx = static_cast<uint64_t>(g[REG_RBX]);
    c.rsp = static_cast<uint64_t>(g[REG_RSP]);
    c.rbp = static_cast<uint64_t>(g[REG_RBP]);
    c.rsi = static_cast<uint64_t>(g[REG_RSI]);
    c.rdi = static_cast<uint64_t>(g[REG_RDI]);
    c.r8 = static_cast<uint64_t>(g[REG_R8]);
    c.r9 = static_cast<uint64_t>(g[REG_R9]);
    c.r10 = static_cast<uint64_t>(g[REG_R10]);
    c.r11 = static_cast<uint64_t>(g[REG_R11]);
    c.r12 = static_cast<uint64_t>(g[REG_R12]);
    c.r13 = static_cast<uint64_t>(g[REG_R13]);
    c.r14 = static_cast<uint64_t>(g[REG_R14]);
    c.r15 = static_cast<uint64_t>(g[REG_R15]);
    c.rip = static_cast<uint64_t>(g[REG_RIP]);
    c.eFlags = static_cast<uint32_t>(g[REG_EFL]);
    // cs, gs and fs share one word.
    const uint64_t segments = static_cast<uint64_t>(g[REG_CSGSFS]);
    c.segCs = static_cast<uint16_t>(segments & 0xffff);
    c.segGs = static_cast<uint16_t>((segments >> 16) & 0xffff);
    c.segFs = static_cast<uint16_t>((segments >> 32) & 0xffff);
    if (uc->uc_mcontext.fpregs) {
        static_assert(sizeof(*uc->uc_mcontext.fpregs) == sizeof c.fltSave);
        std::memcpy(c.fltSave, uc->uc_mcontext.fpregs, sizeof c.fltSave);
        c.mxCsr = uc->uc_mcontext.fpregs->mxcsr;
    }
    std::memcpy(thread.context, &c, sizeof c);
    thread.contextSize = sizeof c;
    thread.stackPointer = c.rsp;
    thread.instructionPointer = c.rip;
    thread.hasContext = true;
#elif defined(__aarch64__)
    minidump::ContextArm64 c{};
    c.contextFlags = minidump::CONTEXT_ARM64_ALL;
    for (int i = 0; i < 29; ++i)
        c.x[i] = uc->uc_mcontext.regs[i];
    c.fp = uc->uc_mcontext.regs[29];
    c.lr = uc->uc_mcontext.regs[30];
    c.sp = uc->uc_mcontext.sp;
    c.pc = uc->uc_mcontext.pc;
    c.cpsr = static_cast<uint32_t>(uc->uc_mcontext.pstate);
    // The vector registers follow in the reserved area under their magic.
    const unsigned char* extra = reinterpret_cast<const unsigned char*>(uc->uc_mcontext.__reserved);
    const auto* simd = reinterpret_cast<const fpsimd_context*>(extra);
    if (simd->head.magic == FPSIMD_MAGIC) {
        std::memcpy(c.v, simd->vregs, sizeof c.v);
        c.fpsr = simd->fpsr;
        c.fpcr = simd->fpcr;
    }
    std::memcpy(thread.context, &c, sizeof c);
    thread.contextSize = sizeof c;
    thread.stackPointer = c.sp;
    thread.instructionPointer = c.pc;
    thread.hasContext = true;
#else
    (void)uc;
#endif
}

} // namespace crash
