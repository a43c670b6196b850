// Owning collections of framework objects and the iterator handler protocol
// shared by collections and browsers.
#pragma once

#include "framework/core/FCBase.h"
#include "interface/HostRecords.h"

class FCIteratorHandler;

namespace framework::detail {
// The capacity a collection grows to when it must hold this many elements:
// the next multiple of 10 above.
constexpr int GrownCapacity(int need) { return (need + 10) / 10 * 10; }
}  // namespace framework::detail

// Common base of collections and browsers.
class __FCIteratorBase : public __FCBase {
 public:
  const char* ClassName() const override { return "__FCIteratorBase"; }
  virtual int ForEach(FCIteratorHandler* handler) = 0;
  virtual __FCBase* FindFirst(FCIteratorHandler* handler) = 0;
};

// A growable array of owned elements. Elements may be null; walks, search and
// sort step over them.
class __FCCollection : public __FCIteratorBase {
 public:
  __FCCollection() = default;
  __FCCollection(const __FCCollection&) = delete;
  __FCCollection& operator=(const __FCCollection&) = delete;

  const char* ClassName() const override { return "__FCCollection"; }
  int ForEach(FCIteratorHandler* handler) override;
  __FCBase* FindFirst(FCIteratorHandler* handler) override;
  ~__FCCollection() override;
  virtual int ForEachIndex(FCIteratorHandler* handler);

  int GetCount() const { return _count; }
  __FCBase* GetItemAt(int index) const { return index < 0 || index >= _count ? nullptr : _items[index]; }
  int GetIndexOf(__FCBase* element) const;
  bool ElementExists(__FCBase* element) const { return GetIndexOf(element) >= 0; }
  // Appends; the collection takes ownership.
  void Add(__FCBase* element) {
    if (_count >= _capacity) _RequireElement(1);
    _items[_count++] = element;
  }
  // Removes the item without destroying the element; the caller owns it then.
  bool DeleteItemAt(int index);
  int ToEndFrom(int start, FCIteratorHandler* handler);
  void Sort(FCIteratorHandler* handler);

  // Makes room for that many further elements; grows to the next multiple of
  // 10 above what is needed.
  void _RequireElement(int further);
  // Destroys every element and nulls its item; the count stays.
  void _FreeElements();

  int _GetCapacity() const { return _capacity; }

 protected:
  void _SetCount(int count) { _count = count; }

 private:
  // The first items live in the collection itself, as many as the growth
  // rule gives for an entry's most notes: the notes of an entry never need an
  // allocation.
  static constexpr int kInlineItems = framework::detail::GrownCapacity(quavix::kMaxNotesPerEntry);
  bool UsesInlineItems() const { return _items == _inlineItems; }

  int _count = 0;
  int _capacity = 0;
  __FCBase** _items = nullptr;
  // Items up to the capacity are set when the collection grows into them.
  __FCBase* _inlineItems[kInlineItems];
};

// The callback object of walks, searches and sorts.
class FCIteratorHandler : public __FCBase {
 public:
  const char* ClassName() const override { return "FCIteratorHandler"; }
  // Once per element of a walk; false stops the walk.
  virtual bool Iterate(__FCBase*) { return true; }
  virtual bool IterateIndex(__FCBase*, int) { return true; }
  // Once per element of a search; true ends it with this element.
  virtual bool Match(__FCBase*) { return false; }
  // Greater than 0: the first element belongs after the second.
  virtual int Compare(__FCBase*, __FCBase*) { return 0; }
  virtual bool PreProcess() { return true; }
  virtual bool PreProcessIfExist() { return true; }
  virtual void PostProcess() {}
  virtual void PostProcessIfExist() {}

  // Tells a note-entry browser to save each cell after offering its entries.
  bool GetSaveFlag() const { return _saveFlag; }
  void SetSaveFlag(bool save) { _saveFlag = save; }

 private:
  // The first three flags are not consulted by anything in the framework.
  bool _flag1 = false;
  bool _flag2 = false;
  bool _flag3 = false;
  bool _saveFlag = false;
};
