// Plug-in code written to the framework's documented signatures, with long
// and unsigned long where they say so, compiles and overrides on the host's
// 32-bit Windows target; elsewhere those are 32-bit types.
#include <gtest/gtest.h>

#include <type_traits>

#include "framework/Framework.h"

namespace {

#if defined(_WIN32) && !defined(_WIN64)
using DocumentedULong = unsigned long;
using DocumentedLong = long;
#else
using DocumentedULong = std::uint32_t;
using DocumentedLong = std::int32_t;
#endif

static_assert(std::is_same_v<decltype(&SetQuavixFrameworkVersion), void (*)(DocumentedULong)>);
static_assert(
    std::is_same_v<decltype(&__FCBase::Set32BitFlag), void (*)(DocumentedULong*, DocumentedULong, bool)>);
static_assert(std::is_same_v<decltype(&FCNoteEntryCell::FindClosestPos),
                             FCNoteEntry* (FCNoteEntryCell::*)(DocumentedLong)>);
static_assert(std::is_same_v<decltype(RunningQuavixVersion), DocumentedULong>);

class PluginRecord : public __FCBaseData {
 public:
  explicit PluginRecord(DocumentedULong version) : __FCBaseData(version) {}
  std::uint32_t Tag() override { return quavix::MakeTag('p', 'l', 'u', 'g'); }
  std::int32_t DataSize() override { return 0; }
  void* Allocate() override { return nullptr; }
  __FCBaseData* CreateObject(DocumentedULong version) override { return new PluginRecord(version); }
  bool LoadFirst() override { return false; }
};

TEST(LongSignaturesTest, APluginRecordOverridesCreateObject) {
  PluginRecord record(0x0E000000ul);
  std::unique_ptr<__FCBaseData> clone(record.CreateClone());
  ASSERT_NE(dynamic_cast<PluginRecord*>(clone.get()), nullptr);
  EXPECT_EQ(clone->GetVersion(), 0x0E000000u);
}

}  // namespace
