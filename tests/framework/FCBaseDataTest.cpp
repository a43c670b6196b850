#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "framework/core/FCBaseData.h"
#include "interface/HostTypes.h"
#include "pdk/binding/HostFunctions.h"
#include "support/HostFixture.h"

namespace {

constexpr std::uint32_t kTag = quavix::MakeTag('t', 'e', 's', 't');

// A host record store for one tag, keyed by the first key byte.
struct FakeStore {
  std::map<unsigned char, std::string> records;
  std::vector<std::string> calls;
  std::vector<std::int32_t> sizesOffered;
  std::vector<std::uint32_t> versions;
};
FakeStore g_store;

std::int32_t QXAPI Load(std::uint32_t tag, void* key, void* buffer, std::int32_t* size,
                        std::uint32_t version) {
  g_store.calls.push_back("load");
  g_store.sizesOffered.push_back(*size);
  g_store.versions.push_back(version);
  auto it = g_store.records.find(*static_cast<unsigned char*>(key));
  if (tag != kTag || it == g_store.records.end()) return 0;
  const auto length = static_cast<std::int32_t>(it->second.size());
  if (buffer != nullptr)
    std::memcpy(buffer, it->second.data(), static_cast<std::size_t>(std::min(length, *size)));
  *size = length;
  return 1;
}
std::int32_t QXAPI Save(std::uint32_t, void* key, void* buffer, std::int32_t size, std::uint32_t) {
  g_store.calls.push_back("save");
  g_store.records[*static_cast<unsigned char*>(key)] =
      std::string(static_cast<char*>(buffer), static_cast<std::size_t>(size));
  return 1;
}
std::int32_t QXAPI Next(std::uint32_t, void* key, void*, std::int32_t, std::uint32_t) {
  g_store.calls.push_back("next");
  auto* k = static_cast<unsigned char*>(key);
  auto it = g_store.records.upper_bound(*k);
  if (it == g_store.records.end()) return 0;
  *k = it->first;
  return 1;
}
std::int32_t QXAPI Delete(std::uint32_t, void* key, std::uint32_t) {
  g_store.calls.push_back("delete");
  return g_store.records.erase(*static_cast<unsigned char*>(key)) ? 1 : 0;
}

// A fixed-size record of 4 bytes embedded in the object.
class FixedRecord : public __FCBaseData {
 public:
  FixedRecord() : __FCBaseData(quavix::kInterfaceVersion) {}
  std::uint32_t Tag() override { return kTag; }
  std::int32_t DataSize() override { return 4; }
  void* Allocate() override { return bytes; }
  __FCBaseData* CreateObject(QxULong) override { return new FixedRecord; }
  void CloneMemoryFrom(__FCBaseData* source) override {
    std::memcpy(bytes, static_cast<FixedRecord*>(source)->bytes, sizeof bytes);
    _SetDataPtr(bytes);
    _SetLoadedSize(4);
  }
  bool LoadFirst() override { return LoadDataBlock(); }
  char bytes[4] = {};
};

// A record whose length is whatever the host stores; heap buffer.
class DynamicRecord : public __FCBaseData {
 public:
  explicit DynamicRecord(QxULong version = quavix::kInterfaceVersion) : __FCBaseData(version) {}
  ~DynamicRecord() override { Deallocate(); }
  std::uint32_t Tag() override { return kTag; }
  std::int32_t DataSize() override {
    QxLong size = 0;
    return FX_LoadEData(Tag(), _GetKey(), nullptr, &size, GetVersion()) ? size : 0;
  }
  void* Allocate() override {
    ++allocations;
    return _NewBlock(DataSize());
  }
  void Deallocate() override { _DeleteBlock(_GetDataPtr()); }
  bool IsDynamicSize() override { return true; }
  __FCBaseData* CreateObject(QxULong version) override { return new DynamicRecord(version); }
  bool LoadFirst() override { return LoadDataBlock(); }
  std::string Text() const {
    return std::string(static_cast<char*>(_GetDataPtr()), static_cast<std::size_t>(GetLoadedSize()));
  }
  int allocations = 0;
};

class FCBaseDataTest : public qxtest::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    g_store = {};
    Provide("FX_LoadEData", &Load);
    Provide("FX_SaveEData", &Save);
    Provide("FX_NextEData", &Next);
    Provide("FX_DeleteEData", &Delete);
  }
};

