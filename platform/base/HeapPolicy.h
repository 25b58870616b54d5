#pragma once
// How the heap treats the bulk of a large document (see HeapPolicy.cpp).

// Backs the heap that the calling thread allocates from with large pages, with room for it to
// grow, before work that fills many megabytes of fresh memory: a thread reading a large file, one
// writing the rows of a large outline. Cheap when the heap is already so backed.
void PrepareHeapForBulk();
