#include "framework/core/SmallObjectPool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <set>
#include <vector>

namespace {

struct Pooled : PooledAllocation<Pooled> {
  explicit Pooled(std::uint64_t v) : value(v), check(~v) {}
  virtual ~Pooled() = default;
  std::uint64_t value, check;
};
struct Larger : Pooled {  // a larger derived class takes the ordinary allocator
  explicit Larger(std::uint64_t v) : Pooled(v) {}
  char extra[100] = {};
};

TEST(SmallObjectPoolTest, ObjectsNeverOverlapAcrossChunksAndReuse) {
  for (int round = 0; round < 3; ++round) {  // the pool empties and starts again each round
    std::vector<std::unique_ptr<Pooled>> live;
    for (std::uint64_t i = 0; i < 300; ++i)
      live.push_back(i % 7 == 0 ? std::make_unique<Larger>(i) : std::make_unique<Pooled>(i));
    for (std::size_t i = 0; i < live.size(); i += 2) live[i].reset();  // free every other one
    for (std::uint64_t i = 1000; i < 1200; ++i) live.push_back(std::make_unique<Pooled>(i));
    std::set<const void*> addresses;
    for (const auto& object : live) {
      if (!object) continue;
      EXPECT_TRUE(addresses.insert(object.get()).second);
      EXPECT_EQ(object->check, ~object->value);
      EXPECT_EQ(reinterpret_cast<std::uintptr_t>(object.get()) % alignof(std::max_align_t), 0u);
    }
  }
}

using PooledPool = framework::detail::SmallObjectPool<sizeof(Pooled)>;

TEST(SmallObjectPoolTest, RetentionKeepsOneChunkUntilTheOutermostScopeCloses) {
  ASSERT_EQ(PooledPool::ChunkCount(), 0u);
  {
    framework::detail::PoolRetention outer;
    for (int round = 0; round < 3; ++round) {
      std::vector<std::unique_ptr<Pooled>> live;
      for (std::uint64_t i = 0; i < 300; ++i) live.push_back(std::make_unique<Pooled>(i + 1000 * round));
      EXPECT_GT(PooledPool::ChunkCount(), 1u);
      std::set<const void*> addresses;
      for (const auto& object : live) {
        EXPECT_TRUE(addresses.insert(object.get()).second);
        EXPECT_EQ(object->check, ~object->value);
      }
      live.clear();
      EXPECT_EQ(PooledPool::ChunkCount(), 1u);  // emptied inside the scope: the newest chunk stays
    }
    {
      framework::detail::PoolRetention inner;
      auto object = std::make_unique<Pooled>(7);
    }
    EXPECT_EQ(PooledPool::ChunkCount(), 1u);  // an inner scope's end returns nothing
  }
  EXPECT_EQ(PooledPool::ChunkCount(), 0u);  // the outermost scope's end returns it

  // An object that outlives the scope keeps its chunk until it goes.
  auto survivor = std::make_unique<Pooled>(1);
  {
    framework::detail::PoolRetention scope;
    auto other = std::make_unique<Pooled>(2);
    other.reset();
    survivor.reset();
    survivor = std::make_unique<Pooled>(3);
  }
  EXPECT_EQ(PooledPool::ChunkCount(), 1u);
  EXPECT_EQ(survivor->check, ~std::uint64_t{3});
  survivor.reset();
  EXPECT_EQ(PooledPool::ChunkCount(), 0u);
}

#if defined(__SANITIZE_ADDRESS__)
// The pool stays on under the address sanitizer; blocks it does not hand out
// are poisoned, so the usual faults are still caught.
TEST(SmallObjectPoolDeathTest, StaleObjectsAndReadsPastAnObjectAreCaught) {
  auto readStale = [] {
    auto* keep = new Pooled(1);  // keeps the pool's chunk alive
    auto* stale = new Pooled(2);
    delete stale;
    volatile std::uint64_t value = stale->value;
    (void)value;
    delete keep;
  };
  EXPECT_DEATH(readStale(), "use-after-poison");
  auto readPast = [] {
    auto* object = new Pooled(3);
    volatile unsigned char past = reinterpret_cast<const unsigned char*>(object)[sizeof(Pooled)];
    (void)past;
    delete object;
  };
  EXPECT_DEATH(readPast(), "use-after-poison");
}
#endif

}  // namespace