TEST_F(FCBaseDataTest, FixedSizeRecordLoadsIntoItsEmbeddedBytesEveryTime) {
  g_store.records[0] = "abcd";
  FixedRecord record;
  EXPECT_EQ(record.GetLoadedSize(), 0);
  ASSERT_TRUE(record.LoadDataBlock());
  EXPECT_EQ(record._GetDataPtr(), record.bytes);
  EXPECT_EQ(std::string(record.bytes, 4), "abcd");
  ASSERT_TRUE(record.LoadDataBlock());
  EXPECT_EQ(record._GetDataPtr(), record.bytes);
  EXPECT_EQ(g_store.sizesOffered, (std::vector<std::int32_t>{4, 4}));
  EXPECT_EQ(g_store.versions[0], quavix::kInterfaceVersion);
}

TEST_F(FCBaseDataTest, DynamicRecordGetsAFreshBufferSizedByTheHostOnEachLoad) {
  g_store.records[0] = "short";
  DynamicRecord record;
  ASSERT_TRUE(record.LoadDataBlock());
  EXPECT_EQ(record.Text(), "short");
  g_store.records[0] = "a longer text";
  ASSERT_TRUE(record.LoadDataBlock());  // the first block is released (the sanitizer build checks)
  EXPECT_EQ(record.Text(), "a longer text");
  EXPECT_EQ(record.allocations, 2);
}

TEST_F(FCBaseDataTest, FailedLoadLeavesNoDataSoSaveDoesNotReachTheHost) {
  g_store.records[0] = "abcd";
  FixedRecord record;
  ASSERT_TRUE(record.LoadDataBlock());
  EXPECT_TRUE(record.Save());
  record._GetKey()[0] = 9;  // no such record
  EXPECT_FALSE(record.LoadDataBlock());
  EXPECT_EQ(record.GetLoadedSize(), 0);
  g_store.calls.clear();
  EXPECT_FALSE(record.Save());
  EXPECT_TRUE(g_store.calls.empty());
}

TEST_F(FCBaseDataTest, LoadNextStepsTheKeyAndKeepsTheDataWhenRefused) {
  g_store.records = {{1, "one."}, {4, "four"}};
  FixedRecord record;
  record._GetKey()[0] = 1;
  ASSERT_TRUE(record.LoadFirst());
  ASSERT_TRUE(record.LoadNext());
  EXPECT_EQ(record._GetKey()[0], 4);
  EXPECT_EQ(std::string(record.bytes, 4), "four");
  EXPECT_FALSE(record.LoadNext());
  EXPECT_EQ(std::string(record.bytes, 4), "four");
  EXPECT_EQ(record.GetLoadedSize(), 4);
  EXPECT_EQ(g_store.calls.back(), "next");  // refused: no load after it
}

TEST_F(FCBaseDataTest, DeleteRemovesTheHostRecordButNotTheObjectsBytes) {
  g_store.records[2] = "wxyz";
  FixedRecord record;
  record._GetKey()[0] = 2;
  ASSERT_TRUE(record.LoadDataBlock());
  EXPECT_TRUE(record.DeleteData());
  EXPECT_TRUE(g_store.records.empty());
  EXPECT_EQ(std::string(record.bytes, 4), "wxyz");
  EXPECT_FALSE(record.DeleteData());
}

