#pragma once

namespace brisanel::app {

/// Marks the upper halves of the processor's vector registers unused.
///
/// Qt's AVX2 fill and blend routines, which every repaint runs, return with those halves still
/// marked in use. Until something clears them, each SSE instruction of ours pays a transition
/// penalty: the instalment's 1800 powers and the table loops run about eight times slower. A
/// click handler calls this before its own work; it costs one instruction, and nothing where AVX
/// is absent.
void clearUpperVectorState();

}  // namespace brisanel::app
