#include "host/document/RecordStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/api/HostApi.h"
#include "interface/HostTypes.h"
#include "support/SessionFixture.h"

namespace {

using host::NumberedKey;
using host::RecordFamily;
using host::RecordKey;
using host::RecordStore;
using qxtest::kVersion;
namespace api = host::api;

constexpr std::uint32_t kMeasures = quavix::MakeTag('S', 'O', 'M', 'S');
constexpr std::uint32_t kDetails = quavix::MakeTag('d', 'e', 't', 'l');
constexpr std::uint32_t kCells = quavix::MakeTag('c', 'e', 'l', 'l');

// The keys a walk from the all-zero key meets, forwards.
std::vector<RecordKey> Walk(const RecordStore& store, std::uint32_t tag) {
  std::vector<RecordKey> keys;
  RecordKey key{};
  if (store.Find(tag, key) != nullptr) keys.push_back(key);
  while (store.Next(tag, key)) keys.push_back(key);
  return keys;
}

TEST(RecordStoreTest, KeysAreOrderedByTheirNumbersAndEntryDetailsByTheWholeEntryNumber) {
  RecordStore store;
  store.DeclareFamily(kDetails, RecordFamily::kEntryDetail);
  // Item 256 is bytes 00 01: ordered as a number, it comes after item 2.
  for (std::uint16_t item : {256, 2, 1}) store.Put(kMeasures, NumberedKey(item), "m");
  store.Put(kMeasures, NumberedKey(1, 1), "incident 1");
  EXPECT_EQ(Walk(store, kMeasures),
            (std::vector<RecordKey>{NumberedKey(1), NumberedKey(1, 1), NumberedKey(2), NumberedKey(256)}));
  // Entry 0x10000 (low half 0) comes after entry 0xFFFF.
  store.Put(kDetails, host::EntryDetailKey(0x10000, 0), "d");
  store.Put(kDetails, host::EntryDetailKey(0xFFFF, 1), "d");
  EXPECT_EQ(Walk(store, kDetails),
            (std::vector<RecordKey>{host::EntryDetailKey(0xFFFF, 1), host::EntryDetailKey(0x10000, 0)}));
  RecordKey key = host::EntryDetailKey(0x10000, 0);
  ASSERT_TRUE(store.Previous(kDetails, key));
  EXPECT_EQ(key, host::EntryDetailKey(0xFFFF, 1));
  EXPECT_FALSE(store.Previous(kDetails, key));
  EXPECT_EQ(key, host::EntryDetailKey(0xFFFF, 1)) << "a refused step leaves the key";
}

TEST(RecordStoreTest, CreateAssignsTheNumberTheKeyAsksFor) {
  RecordStore store;
  store.DeclareFamily(kDetails, RecordFamily::kEntryDetail);
  store.DeclareFamily(kCells, RecordFamily::kCellDetail);
  // Item numbers: the next after the highest, from 1.
  RecordKey key = NumberedKey(0xFFFF);
  ASSERT_TRUE(store.Create(kMeasures, key, "first"));
  EXPECT_EQ(key, NumberedKey(1));
  store.Put(kMeasures, NumberedKey(7), "seven");
  key = NumberedKey(0xFFFF);
  ASSERT_TRUE(store.Create(kMeasures, key, "eighth"));
  EXPECT_EQ(key, NumberedKey(8));
  // A key without 0xFFFF creates that record, unless it exists.
  key = NumberedKey(3);
  EXPECT_TRUE(store.Create(kMeasures, key, "three"));
  EXPECT_FALSE(store.Create(kMeasures, key, "again"));
  EXPECT_EQ(*store.Find(kMeasures, NumberedKey(3)), "three");
  // Incidents: per entry (or cell), the next after its highest, from 0.
  store.Put(kDetails, host::EntryDetailKey(5, 0), "a");
  store.Put(kDetails, host::EntryDetailKey(5, 1), "b");
  store.Put(kDetails, host::EntryDetailKey(6, 4), "other entry");
  key = host::EntryDetailKey(5, 0xFFFF);
  ASSERT_TRUE(store.Create(kDetails, key, "c"));
  EXPECT_EQ(key, host::EntryDetailKey(5, 2));
  key = host::EntryDetailKey(9, 0xFFFF);
  ASSERT_TRUE(store.Create(kDetails, key, "first of 9"));
  EXPECT_EQ(key, host::EntryDetailKey(9, 0));
  RecordKey cell{};
  host::SetKeyUnsigned16(cell, 0, 3);
  host::SetKeyUnsigned16(cell, 2, 5);
  host::SetKeyUnsigned16(cell, 4, 0xFFFF);
  ASSERT_TRUE(store.Create(kCells, cell, "x"));
  EXPECT_EQ(host::KeyUnsigned16(cell, 4), 0);
}

TEST(RecordStoreTest, DeletingADetailMovesTheLaterIncidentsOfItsOwnerDown) {
  RecordStore store;
  store.DeclareFamily(kDetails, RecordFamily::kEntryDetail);
  for (std::uint16_t i = 0; i < 3; ++i)
    store.Put(kDetails, host::EntryDetailKey(5, i), std::string(1, 'a' + i));
  store.Put(kDetails, host::EntryDetailKey(6, 1), "other");
  ASSERT_TRUE(store.Erase(kDetails, host::EntryDetailKey(5, 0)));
  EXPECT_EQ(*store.Find(kDetails, host::EntryDetailKey(5, 0)), "b");
  EXPECT_EQ(*store.Find(kDetails, host::EntryDetailKey(5, 1)), "c");
  EXPECT_EQ(store.Find(kDetails, host::EntryDetailKey(5, 2)), nullptr);
  EXPECT_EQ(*store.Find(kDetails, host::EntryDetailKey(6, 1)), "other");
  EXPECT_FALSE(store.Erase(kDetails, host::EntryDetailKey(5, 2)));
  // Numbered records keep their numbers.
  for (std::uint16_t item : {1, 2}) store.Put(kMeasures, NumberedKey(item), "m");
  ASSERT_TRUE(store.Erase(kMeasures, NumberedKey(1)));
  EXPECT_NE(store.Find(kMeasures, NumberedKey(2)), nullptr);
}

using RecordApiTest = qxtest::SessionTest;

TEST_F(RecordApiTest, LoadsQuerySizesDeliverAtMostTheCapacityAndEveryCallIsLogged) {
  session().Open(host::Document());
  document().Records().Put(kMeasures, NumberedKey(1), "abcdef");
  RecordKey key = NumberedKey(1);
  std::int32_t size = 0;
  EXPECT_EQ(api::LoadEData(kMeasures, key.data(), nullptr, &size, kVersion), 1);
  EXPECT_EQ(size, 6) << "the size query";
  char buffer[8] = {};
  size = 4;
  EXPECT_EQ(api::LoadEData(kMeasures, key.data(), buffer, &size, 0x09000000), 1);
  EXPECT_EQ(size, 4);
  EXPECT_EQ(std::string(buffer), "abcd") << "no byte past the capacity";
  size = 8;
  EXPECT_EQ(api::LoadEData(kMeasures, key.data(), buffer, &size, kVersion), 1);
  EXPECT_EQ(size, 6);
  RecordKey missing = NumberedKey(2);
  size = 8;
  EXPECT_EQ(api::LoadEData(kMeasures, missing.data(), buffer, &size, kVersion), 0);
  EXPECT_EQ(size, 8) << "a failed load leaves the size";

  EXPECT_EQ(api::SaveEData(kMeasures, key.data(), const_cast<char*>("xy"), 2, kVersion), 1);
  EXPECT_EQ(*document().Records().Find(kMeasures, key), "xy");
  EXPECT_EQ(api::SaveEData(kMeasures, missing.data(), const_cast<char*>("xy"), 2, kVersion), 0)
      << "save writes existing records only";
  RecordKey fresh = NumberedKey(0xFFFF);
  EXPECT_EQ(api::CreateEData(kMeasures, fresh.data(), const_cast<char*>("new"), 3, kVersion), 1);
  EXPECT_EQ(fresh, NumberedKey(2));
  RecordKey walk{};
  EXPECT_EQ(api::NextEData(kMeasures, walk.data(), nullptr, 0, kVersion), 1);
  EXPECT_EQ(walk, NumberedKey(1));
  EXPECT_EQ(api::PreviousEData(kMeasures, fresh.data(), nullptr, 0, kVersion), 1);
  EXPECT_EQ(fresh, NumberedKey(1));
  EXPECT_EQ(api::DeleteEData(kMeasures, fresh.data(), kVersion), 1);
  EXPECT_EQ(api::DeleteEData(kMeasures, fresh.data(), kVersion), 0);

  const auto& calls = session().RecordCalls();
  ASSERT_EQ(calls.size(), 11u);
  EXPECT_EQ(calls[1].function, "LoadEData");
  EXPECT_EQ(calls[1].size, 4) << "the size on entry";
  EXPECT_EQ(calls[1].version, 0x09000000u);
  EXPECT_EQ(calls[6].function, "CreateEData");
  EXPECT_EQ(calls[6].key, NumberedKey(0xFFFF)) << "the key before the call";
}

TEST_F(RecordApiTest, WithoutADocumentOrAKeyNothingIsFound) {
  RecordKey key = NumberedKey(1);
  std::int32_t size = 0;
  EXPECT_EQ(api::LoadEData(kMeasures, key.data(), nullptr, &size, kVersion), 0);
  session().Open(host::Document());
  EXPECT_EQ(api::LoadEData(kMeasures, nullptr, nullptr, &size, kVersion), 0);
  EXPECT_EQ(api::LoadEData(kMeasures, key.data(), nullptr, nullptr, kVersion), 0);
  EXPECT_EQ(api::CreateEData(kMeasures, key.data(), nullptr, 4, kVersion), 0);
  EXPECT_EQ(api::SaveEData(kMeasures, key.data(), nullptr, -1, kVersion), 0);
}

}  // namespace
