#include "app/window/vector_state.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace brisanel::app {

#if defined(__x86_64__) || defined(__i386__)

namespace {

[[gnu::target("avx")]] void zeroUpper() {
    _mm256_zeroupper();
}

}  // namespace

void clearUpperVectorState() {
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) zeroUpper();
}

#else

void clearUpperVectorState() {}

#endif

}  // namespace brisanel::app
