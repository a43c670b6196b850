#include "framework/records/DetailRecords.h"

#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "framework/notes/FCNoteEntry.h"
#include "framework/regions/FCMusicRegion.h"
#include "host/document/RecordStore.h"
#include "support/HostFixture.h"
#include "support/TestFrame.h"

namespace {

using host::RecordKey;
using quavix::kInterfaceVersion;
using quavix::MakeTag;

constexpr std::uint32_t kEntryTag = MakeTag('t', 'e', 'D', 't');
constexpr std::uint32_t kNoteTag = MakeTag('t', 'n', 'I', 'D');
constexpr std::uint32_t kCellTag = MakeTag('t', 'c', 'D', 't');
// Larger than any record the probes may load into their scratch areas.
constexpr int kRoom = 300;

RecordKey KeyOf(const __FCBaseData& record) {
  RecordKey key;
  std::memcpy(key.data(), record._GetKey(), key.size());
  return key;
}

// A fixed-size record of a detail family, embedded in the object; its size
// is the test's to choose. The note-ID kind keeps the ID in bytes 8-9.
template <typename Family>
class Detail : public Family {
 public:
  explicit Detail(std::uint32_t tag, QxULong version = kInterfaceVersion) : Family(version), recordTag(tag) {}
  std::uint32_t Tag() override { return recordTag; }
  std::int32_t DataSize() override { return size; }
  void* Allocate() override { return bytes; }
  __FCBaseData* CreateObject(QxULong version) override {
    if constexpr (std::is_abstract_v<Detail>) {
      return nullptr;  // the subclass makes its own
    } else {
      return new Detail(recordTag, version);
    }
  }
  void CloneMemoryFrom(__FCBaseData* source) override {
    std::memcpy(bytes, static_cast<Detail*>(source)->bytes, sizeof bytes);
    this->_SetDataPtr(bytes);
    this->_SetLoadedSize(size);
  }
  std::string Text() const { return std::string(bytes, static_cast<std::size_t>(this->GetLoadedSize())); }
  void Fill(const std::string& text) { std::memcpy(bytes, text.data(), text.size()); }

  std::uint32_t recordTag;
  std::int32_t size = 10;
  char bytes[kRoom] = {};
};

class NoteDetail : public Detail<__FCEntryDetailNoteID> {
 public:
  NoteDetail() : Detail(kNoteTag) {}
  __FCBaseData* CreateObject(QxULong) override { return new NoteDetail; }
  void _SetNoteID(short noteId) override { std::memcpy(bytes + 8, &noteId, 2); }
  bool _IsNoteIDInData(void* data, short noteId) override {
    return std::memcmp(static_cast<char*>(data) + 8, &noteId, 2) == 0;
  }
  void _SetNoteEntryFlag(FCNote* note, bool set) override { note->_SetNoteDetailEntryFlag(set); }
};

// A 10-byte body whose note ID (bytes 8-9) is id.
std::string NoteBody(const std::string& payload, short id) {
  std::string body = payload;
  body.resize(8, '.');
  body.append(reinterpret_cast<const char*>(&id), 2);
  return body;
}

class DetailRecordsTest : public qxtest::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    session().Open(host::Document());
    store().DeclareFamily(kEntryTag, host::RecordFamily::kEntryDetail);
    store().DeclareFamily(kNoteTag, host::RecordFamily::kEntryDetail);
    store().DeclareFamily(kCellTag, host::RecordFamily::kCellDetail);
    // Entry 42: a chord of notes with IDs 1, 2 and 3.
    frame.Chord(0, {{0, 0, 1}, {2, 0, 2}, {4, 0, 3}});
    frame.entry(0).entryNumber = 42;
    entry = std::make_unique<FCNoteEntry>(frame.get(), 0, nullptr);
  }
  host::RecordStore& store() { return document().Records(); }
  std::size_t HostCalls() { return session().RecordCalls().size(); }
  std::vector<std::string> CallsSince(std::size_t first) {
    std::vector<std::string> calls;
    for (std::size_t i = first; i < HostCalls(); ++i) calls.push_back(session().RecordCalls()[i].function);
    return calls;
  }
  bool EntryFlag(std::uint32_t mask) { return (frame.entry(0).flags & mask) != 0; }
  FCNote* Note(int index) { return entry->GetItemAt(index); }

  qxtest::TestFrame frame;
  std::unique_ptr<FCNoteEntry> entry;
};

