// A verdict on a lesson of a thousand entries must not allocate: it is a
// binary search and one shift.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <random>

#include "drill/marking.h"
#include "drill_fixture.h"

namespace {
std::atomic<long> allocations{0};
void* counted(std::size_t size) noexcept {
  ++allocations;
  return std::malloc(size == 0 ? 1 : size);
}
void* counted_or_throw(std::size_t size) {
  if (void* p = counted(size)) return p;
  throw std::bad_alloc();
}
}  // namespace

// Every form goes to malloc and free, so that the sanitizer sees matching pairs.
// clang-format off
void* operator new(std::size_t size) { return counted_or_throw(size); }
void* operator new[](std::size_t size) { return counted_or_throw(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return counted(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return counted(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
// clang-format on

TEST(MarkingCost, AVerdictOnAThousandEntriesAllocatesNothing) {
  std::mt19937 random(5);
  std::vector<long> errors(1000);
  for (long& e : errors) e = static_cast<long>(random() % 44) - 1;
  Drill d(errors);
  std::vector<int> asked(20000);
  for (int& e : asked) e = 1 + static_cast<int>(random() % 1000);

  const long before = allocations;
  for (std::size_t i = 0; i < asked.size(); ++i) {
    d.ask(asked[i]);  // a linear rank lookup, done by the question choice in the program
    MARK_ANSWER(i % 3 == 0 ? 3 : 1, d.marking, d.book);
  }
  EXPECT_EQ(allocations - before, 0);
  EXPECT_EQ(drill_table_fault(d.t), std::nullopt);
}
