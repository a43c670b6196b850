// Fixed-size slots carved from larger chunks, for the many small objects a
// walk makes and destroys (notes and note entries). Freed slots are reused;
// when the last live object of a pool goes, its chunks are returned, so
// nothing is held between host calls. The module is called on one thread at
// a time, so the pools take no locks.
//
// Under the address sanitizer every object gets its own allocation instead,
// so that a stale object is still caught.
#pragma once

#include <cstddef>
#include <new>

namespace pdk::detail {

template <std::size_t SlotSize>
class SmallObjectPool {
 public:
  static void* Allocate() {
    ++live_;
    if (free_ != nullptr) {
      Slot* slot = free_;
      free_ = slot->next;
      return slot;
    }
    // Slots of the newest chunk are handed out in order, without a free list.
    if (unused_ == 0) AddChunk();
    --unused_;
    return chunks_->slots + unused_ * kSlotBytes;
  }

  static void Release(void* pointer) noexcept {
    auto* slot = static_cast<Slot*>(pointer);
    slot->next = free_;
    free_ = slot;
    if (--live_ == 0) ReleaseChunks();
  }

 private:
  static constexpr std::size_t kAlignment = alignof(std::max_align_t);
  static constexpr std::size_t kSlotBytes = (SlotSize + kAlignment - 1) / kAlignment * kAlignment;
  // About a page per chunk, and never fewer than 16 slots.
  static constexpr std::size_t kSlotsPerChunk = 4096 / kSlotBytes > 16 ? 4096 / kSlotBytes : 16;

  struct Slot {
    Slot* next;
  };
  struct Chunk {
    Chunk* next;
    alignas(kAlignment) unsigned char slots[kSlotsPerChunk * kSlotBytes];
  };

  static void AddChunk() {
    auto* chunk = new Chunk;
    chunk->next = chunks_;
    chunks_ = chunk;
    unused_ = kSlotsPerChunk;
  }

  static void ReleaseChunks() noexcept {
    while (chunks_ != nullptr) {
      Chunk* next = chunks_->next;
      delete chunks_;
      chunks_ = next;
    }
    free_ = nullptr;
    unused_ = 0;
  }

  inline static Slot* free_ = nullptr;
  inline static Chunk* chunks_ = nullptr;
  inline static std::size_t unused_ = 0;  // slots of the newest chunk never handed out
  inline static std::size_t live_ = 0;
};

}  // namespace pdk::detail

// Gives a class pooled allocation: `class FCNote : public __FCBase,
// public PooledAllocation<FCNote>`. Objects of a larger derived class use the
// ordinary allocator.
template <typename T>
class PooledAllocation {
 public:
#if defined(__SANITIZE_ADDRESS__)
  static void* operator new(std::size_t size) { return ::operator new(size); }
  static void operator delete(void* pointer, std::size_t) noexcept { ::operator delete(pointer); }
#else
  static void* operator new(std::size_t size) {
    if (size != sizeof(T)) return ::operator new(size);
    return pdk::detail::SmallObjectPool<sizeof(T)>::Allocate();
  }
  static void operator delete(void* pointer, std::size_t size) noexcept {
    if (pointer == nullptr) return;
    if (size != sizeof(T)) return ::operator delete(pointer);
    pdk::detail::SmallObjectPool<sizeof(T)>::Release(pointer);
  }
#endif
};
