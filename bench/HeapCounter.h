// Counts the bytes the program's own code takes from the heap. Linking
// HeapCounter.cpp replaces operator new and delete for the whole program;
// memory the C library hands out directly (for instance to the MySQL client
// library) is not counted.
#pragma once

namespace heap_counter {

// Bytes held now.
long long LiveBytes();
// The most bytes held at once since the last ResetPeak.
long long PeakBytes();
// Bytes handed out since the start, freed or not.
long long AllocatedBytes();
void ResetPeak();

} // namespace heap_counter