TEST_F(DetailRecordsTest, EntryDetailsWalkTheirEntrysIncidentsAndStopAtTheFirstMissingOne) {
  store().Put(kEntryTag, host::EntryDetailKey(42, 0), "incident 0");
  store().Put(kEntryTag, host::EntryDetailKey(42, 1), "incident 1");
  store().Put(kEntryTag, host::EntryDetailKey(42, 2), "incident 2");
  store().Put(kEntryTag, host::EntryDetailKey(42, 4), "after gap.");  // never reached: the walk steps by one
  store().Put(kEntryTag, host::EntryDetailKey(43, 0), "entry 43..");

  Detail<__FCEntryDetail> detail(kEntryTag);
  EXPECT_FALSE(detail.LoadFirst()) << "no entry bound";
  EXPECT_EQ(HostCalls(), 0u);

  detail.SetNoteEntry(entry.get());
  ASSERT_TRUE(detail.LoadFirst());
  EXPECT_EQ(KeyOf(detail), host::EntryDetailKey(42, 0));
  EXPECT_EQ(detail.Text(), "incident 0");
  ASSERT_TRUE(detail.LoadNext());
  ASSERT_TRUE(detail.LoadNext());
  EXPECT_EQ(detail.Text(), "incident 2");
  EXPECT_FALSE(detail.LoadNext());
  EXPECT_EQ(KeyOf(detail), host::EntryDetailKey(42, 2)) << "the key stays on the last record loaded";
  for (const auto& call : session().RecordCalls()) EXPECT_EQ(call.function, "LoadEData");

  // Load and SaveAs write the whole 32-bit entry number and the incident.
  store().Put(kEntryTag, host::EntryDetailKey(0x12345678, 0xFFFE), "big number");
  ASSERT_TRUE(detail.Load(0x12345678, -2));
  EXPECT_EQ(detail.GetEntryNumber(), 0x12345678);
  EXPECT_EQ(detail.GetIncident(), -2);
  detail.Fill("rewritten!");
  ASSERT_TRUE(detail.SaveAs(43, 0));
  EXPECT_EQ(*store().Find(kEntryTag, host::EntryDetailKey(43, 0)), "rewritten!");
}

TEST_F(DetailRecordsTest, AnEntryWithoutANumberLoadsEntryZero) {
  frame.entry(0).entryNumber = 0;
  store().Put(kEntryTag, host::EntryDetailKey(0, 0), "entry zero");
  Detail<__FCEntryDetail> detail(kEntryTag);
  detail.SetNoteEntry(entry.get());
  ASSERT_TRUE(detail.LoadFirst());
  EXPECT_EQ(session().RecordCalls().back().key, host::EntryDetailKey(0, 0));
}

TEST_F(DetailRecordsTest, SaveNewCreatesForTheKeysEntryAndFlagsTheBoundEntry) {
  store().Put(kEntryTag, host::EntryDetailKey(7, 0), "entry 7...");
  Detail<__FCEntryDetail> detail(kEntryTag, 0x0E000000);
  ASSERT_TRUE(detail.Load(7, 0));
  EXPECT_FALSE(detail.SaveNew()) << "no entry bound";
  EXPECT_EQ(HostCalls(), 1u);

  detail.SetNoteEntry(entry.get());  // entry 42; the key's entry number is the one used
  detail.Fill("new detail");
  ASSERT_TRUE(detail.SaveNew());
  const auto& create = session().RecordCalls().back();
  EXPECT_EQ(create.function, "CreateEData");
  EXPECT_EQ(create.key, host::EntryDetailKey(7, 0xFFFF));
  EXPECT_EQ(create.version, kInterfaceVersion) << "not the object's own version";
  EXPECT_EQ(KeyOf(detail), host::EntryDetailKey(7, 1)) << "the incident the host assigned";
  EXPECT_EQ(*store().Find(kEntryTag, host::EntryDetailKey(7, 1)), "new detail");
  EXPECT_TRUE(EntryFlag(quavix::entryflag::kNoteDetail));
  EXPECT_FALSE(EntryFlag(quavix::entryflag::kArticulation));

  // A refused create leaves the key and the flag as they were.
  frame.entry(0).flags &= ~quavix::entryflag::kNoteDetail;
  detail.size = -1;
  EXPECT_FALSE(detail.SaveNew());
  EXPECT_EQ(KeyOf(detail), host::EntryDetailKey(7, 1));
  EXPECT_FALSE(EntryFlag(quavix::entryflag::kNoteDetail));
}

