#include <array>

#include "host/api/HostApi.h"
#include "support/SessionFixture.h"

namespace {

using qxtest::kVersion;
namespace api = host::api;

using RegionApiTest = qxtest::SessionTest;

// The eight fields of a region, copied out of the packed record.
std::array<std::int32_t, 8> Fields(const EREGION& r) {
  return {r.startSlotQualifier, r.startSlot, r.startMeasure, r.startPosition,
          r.endSlotQualifier,   r.endSlot,   r.endMeasure,   r.endPosition};
}

TEST_F(RegionApiTest, PermutedStaffIdsMapBothWays) {
  Open(host::DocumentBuilder().Staves({3, 1, 2}).Measures(1));
  struct Case {
    int slot, staffId;
  };
  for (const Case c : {Case{1, 3}, Case{2, 1}, Case{3, 2}}) {
    EXPECT_EQ(api::SlotToInst(c.slot, 0, kVersion), c.staffId);
    EXPECT_EQ(api::InstToSlot(c.staffId, 0, kVersion), c.slot);
    // The qualifier selects nothing; only the low 16 bits of a slot count.
    EXPECT_EQ(api::SlotToInst(c.slot | 0x30000, 0x8000, kVersion), c.staffId);
    EXPECT_EQ(api::InstToSlot(c.staffId | 0x30000, 0x8000, kVersion), c.slot);
  }
  for (int missing : {0, 4, -1, 0x10000}) {
    EXPECT_EQ(api::SlotToInst(missing, 0, kVersion), 0) << missing;
    EXPECT_EQ(api::InstToSlot(missing, 0, kVersion), 0) << missing;
  }
  // A frame is lent by slot: slot 1 holds staff 3.
  Open(host::DocumentBuilder().Staves({3, 1, 2}).Measures(1).Rest(3, 1, 0, 0));
  EXTGF2005a* frame = api::LoadTGF(0, 1, 1, 0, 1, kVersion);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(+frame->entryCount, 1);
  api::FreeTGF(frame, kVersion);
}

TEST_F(RegionApiTest, HiddenLayersAreReportedButStillLent) {
  Open(host::DocumentBuilder().Staves({1}).Measures(1).MaxLayers(6).HideLayer(1).HideLayer(4));
  EXPECT_EQ(api::GetMaxLayers(kVersion), 6);
  const int shown[] = {1, 0, 1, 1, 0, 1};
  for (int layer = 0; layer < 6; ++layer)
    EXPECT_EQ(api::GetShowLayer(layer, kVersion), shown[layer]) << layer;
  EXPECT_EQ(api::GetShowLayer(-1, kVersion), 0);
  EXPECT_EQ(api::GetShowLayer(6, kVersion), 0);
  EXPECT_EQ(api::GetShowLayer(0x10001, kVersion), 0);  // layer 1

  // Whether a hidden layer is loaded is the caller's choice; the host lends it.
  EXTGF2005a* hidden = api::LoadTGF(0, 1, 1, 1, 1, kVersion);
  EXPECT_NE(hidden, nullptr);
  api::FreeTGF(hidden, kVersion);

  session().Reset();  // the empty document: four layers, all shown
  EXPECT_EQ(api::GetMaxLayers(kVersion), 4);
  EXPECT_EQ(api::GetShowLayer(3, kVersion), 1);
}

TEST_F(RegionApiTest, CurrentRegionsAreTheSelectionAndTheWholeDocument) {
  const EREGION selection = host::MakeRegion(2, 3, 3, 4, 480, 768);
  Open(host::DocumentBuilder().Staves({5, 6, 7}).Measures(12).Number(3).Select(selection));
  std::int32_t scratch = 0;
  EREGION current{}, whole{};
  ASSERT_EQ(api::GetCurERegions(&scratch, &current, &whole, kVersion), 1);
  EXPECT_EQ(Fields(current), Fields(selection));
  EXPECT_EQ(Fields(whole), (std::array<std::int32_t, 8>{0, 1, 1, 0, 0, 3, 12, 0x7FFFFFFF}));
  EXPECT_EQ(api::GetCurrentMorvelDocument(kVersion), 3);

  // A new selection is what the host reports from then on.
  EREGION next = host::MakeRegion(1, 1, 1, 2, 0, 0x7FFFFFFF);
  next.startSlotQualifier = 7;
  api::SetCurERegion(&next, kVersion);
  api::SetCurERegion(nullptr, kVersion);  // ignored
  ASSERT_EQ(api::GetCurERegions(&scratch, &current, nullptr, kVersion), 1);
  EXPECT_EQ(Fields(current), Fields(next));
}

TEST_F(RegionApiTest, WithoutADocumentThereAreNoRegionsAndNoDocumentNumber) {
  const EREGION untouched = host::MakeRegion(9, 9, 9, 9, 9, 9);
  EREGION current = untouched, whole = untouched;
  std::int32_t scratch = 0;
  EXPECT_EQ(api::GetCurERegions(&scratch, &current, &whole, kVersion), 0);
  EXPECT_EQ(Fields(current), Fields(untouched));
  EXPECT_EQ(Fields(whole), Fields(untouched));
  EXPECT_EQ(api::GetCurrentMorvelDocument(kVersion), 0);
  EXPECT_EQ(api::SlotToInst(1, 0, kVersion), 0);

  // A document built with no selection has the empty one, and number 1.
  Open(host::DocumentBuilder().Staves({1}).Measures(1));
  ASSERT_EQ(api::GetCurERegions(&scratch, &current, &whole, kVersion), 1);
  EXPECT_EQ(Fields(current), (std::array<std::int32_t, 8>{}));
  EXPECT_EQ(api::GetCurrentMorvelDocument(kVersion), 1);
}

}  // namespace
