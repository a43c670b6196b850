#include "framework/collections/FCCollectionData.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "framework/notes/FCNoteEntry.h"
#include "host/document/RecordStore.h"
#include "support/HostFixture.h"
#include "support/TestFrame.h"

namespace {

using host::NumberedKey;
using host::RecordKey;
using quavix::kInterfaceVersion;
using quavix::MakeTag;

constexpr std::uint32_t kNumberedTag = MakeTag('t', 'N', 'u', 'm');
constexpr std::uint32_t kOtherTag = MakeTag('t', 'O', 't', 'h');
constexpr std::uint32_t kEntryTag = MakeTag('t', 'E', 'n', 't');

// Record objects alive, so that a test sees which ones the collection kept.
int liveRecords = 0;

// A 4-byte record of a family, embedded in the object. Its tag is the
// custom tag when one is set.
template <typename Family, std::uint32_t kTag>
class Record : public Family {
 public:
  explicit Record(QxULong version) : Family(version) { ++liveRecords; }
  ~Record() override { --liveRecords; }
  std::uint32_t Tag() override { return this->GetCustomTag() != 0 ? this->GetCustomTag() : kTag; }
  std::int32_t DataSize() override { return 4; }
  void* Allocate() override { return bytes; }
  __FCBaseData* CreateObject(QxULong version) override { return new Record(version); }
  void CloneMemoryFrom(__FCBaseData* source) override {
    std::memcpy(bytes, static_cast<Record*>(source)->bytes, sizeof bytes);
    this->_SetDataPtr(bytes);
    this->_SetLoadedSize(4);
  }
  std::string Text() const { return std::string(bytes, 4); }
  RecordKey Key() const {
    RecordKey key;
    std::memcpy(key.data(), this->_GetKey(), key.size());
    return key;
  }
  char bytes[4] = {};
};

using Numbered = Record<__FCNoInciOther, kNumberedTag>;
using Incident = Record<__FCInciOther, kNumberedTag>;
using EntryDetail = Record<__FCEntryDetail, kEntryTag>;

class NumberedRecords : public __FCCollectionData {
 public:
  __FCBaseData* CreateElement(QxULong version) override { return new Numbered(version); }
  Numbered* At(int index) const { return static_cast<Numbered*>(GetItemAt(index)); }
};

class IncidentRecords : public __FCCollectionInciOther {
 public:
  __FCInciOther* CreateElement(QxULong version) override { return new Incident(version); }
  Incident* At(int index) const { return static_cast<Incident*>(GetItemAt(index)); }
};

class EntryDetails : public __FCCollectionEntryDetail {
 public:
  using __FCCollectionEntryDetail::__FCCollectionEntryDetail;
  __FCEntryDetail* CreateElement(QxULong version) override { return new EntryDetail(version); }
  EntryDetail* At(int index) const { return static_cast<EntryDetail*>(GetItemAt(index)); }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (int i = 0; i < GetCount(); ++i) texts.push_back(At(i)->Text());
    return texts;
  }
  std::vector<short> Incidents() const {
    std::vector<short> incidents;
    for (int i = 0; i < GetCount(); ++i) incidents.push_back(At(i)->GetIncident());
    return incidents;
  }
};

class FCCollectionDataTest : public qxtest::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    liveRecords = 0;
    session().Open(host::Document());
    store().DeclareFamily(kEntryTag, host::RecordFamily::kEntryDetail);
    frame.Chord(0, {{0}});
    frame.entry(0).entryNumber = 42;
    entry = std::make_unique<FCNoteEntry>(frame.get(), 0, nullptr);
  }
  void TearDown() override {
    EXPECT_EQ(liveRecords, 0) << "a record object was left behind";
    HostTest::TearDown();
  }
  host::RecordStore& store() { return document().Records(); }
  std::size_t HostCalls() { return session().RecordCalls().size(); }
  // Entry 42 with details at incidents 0, 1 and 2, and one past a gap.
  void PutThreeDetails() {
    store().Put(kEntryTag, host::EntryDetailKey(42, 0), "zero");
    store().Put(kEntryTag, host::EntryDetailKey(42, 1), "one.");
    store().Put(kEntryTag, host::EntryDetailKey(42, 2), "two.");
    store().Put(kEntryTag, host::EntryDetailKey(42, 4), "gap.");
    store().Put(kEntryTag, host::EntryDetailKey(43, 0), "43..");
  }

  qxtest::TestFrame frame;
  std::unique_ptr<FCNoteEntry> entry;
};