TEST_F(DetailRecordsTest, SaveNewOfANeverLoadedObjectSendsItsOwnRecord) {
  Detail<__FCEntryDetail> detail(kEntryTag);
  detail.SetNoteEntry(entry.get());
  detail._SetEntryNumber(9);
  detail.Fill("fresh one.");
  ASSERT_EQ(detail._GetDataPtr(), nullptr);
  ASSERT_TRUE(detail.SaveNew()) << "the host is not handed a missing buffer with a size";
  EXPECT_EQ(*store().Find(kEntryTag, host::EntryDetailKey(9, 0)), "fresh one.");
}

TEST_F(DetailRecordsTest, TheExistenceProbeLooksAtIncidentZeroAndLeavesTheObjectAlone) {
  Detail<__FCEntryDetail> detail(kEntryTag);
  store().Put(kEntryTag, host::EntryDetailKey(5, 0), "entry 5...");
  ASSERT_TRUE(detail.Load(5, 0));
  EXPECT_FALSE(detail._HasAnyMod(Note(0)));
  store().Put(kEntryTag, host::EntryDetailKey(42, 0), "entry 42..");
  EXPECT_TRUE(detail._HasAnyMod(Note(0)));
  EXPECT_EQ(session().RecordCalls().back().key, host::EntryDetailKey(42, 0));
  EXPECT_EQ(session().RecordCalls().back().size, 10);
  EXPECT_EQ(KeyOf(detail), host::EntryDetailKey(5, 0));
  EXPECT_EQ(detail.Text(), "entry 5...");
  EXPECT_FALSE(detail._HasAnyMod(nullptr));
}

TEST_F(DetailRecordsTest, RecordsLargerThanTheScratchAreaAreNeitherProbedNorScanned) {
  // A 300-byte record under the key: loading it into 208 bytes would overrun.
  const std::string big(kRoom, 'x');
  store().Put(kEntryTag, host::EntryDetailKey(42, 0), big);
  store().Put(kNoteTag, host::EntryDetailKey(42, 0), big);
  Detail<__FCEntryDetail> detail(kEntryTag);
  NoteDetail noteDetail;
  for (std::int32_t size : {209, kRoom}) {
    detail.size = size;
    noteDetail.size = size;
    const std::size_t before = HostCalls();
    EXPECT_FALSE(detail._HasAnyMod(Note(0))) << size;
    EXPECT_EQ(noteDetail._ScanForNoteID(Note(0)), -1) << size;
    EXPECT_FALSE(noteDetail.SaveAt(Note(0))) << size;
    EXPECT_FALSE(noteDetail.EraseAt(Note(0))) << size;
    EXPECT_EQ(HostCalls(), before) << "refused without a host call, size " << size;
  }
  EXPECT_EQ(store().Count(kNoteTag), 1u);
  // 208 bytes still fit.
  detail.size = 208;
  EXPECT_TRUE(detail._HasAnyMod(Note(0)));
}

