// The bytes the process holds on the heap, and the peak since the last reset.
#pragma once

namespace tarvelo::bench {

// Counts the bytes the process holds on the heap, through malloc and its relatives
// (Qt's strings included), and the highest count since the last reset.
long long heapInUse();
long long heapPeak();
void resetHeapPeak();

} // namespace tarvelo::bench