// The 4-byte body of numbered item n: "i", the number, dots. Built step by
// step: one compiler warns falsely about the one-expression form.
std::string Label(std::uint16_t item) {
  std::string label = "i";
  label += std::to_string(item);
  label += "..";
  return label;
}

TEST_F(FCCollectionDataTest, LoadAllKeepsAClonePerRecordTheFamilysWalkReachesOverGaps) {
  struct Case {
    std::vector<std::uint16_t> stored;
    std::vector<std::uint16_t> loaded;
  };
  const std::vector<Case> cases = {
      {{1, 3, 7}, {1, 3, 7}},  // the host's next step crosses gaps
      {{1}, {1}},
      {{2, 3}, {}},  // the walk starts at item 1 only
      {{}, {}},
  };
  for (const Case& c : cases) {
    session().Open(host::Document());
    for (std::uint16_t item : c.stored) store().Put(kNumberedTag, NumberedKey(item), Label(item));
    NumberedRecords records;
    records.LoadAll(kInterfaceVersion);
    std::vector<std::uint16_t> loaded;
    for (int i = 0; i < records.GetCount(); ++i) {
      loaded.push_back(records.At(i)->GetItemNo());
      EXPECT_EQ(records.At(i)->Text(), Label(loaded.back()));
    }
    EXPECT_EQ(loaded, c.loaded);
    EXPECT_EQ(liveRecords, records.GetCount()) << "the prototype is gone";
  }
}

TEST_F(FCCollectionDataTest, ReloadingReplacesTheElementsAndTheCustomTagChoosesTheRecords) {
  store().Put(kNumberedTag, NumberedKey(1), "one.");
  store().Put(kNumberedTag, NumberedKey(2), "two.");
  store().Put(kOtherTag, NumberedKey(1), "oth.");
  NumberedRecords records;
  records.LoadAll(0x0E000000);
  ASSERT_EQ(records.GetCount(), 2);
  EXPECT_EQ(records.At(0)->GetVersion(), 0x0E000000u);
  EXPECT_EQ(session().RecordCalls().back().version, 0x0E000000u);

  records.SetElementCustomTag(kOtherTag);
  records.LoadAll(kInterfaceVersion);
  ASSERT_EQ(records.GetCount(), 1);
  EXPECT_EQ(records.At(0)->Text(), "oth.");
  EXPECT_EQ(records.At(0)->GetCustomTag(), kOtherTag);
  EXPECT_EQ(liveRecords, 1) << "the first load's elements were destroyed";
}

TEST_F(FCCollectionDataTest, LoadAllForItemStopsAtTheFirstMissingIncident) {
  store().Put(kNumberedTag, NumberedKey(4, 0), "4/0.");
  store().Put(kNumberedTag, NumberedKey(4, 1), "4/1.");
  store().Put(kNumberedTag, NumberedKey(4, 3), "4/3.");
  store().Put(kNumberedTag, NumberedKey(5, 0), "5/0.");
  store().Put(kNumberedTag, NumberedKey(6, 1), "6/1.");
  struct Case {
    std::uint16_t item;
    std::vector<std::string> loaded;
    std::size_t loads;  // the last of them refused
  };
  const std::vector<Case> cases = {
      {4, {"4/0.", "4/1."}, 3},
      {5, {"5/0."}, 2},
      {6, {}, 1},
      {9, {}, 1},
  };
  IncidentRecords records;
  records.SetElementCustomTag(kNumberedTag);
  for (const Case& c : cases) {
    const std::size_t before = HostCalls();
    records.LoadAllForItem(c.item, kInterfaceVersion);
    std::vector<std::string> loaded;
    for (int i = 0; i < records.GetCount(); ++i) {
      loaded.push_back(records.At(i)->Text());
      EXPECT_EQ(records.At(i)->Key(), NumberedKey(c.item, static_cast<std::int16_t>(i)));
      EXPECT_EQ(records.At(i)->GetCustomTag(), kNumberedTag);
    }
    EXPECT_EQ(loaded, c.loaded) << "item " << c.item;
    EXPECT_EQ(HostCalls() - before, c.loads) << "item " << c.item;
    EXPECT_EQ(liveRecords, records.GetCount());
  }
}