TEST_F(DetailRecordsTest, TheNoteScanFindsTheNotesIncidentOfferingTheFullSizeEveryTime) {
  // A short record first: its size must not shrink the next load.
  store().Put(kNoteTag, host::EntryDetailKey(42, 0), "shrt");
  store().Put(kNoteTag, host::EntryDetailKey(42, 1), NoteBody("note 3", 3));
  store().Put(kNoteTag, host::EntryDetailKey(42, 2), NoteBody("note 1", 1));
  store().Put(kNoteTag, host::EntryDetailKey(43, 0), NoteBody("other", 2));
  NoteDetail detail;
  struct Case {
    int note;
    short incident;
    std::size_t loads;
  };
  for (const Case& c : {Case{0, 2, 3}, Case{2, 1, 2}, Case{1, -1, 4}}) {
    const std::size_t before = HostCalls();
    EXPECT_EQ(detail._ScanForNoteID(Note(c.note)), c.incident) << "note " << c.note;
    ASSERT_EQ(HostCalls() - before, c.loads) << "note " << c.note;
    for (std::size_t i = before; i < HostCalls(); ++i) {
      const auto& call = session().RecordCalls()[i];
      EXPECT_EQ(call.function, "LoadEData");
      EXPECT_EQ(call.key, host::EntryDetailKey(42, static_cast<std::uint16_t>(i - before)));
      EXPECT_EQ(call.size, 10) << "load " << i - before << " for note " << c.note;
    }
  }
  EXPECT_EQ(KeyOf(detail), RecordKey{}) << "the scan has its own key";
}

TEST_F(DetailRecordsTest, SaveAtCreatesOrOverwritesTheNotesRecordAndEraseAtKeepsTheFlagTrue) {
  store().Put(kNoteTag, host::EntryDetailKey(42, 0), NoteBody("note 1", 1));
  NoteDetail detail;
  detail.Fill("first...");
  ASSERT_TRUE(detail.SaveAt(Note(1)));
  EXPECT_EQ(session().RecordCalls().back().function, "CreateEData");
  EXPECT_EQ(session().RecordCalls().back().key, host::EntryDetailKey(42, 0xFFFF));
  EXPECT_EQ(KeyOf(detail), host::EntryDetailKey(42, 1));
  EXPECT_EQ(*store().Find(kNoteTag, host::EntryDetailKey(42, 1)), NoteBody("first...", 2));
  EXPECT_TRUE(EntryFlag(quavix::entryflag::kNoteDetail));

  detail.Fill("second..");
  ASSERT_TRUE(detail.SaveAt(Note(1)));
  EXPECT_EQ(session().RecordCalls().back().function, "SaveEData");
  EXPECT_EQ(KeyOf(detail), host::EntryDetailKey(42, 1)) << "the same incident";
  EXPECT_EQ(*store().Find(kNoteTag, host::EntryDetailKey(42, 1)), NoteBody("second..", 2));
  EXPECT_EQ(store().Count(kNoteTag), 2u);

  // Erasing one of two keeps the flag; erasing the last clears it.
  ASSERT_TRUE(detail.EraseAt(Note(0)));
  EXPECT_EQ(KeyOf(detail), host::EntryDetailKey(42, 0xFFFF));
  EXPECT_TRUE(EntryFlag(quavix::entryflag::kNoteDetail));
  EXPECT_EQ(*store().Find(kNoteTag, host::EntryDetailKey(42, 0)), NoteBody("second..", 2))
      << "the host closed the gap";
  ASSERT_TRUE(detail.EraseAt(Note(1)));
  EXPECT_FALSE(EntryFlag(quavix::entryflag::kNoteDetail));
  EXPECT_EQ(store().Count(kNoteTag), 0u);

  // Nothing left to erase: the host refuses incident -1.
  frame.entry(0).flags |= quavix::entryflag::kNoteDetail;
  EXPECT_FALSE(detail.EraseAt(Note(1)));
  EXPECT_EQ(session().RecordCalls().back().key, host::EntryDetailKey(42, 0xFFFF));
  EXPECT_TRUE(EntryFlag(quavix::entryflag::kNoteDetail));

  // A refused create leaves the key and the flag.
  frame.entry(0).flags &= ~quavix::entryflag::kNoteDetail;
  detail.size = -1;
  EXPECT_FALSE(detail.SaveAt(Note(2)));
  EXPECT_EQ(KeyOf(detail), host::EntryDetailKey(42, 0xFFFF));
  EXPECT_FALSE(EntryFlag(quavix::entryflag::kNoteDetail));
}

