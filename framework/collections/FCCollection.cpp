#include "framework/collections/FCCollection.h"

__FCCollection::~__FCCollection() {
  _FreeElements();
  if (!UsesInlineItems()) delete[] _items;
  _items = nullptr;
  _count = 0;
}

int __FCCollection::GetIndexOf(__FCBase* element) const {
  for (int i = 0; i < _count; ++i) {
    if (_items[i] == element) return i;
  }
  return -1;
}

void __FCCollection::_RequireElement(int further) {
  if (further <= 0) return;
  const int need = _count + further;
  if (_capacity >= need) return;
  const int capacity = framework::detail::GrownCapacity(need);
  if (capacity <= kInlineItems) {
    // The items below the old capacity are in place already; the new ones
    // are null.
    for (int i = _capacity; i < capacity; ++i) _inlineItems[i] = nullptr;
    _items = _inlineItems;
    _capacity = capacity;
    return;
  }
  auto** items = new __FCBase*[static_cast<std::size_t>(capacity)];
  for (int i = 0; i < capacity; ++i) items[i] = i < _count ? _items[i] : nullptr;
  if (_items != nullptr && !UsesInlineItems()) delete[] _items;
  _items = items;
  _capacity = capacity;
}

bool __FCCollection::DeleteItemAt(int index) {
  if (index < 0 || index >= _count) return false;
  for (int i = index; i < _count - 1; ++i) _items[i] = _items[i + 1];
  _items[--_count] = nullptr;
  return true;
}

void __FCCollection::_FreeElements() {
  for (int i = 0; i < _count; ++i) {
    delete _items[i];
    _items[i] = nullptr;
  }
}

int __FCCollection::ToEndFrom(int start, FCIteratorHandler* handler) {
  int handled = 0;
  // The count is read again after every call: the handler may change the
  // collection.
  for (int i = start < 0 ? 0 : start; i < _count; ++i) {
    __FCBase* element = GetItemAt(i);
    if (element == nullptr) continue;
    if (!handler->Iterate(element)) break;
    ++handled;
  }
  return handled;
}

int __FCCollection::ForEach(FCIteratorHandler* handler) { return ToEndFrom(0, handler); }

int __FCCollection::ForEachIndex(FCIteratorHandler* handler) {
  int handled = 0;
  for (int i = 0; i < _count; ++i) {
    __FCBase* element = GetItemAt(i);
    if (element == nullptr) continue;
    if (!handler->IterateIndex(element, i)) break;
    ++handled;
  }
  return handled;
}

__FCBase* __FCCollection::FindFirst(FCIteratorHandler* handler) {
  for (int i = 0; i < _count; ++i) {
    __FCBase* element = _items[i];
    if (element != nullptr && handler->Match(element)) return element;
  }
  return nullptr;
}

void __FCCollection::Sort(FCIteratorHandler* handler) {
  // An exchange sort in place, ascending in the handler's order; not stable.
  for (int i = 0; i < _count - 1; ++i) {
    for (int j = i + 1; j < _count; ++j) {
      __FCBase* a = _items[i];
      __FCBase* b = _items[j];
      if (a == nullptr || b == nullptr) continue;
      if (handler->Compare(a, b) > 0) {
        _items[i] = b;
        _items[j] = a;
      }
    }
  }
}