TEST_F(FCCollectionDataTest, EntryDetailsLoadTheEntrysIncidentsUnboundAndStopAtAGap) {
  PutThreeDetails();
  EntryDetails details(entry.get());
  details.SetElementCustomTag(kEntryTag);
  details.LoadAll(kInterfaceVersion);
  EXPECT_EQ(details.Texts(), (std::vector<std::string>{"zero", "one.", "two."}));
  EXPECT_EQ(details.Incidents(), (std::vector<short>{0, 1, 2}));
  for (int i = 0; i < details.GetCount(); ++i) {
    EXPECT_EQ(details.At(i)->GetEntryNumber(), 42);
    EXPECT_EQ(details.At(i)->GetNoteEntry(), nullptr) << "clones are bound to nothing";
    EXPECT_EQ(details.At(i)->GetCustomTag(), kEntryTag);
  }
  EXPECT_EQ(session().RecordCalls().back().key, host::EntryDetailKey(42, 3)) << "the walk ends at the gap";
}

TEST_F(FCCollectionDataTest, EntryDetailsWithoutAUsableEntryNumberKeepWhatTheyHeld) {
  PutThreeDetails();
  EntryDetails details(entry.get());
  details.LoadAll(kInterfaceVersion);
  ASSERT_EQ(details.GetCount(), 3);
  const std::size_t before = HostCalls();

  frame.entry(0).entryNumber = 0;
  details.LoadAll(kInterfaceVersion);
  EXPECT_EQ(details.GetCount(), 3) << "entry number 0";
  details.SetNoteEntry(nullptr);
  details.LoadAll(kInterfaceVersion);
  EXPECT_EQ(details.GetCount(), 3) << "no entry";
  EXPECT_EQ(HostCalls(), before);

  // An entry without details empties the collection.
  frame.entry(0).entryNumber = 77;
  details.SetNoteEntry(entry.get());
  details.LoadAll(kInterfaceVersion);
  EXPECT_EQ(details.GetCount(), 0);
}

TEST_F(FCCollectionDataTest, DestroyItemAtDeletesTheRecordAndKeepsTheRestNamingTheirRecords) {
  PutThreeDetails();
  EntryDetails details(entry.get());
  details.LoadAll(kInterfaceVersion);
  ASSERT_TRUE(details.DestroyItemAt(1));
  EXPECT_EQ(session().RecordCalls().back().function, "DeleteEData");
  EXPECT_EQ(session().RecordCalls().back().key, host::EntryDetailKey(42, 1));
  EXPECT_EQ(details.Texts(), (std::vector<std::string>{"zero", "two."}));
  EXPECT_EQ(details.Incidents(), (std::vector<short>{0, 1}));
  EXPECT_EQ(liveRecords, 2) << "the destroyed element is gone";
  // Each remaining element names the host record that holds its bytes.
  for (int i = 0; i < details.GetCount(); ++i)
    EXPECT_EQ(*store().Find(kEntryTag, host::EntryDetailKey(
                                           42, static_cast<std::uint16_t>(details.At(i)->GetIncident()))),
              details.At(i)->Text());

  ASSERT_TRUE(details.DestroyItemAt(0));
  EXPECT_EQ(details.Incidents(), (std::vector<short>{0}));
  EXPECT_FALSE(details.DestroyItemAt(0)) << "none left";
  EXPECT_EQ(details.GetCount(), 0);
  EXPECT_EQ(store().Find(kEntryTag, host::EntryDetailKey(42, 0)), nullptr);
  EXPECT_EQ(*store().Find(kEntryTag, host::EntryDetailKey(42, 1)), "gap.")
      << "the record past the gap moved down";
}

TEST_F(FCCollectionDataTest, DestroyItemAtOutsideTheCollectionChangesNothing) {
  PutThreeDetails();
  EntryDetails details(entry.get());
  details.LoadAll(kInterfaceVersion);
  const std::size_t before = HostCalls();
  for (int index : {-1, 3, 1000}) {
    EXPECT_FALSE(details.DestroyItemAt(index)) << index;
    EXPECT_EQ(details.Incidents(), (std::vector<short>{0, 1, 2})) << index;
  }
  EXPECT_EQ(HostCalls(), before) << "nothing deleted";
  EXPECT_EQ(store().Count(kEntryTag), 5u);
  EXPECT_FALSE(EntryDetails().DestroyItemAt(0)) << "an empty collection";
}

TEST_F(FCCollectionDataTest, ClassNames) {
  NumberedRecords records;
  IncidentRecords incidents;
  EntryDetails details;
  EXPECT_STREQ(records.ClassName(), "__FCCollectionData");
  EXPECT_STREQ(incidents.ClassName(), "__FCCollectionInciOther");
  EXPECT_STREQ(details.ClassName(), "__FCCollectionEntryDetail");
}

}  // namespace