TEST_F(DetailRecordsTest, CellDetailsWalkTheIncidentsOfTheirCell) {
  store().Put(kCellTag, host::CellDetailKey(3, 5, 0), "cell 3/5 0");
  store().Put(kCellTag, host::CellDetailKey(3, 5, 1), "cell 3/5 1");
  store().Put(kCellTag, host::CellDetailKey(3, 5, 3), "after gap.");
  store().Put(kCellTag, host::CellDetailKey(3, 6, 0), "next cell.");
  Detail<__FCCellDetail> detail(kCellTag);
  EXPECT_FALSE(detail.LoadFirst()) << "no cell bound";
  EXPECT_EQ(HostCalls(), 0u);

  FCCell cell(5, 3);  // measure 5, staff 3
  detail.SetCell(&cell);
  ASSERT_TRUE(detail.LoadFirst());
  EXPECT_EQ(session().RecordCalls().back().key, host::CellDetailKey(3, 5, 0));
  ASSERT_TRUE(detail.LoadNext());
  EXPECT_EQ(detail.Text(), "cell 3/5 1");
  EXPECT_FALSE(detail.LoadNext());
  EXPECT_EQ(KeyOf(detail), host::CellDetailKey(3, 5, 1));
  EXPECT_EQ(detail.GetStaff(), 3);
  EXPECT_EQ(detail.GetMeasure(), 5);
  EXPECT_EQ(detail.GetIncident(), 1);
  for (const auto& call : session().RecordCalls()) EXPECT_EQ(call.function, "LoadEData");
}

TEST_F(DetailRecordsTest, ClonesCarryKeyAndBytesButNoBinding) {
  store().Put(kEntryTag, host::EntryDetailKey(42, 0), "incident 0");
  store().Put(kCellTag, host::CellDetailKey(1, 1, 0), "cell 1/1 0");
  Detail<__FCEntryDetail> detail(kEntryTag);
  detail.SetNoteEntry(entry.get());
  ASSERT_TRUE(detail.LoadFirst());
  std::unique_ptr<Detail<__FCEntryDetail>> clone(static_cast<Detail<__FCEntryDetail>*>(detail.CreateClone()));
  EXPECT_EQ(KeyOf(*clone), host::EntryDetailKey(42, 0));
  EXPECT_EQ(clone->Text(), "incident 0");
  EXPECT_EQ(clone->GetNoteEntry(), nullptr);
  const std::size_t before = HostCalls();
  EXPECT_FALSE(clone->LoadFirst());
  EXPECT_FALSE(clone->SaveNew());
  EXPECT_EQ(HostCalls(), before);

  FCCell cell(1, 1);
  Detail<__FCCellDetail> cellDetail(kCellTag);
  cellDetail.SetCell(&cell);
  ASSERT_TRUE(cellDetail.LoadFirst());
  std::unique_ptr<__FCBaseData> cellClone(cellDetail.CreateClone());
  EXPECT_EQ(KeyOf(*cellClone), host::CellDetailKey(1, 1, 0));
  EXPECT_EQ(static_cast<__FCCellDetail*>(cellClone.get())->GetCell(), nullptr);
  EXPECT_FALSE(cellClone->LoadFirst());
}

TEST_F(DetailRecordsTest, ClassNamesAndTheDefaultEntryFlag) {
  Detail<__FCEntryDetail> detail(kEntryTag);
  NoteDetail noteDetail;
  Detail<__FCCellDetail> cellDetail(kCellTag);
  EXPECT_STREQ(detail.ClassName(), "__FCBaseData");
  EXPECT_STREQ(noteDetail.ClassName(), "__FCEntryDetailNoteID");
  EXPECT_STREQ(cellDetail.ClassName(), "__FCCellDetail");

  frame.entry(0).flags = 0x40000000;
  detail._SetEntryFlag(entry.get(), true);
  EXPECT_EQ(frame.entry(0).flags, 0x40400000u);
  detail._SetEntryFlag(entry.get(), false);
  EXPECT_EQ(frame.entry(0).flags, 0x40000000u);
  detail._SetEntryFlag(nullptr, true);  // nothing to mark
}

}  // namespace
