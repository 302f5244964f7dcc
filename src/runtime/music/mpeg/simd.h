// Which instruction set the hot stages (polyphase synthesis, IMDCT) use. The
// SSE2 versions live in *_sse2.cpp files; the 32-bit program must also run on
// processors without SSE2, so the choice is made at run time.
#pragma once

namespace lizhi::mpeg {

// True when the processor runs SSE2 (always on x86-64; asked with cpuid on
// 32-bit x86; false elsewhere).
bool CpuHasSse2();

}  // namespace lizhi::mpeg

// On the entry function of SSE2 code for 32-bit Windows: the stack there is
// only sure to be 4-byte aligned (threads started by the system), while SSE2
// code spills 16-byte values to it, so the entry aligns it first.
#if defined(__i386__)
#define LIZHI_SSE2_ENTRY __attribute__((force_align_arg_pointer))
#else
#define LIZHI_SSE2_ENTRY
#endif
