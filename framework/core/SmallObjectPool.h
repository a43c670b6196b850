// Fixed-size blocks carved from larger chunks, for the many small objects a
// walk makes and destroys (notes and note entries). Freed blocks are reused;
// when the last live object of a pool goes, its chunks are returned, so
// nothing is held between host calls. While a PoolRetention scope is open (a
// region walk opens one, since every cell makes and destroys its objects),
// an emptied pool keeps its newest chunk for the next cell instead, and gives
// it back when the outermost scope closes. The module is called on one
// thread at a time, so the pools take no locks.
//
// Under the address sanitizer every block that is not handed out is
// poisoned: a stale object, or a read past an object into its neighbour, is
// still caught with the pool on.
#pragma once

#include <cstddef>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define QX_POISON(address, size) ASAN_POISON_MEMORY_REGION(address, size)
#define QX_UNPOISON(address, size) ASAN_UNPOISON_MEMORY_REGION(address, size)
#else
#define QX_POISON(address, size) ((void)(address), (void)(size))
#define QX_UNPOISON(address, size) ((void)(address), (void)(size))
#endif

namespace framework::detail {

// A pool that emptied inside an open retention scope and still holds a
// chunk, so that the scope's end can return it.
struct RetainedPool {
  void (*releaseIfEmpty)() noexcept;
  RetainedPool* next;
  bool listed;
};

class PoolRetention {
 public:
  PoolRetention() noexcept { ++depth_; }
  ~PoolRetention() {
    if (--depth_ != 0) return;
    while (listed_ != nullptr) {
      RetainedPool* pool = listed_;
      listed_ = pool->next;
      pool->next = nullptr;
      pool->listed = false;
      pool->releaseIfEmpty();
    }
  }
  PoolRetention(const PoolRetention&) = delete;
  PoolRetention& operator=(const PoolRetention&) = delete;

  static bool Active() noexcept { return depth_ != 0; }
  static void List(RetainedPool* pool) noexcept {
    if (pool->listed) return;
    pool->listed = true;
    pool->next = listed_;
    listed_ = pool;
  }

 private:
  inline static int depth_ = 0;
  inline static RetainedPool* listed_ = nullptr;
};

template <std::size_t ObjectSize>
class SmallObjectPool {
 public:
  static void* Allocate() {
    ++live_;
    if (free_ != nullptr) {
      FreeBlock* block = free_;
      QX_UNPOISON(block, sizeof(FreeBlock));  // only the pool reads the link
      free_ = block->next;
      QX_UNPOISON(block, ObjectSize);
      return block;
    }
    // Blocks of the newest chunk are handed out in order, without a free list.
    if (unused_ == 0) AddChunk();
    --unused_;
    unsigned char* block = chunks_->blocks + unused_ * kBlockBytes;
    QX_UNPOISON(block, ObjectSize);  // the padding after the object stays poisoned
    return block;
  }

  static void Release(void* pointer) noexcept {
    auto* block = static_cast<FreeBlock*>(pointer);
    block->next = free_;
    free_ = block;
    QX_POISON(block, kBlockBytes);
    if (--live_ == 0) Emptied();
  }

  // Chunks held now.
  static std::size_t ChunkCount() noexcept {
    std::size_t count = 0;
    for (const Chunk* chunk = chunks_; chunk != nullptr; chunk = chunk->next) ++count;
    return count;
  }

 private:
  static constexpr std::size_t kAlignment = alignof(std::max_align_t);
  static constexpr std::size_t kBlockBytes = (ObjectSize + kAlignment - 1) / kAlignment * kAlignment;
  // About a page per chunk, and never fewer than 16 blocks.
  static constexpr std::size_t kBlocksPerChunk = 4096 / kBlockBytes > 16 ? 4096 / kBlockBytes : 16;

  struct FreeBlock {
    FreeBlock* next;
  };
  struct Chunk {
    Chunk* next;
    alignas(kAlignment) unsigned char blocks[kBlocksPerChunk * kBlockBytes];
  };

  static void AddChunk() {
    auto* chunk = new Chunk;
    chunk->next = chunks_;
    chunks_ = chunk;
    unused_ = kBlocksPerChunk;
    QX_POISON(chunk->blocks, sizeof chunk->blocks);
  }

  static void Emptied() noexcept {
    if (!PoolRetention::Active()) return ReleaseChunks();
    // Keep the newest chunk, all of it unused again (and poisoned), for the
    // next cell.
    Chunk* kept = chunks_;
    chunks_ = kept->next;
    ReleaseChunks();
    kept->next = nullptr;
    chunks_ = kept;
    unused_ = kBlocksPerChunk;
    PoolRetention::List(&retained_);
  }

  static void ReleaseIfEmpty() noexcept {
    if (live_ == 0) ReleaseChunks();
  }

  static void ReleaseChunks() noexcept {
    while (chunks_ != nullptr) {
      Chunk* next = chunks_->next;
      QX_UNPOISON(chunks_->blocks, sizeof chunks_->blocks);
      delete chunks_;
      chunks_ = next;
    }
    free_ = nullptr;
    unused_ = 0;
  }

  inline static FreeBlock* free_ = nullptr;
  inline static Chunk* chunks_ = nullptr;
  inline static std::size_t unused_ = 0;  // blocks of the newest chunk never handed out
  inline static std::size_t live_ = 0;
  inline static RetainedPool retained_ = {&ReleaseIfEmpty, nullptr, false};
};

}  // namespace framework::detail

#undef QX_POISON
#undef QX_UNPOISON

// Gives a class pooled allocation: `class FCNote : public __FCBase,
// public PooledAllocation<FCNote>`. Objects of a larger derived class use the
// ordinary allocator.
template <typename T>
class PooledAllocation {
 public:
  static void* operator new(std::size_t size) {
    if (size != sizeof(T)) return ::operator new(size);
    return framework::detail::SmallObjectPool<sizeof(T)>::Allocate();
  }
  static void operator delete(void* pointer, std::size_t size) noexcept {
    if (pointer == nullptr) return;
    if (size != sizeof(T)) return ::operator delete(pointer);
    framework::detail::SmallObjectPool<sizeof(T)>::Release(pointer);
  }
};
