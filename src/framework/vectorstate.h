#pragma once

namespace framework {

// Clears the upper halves of the processor's AVX registers where it has them. Qt's drawing code
// can leave them dirty, and until they are cleared every SSE instruction of the computation that
// follows pays for a false dependency on them: an analysis loop that lets a window repaint ran
// three times slower. Call it right after letting Qt draw from inside such a loop.
void clearUpperVectorState();

} // namespace framework
