#include "bench/HeapCounter.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long long> g_liveBytes = 0;
std::atomic<long long> g_peakBytes = 0;
std::atomic<long long> g_allocatedBytes = 0;

// Each block carries its size in front of it.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void RaisePeak(long long live) {
  for (long long peak = g_peakBytes; live > peak && !g_peakBytes.compare_exchange_weak(peak, live);) {
  }
}

void* Allocate(std::size_t size) {
  auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
  if (!block)
    throw std::bad_alloc();
  *reinterpret_cast<std::size_t*>(block) = size;
  g_allocatedBytes += static_cast<long long>(size);
  RaisePeak(g_liveBytes += static_cast<long long>(size));
  return block + kHeader;
}

void Release(void* pointer) {
  if (!pointer)
    return;
  auto* block = static_cast<unsigned char*>(pointer) - kHeader;
  g_liveBytes -= static_cast<long long>(*reinterpret_cast<std::size_t*>(block));
  std::free(block);
}

} // namespace

namespace heap_counter {

long long LiveBytes() { return g_liveBytes; }
long long PeakBytes() { return g_peakBytes; }
long long AllocatedBytes() { return g_allocatedBytes; }
void ResetPeak() { g_peakBytes = g_liveBytes.load(); }

} // namespace heap_counter

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* pointer) noexcept { Release(pointer); }
void operator delete[](void* pointer) noexcept { Release(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { Release(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { Release(pointer); }
