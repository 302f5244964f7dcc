// Which instruction set the hot stages (polyphase synthesis, IMDCT) use. The
// SSE2 versions live in *_sse2.cpp files; the 32-bit program must also run on
// processors without SSE2, so the choice is made at run time.
#pragma once

namespace lizhi::mpeg {

// True when the processor runs SSE2 (always on x86-64; asked with cpuid on
// 32-bit x86; false elsewhere).
bool CpuHasSse2();

}  // namespace lizhi::mpeg
