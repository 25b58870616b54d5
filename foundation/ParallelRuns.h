#pragma once
// Work over a long range of independent indexes, shared among threads: each thread takes one run of
// consecutive indexes, so that what it writes stays apart from what the others write.
#include <algorithm>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

// How many threads a range is shared among at most: as many as the machine runs at once, and no
// more than eight.
inline int MostParallelRuns() {
  constexpr unsigned kMostRuns = 8;
  return static_cast<int>(std::min(kMostRuns, std::max(1u, std::thread::hardware_concurrency())));
}

// Calls work(begin, end) for consecutive runs that together cover [first, last) once each, on up
// to MostParallelRuns() threads, none with fewer than minPerRun indexes: a short range stays on the
// calling thread. Returns when every run is done; the first failure a run throws is thrown again
// here. Where no thread can be started, the calling thread does the run.
template <typename Work>
void ParallelRuns(int first, int last, int minPerRun, Work work) {
  const int count = last - first;
  if (count <= 0) return;
  const int runs = std::clamp(count / std::max(minPerRun, 1), 1, MostParallelRuns());
  auto bound = [&](int k) { return first + static_cast<int>(static_cast<long long>(count) * k / runs); };
  std::vector<std::exception_ptr> failures(static_cast<size_t>(runs));
  auto run = [&](int k) {
    try {
      work(bound(k), bound(k + 1));
    } catch (...) {
      failures[static_cast<size_t>(k)] = std::current_exception();
    }
  };
  std::vector<std::thread> threads;
  threads.reserve(static_cast<size_t>(runs));
  for (int k = 1; k < runs; ++k) {
    try {
      threads.emplace_back(run, k);
    } catch (const std::system_error&) {
      run(k);
    }
  }
  run(0);
  for (std::thread& thread : threads) thread.join();
  for (const std::exception_ptr& failure : failures) {
    if (failure) std::rethrow_exception(failure);
  }
}
