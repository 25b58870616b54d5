#pragma once
// The task allocator: memory that one side of an interface allocates and the other frees.
#include <cstddef>

void* CoTaskMemAlloc(std::size_t size);
void CoTaskMemFree(void* block);
