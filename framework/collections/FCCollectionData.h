// Collections of data records that fill themselves from the host: they walk
// a record family with one prototype object and keep a clone of each record
// the walk meets, in walk order. The prototype is never an element.
#pragma once

#include <cstdint>

#include "framework/collections/FCCollection.h"
#include "framework/core/FCBaseData.h"
#include "framework/records/DetailRecords.h"
#include "framework/records/RecordFamilies.h"

class FCNoteEntry;

class __FCCollectionData : public __FCCollection {
 public:
  const char* ClassName() const override { return "__FCCollectionData"; }
  // A new, unloaded record of the element class, built with the version.
  virtual __FCBaseData* CreateElement(QxULong version) = 0;
  // Every record the family's walk reaches from its first record. The walk
  // follows the host's order, so gaps in numbering are stepped over.
  virtual void LoadAll(QxULong version);

  // Stamped into every element the collection creates: it chooses the tag
  // of the element classes that honour a custom tag.
  std::uint32_t GetElementCustomTag() const { return _elementCustomTag; }
  void SetElementCustomTag(std::uint32_t tag) { _elementCustomTag = tag; }

 protected:
  // Frees the elements for a new load; the slot array stays for reuse.
  void _ClearForLoad();
  // Adds a clone of the prototype's current record and of each one its
  // LoadNext reaches, if its first load succeeded.
  void _AddWalkFrom(__FCBaseData* prototype, bool firstLoaded);

 private:
  std::uint32_t _elementCustomTag = 0;
};

// The incident records of one item.
class __FCCollectionInciOther : public __FCCollectionData {
 public:
  const char* ClassName() const override { return "__FCCollectionInciOther"; }
  __FCInciOther* CreateElement(QxULong version) override = 0;
  // Incidents 0, 1, 2, ... of the item, up to the first one the host lacks.
  virtual void LoadAllForItem(unsigned short item, QxULong version);
};

// The detail records of one note entry.
class __FCCollectionEntryDetail : public __FCCollectionData {
 public:
  explicit __FCCollectionEntryDetail(FCNoteEntry* entry = nullptr) : _noteEntry(entry) {}

  const char* ClassName() const override { return "__FCCollectionEntryDetail"; }
  __FCEntryDetail* CreateElement(QxULong version) override = 0;
  // The entry's details, incident by incident. An entry the host has not
  // numbered has none to load: the collection then keeps what it held.
  void LoadAll(QxULong version) override;

  // Deletes the element's record from the host and destroys the element.
  // The later elements' incidents move down by one, as the host's do. True
  // while elements remain; false, changing nothing, for an index without an
  // element.
  bool DestroyItemAt(int index);

  FCNoteEntry* GetNoteEntry() const { return _noteEntry; }
  void SetNoteEntry(FCNoteEntry* entry) { _noteEntry = entry; }

 private:
  FCNoteEntry* _noteEntry;  // not owned
};