TEST_F(FCBaseDataTest, ClonesCopyKeyVersionCustomTagAndBytes) {
  g_store.records[3] = "dynamic bytes";
  DynamicRecord loaded(0x0A000000);
  loaded._GetKey()[0] = 3;
  loaded._GetKey()[7] = 0xEE;
  loaded.SetCustomTag(quavix::MakeTag('c', 'u', 's', 't'));
  ASSERT_TRUE(loaded.LoadDataBlock());
  __FCBaseData* clone = loaded.CreateClone();
  ASSERT_NE(clone, nullptr);
  EXPECT_STREQ(clone->ClassName(), "__FCBaseData");
  EXPECT_EQ(clone->GetVersion(), 0x0A000000u);
  EXPECT_EQ(clone->GetCustomTag(), loaded.GetCustomTag());
  EXPECT_EQ(std::memcmp(clone->_GetKey(), loaded._GetKey(), 8), 0);
  EXPECT_EQ(static_cast<DynamicRecord*>(clone)->Text(), "dynamic bytes");
  EXPECT_NE(clone->_GetDataPtr(), loaded._GetDataPtr());
  // Cloning into an object that already holds a block replaces it without a leak.
  clone->CloneFrom(&loaded);
  EXPECT_EQ(static_cast<DynamicRecord*>(clone)->Text(), "dynamic bytes");
  delete clone;

  DynamicRecord never;
  never._GetKey()[0] = 5;
  __FCBaseData* empty = never.CreateClone();
  EXPECT_EQ(empty->GetLoadedSize(), 0);
  EXPECT_EQ(empty->_GetKey()[0], 5);
  delete empty;

  g_store.records[0] = "abcd";
  FixedRecord fixed;
  ASSERT_TRUE(fixed.LoadDataBlock());
  __FCBaseData* fixedClone = fixed.CreateClone();
  EXPECT_EQ(std::string(static_cast<FixedRecord*>(fixedClone)->bytes, 4), "abcd");
  EXPECT_EQ(fixedClone->_GetDataPtr(), static_cast<FixedRecord*>(fixedClone)->bytes);
  delete fixedClone;
}

TEST_F(FCBaseDataTest, ClearDataReleasesTheBufferAndTheKeyStays) {
  g_store.records[1] = "xy";
  DynamicRecord record;
  record._GetKey()[0] = 1;
  ASSERT_TRUE(record.LoadDataBlock());
  record.ClearData();
  EXPECT_EQ(record._GetDataPtr(), nullptr);
  EXPECT_EQ(record.GetLoadedSize(), 0);
  EXPECT_EQ(record._GetKey()[0], 1);
  ASSERT_TRUE(record.LoadDataBlock());
  EXPECT_EQ(record.Text(), "xy");
}

TEST(FCBaseFlagsTest, SetAndClearBitsOfMisalignedWords) {
  struct Case {
    unsigned short before, mask;
    bool set;
    unsigned short after;
  };
  for (const Case& c : {Case{0x0007, 0x0004, false, 0x0003}, Case{0x0003, 0x0004, true, 0x0007},
                        Case{0xFFFF, 0x8001, false, 0x7FFE}, Case{0x0000, 0x0000, true, 0x0000}}) {
    unsigned char bytes[3] = {0xAA, 0, 0};
    std::memcpy(bytes + 1, &c.before, 2);  // an odd address
    __FCBase::Set16BitFlag(reinterpret_cast<unsigned short*>(bytes + 1), c.mask, c.set);
    unsigned short after;
    std::memcpy(&after, bytes + 1, 2);
    EXPECT_EQ(after, c.after);
    EXPECT_EQ(bytes[0], 0xAA);
  }
  unsigned char bytes[5] = {};
  const std::uint32_t word = 0x40000001;
  std::memcpy(bytes + 1, &word, 4);
  __FCBase::Set32BitFlag(reinterpret_cast<QxULong*>(bytes + 1), 0x40200000, true);
  __FCBase::Set32BitFlag(reinterpret_cast<QxULong*>(bytes + 1), 0x00000001, false);
  std::uint32_t after;
  std::memcpy(&after, bytes + 1, 4);
  EXPECT_EQ(after, 0x40200000u);
}

}  // namespace
