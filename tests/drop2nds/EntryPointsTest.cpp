#include "interface/EntryPoints.h"

#include <cstring>
#include <string>

#include "pdk/binding/HostModule.h"
#include "support/HostFixture.h"

namespace {

using EntryPointsTest = qxtest::HostTest;

constexpr const char kDescription64[] = "Transposes the 2nd highest note in a 4-note block chord one octa";
static_assert(sizeof(kDescription64) == 65);

std::string Bytes(const EMENUITEM& item, int from, int to) {
  return std::string(reinterpret_cast<const char*>(&item) + from, static_cast<std::size_t>(to - from));
}

TEST_F(EntryPointsTest, VersionIsStoredAndReturned) {
  for (std::uint32_t v : {0x0F000200u, 0x1B000000u, 0u, 0xFFFFFFFFu}) {
    EXPECT_EQ(QuavixExtensionVersion(v), v);
    EXPECT_EQ(RunningQuavixVersion, v);
  }
}

TEST_F(EntryPointsTest, InitSetsBitOneAndKeepsTheOthers) {
  struct Case {
    std::uint32_t before, after;
  };
  for (const Case& c : {Case{6, 7}, Case{1, 1}, Case{0, 1}, Case{0xFFFFFFFE, 0xFFFFFFFF}}) {
    std::uint32_t word = c.before;
    EXPECT_EQ(QuavixExtensionInit(0, &word), 1);
    EXPECT_EQ(word, c.after);
  }
  EXPECT_EQ(QuavixExtensionInit(0, nullptr), 1);
}

TEST_F(EntryPointsTest, EnumerateOffersOneItemAtIndexZeroOrBelow) {
  struct Case {
    std::int32_t index;  // the host's 32-bit argument, read as signed 16 bits
    std::int32_t result;
  };
  for (const Case& c : {Case{0, 1}, Case{-1, 1}, Case{-32768, 1}, Case{1, 0}, Case{2, 0}, Case{0x0000FFFF, 1},
                        Case{0x00010000, 1}, Case{0x00010001, 0}}) {
    SCOPED_TRACE(c.index);
    EMENUITEM item;
    std::memset(&item, 0xAB, sizeof item);
    EXPECT_EQ(QuavixExtensionEnumerate(0, c.index, &item), c.result);
    if (c.result == 0) {
      EXPECT_EQ(Bytes(item, 0, 196), std::string(196, '\xAB'));  // untouched
      continue;
    }
    EXPECT_EQ(Bytes(item, 0, 12), "QZ Drop 2nds");
    EXPECT_EQ(Bytes(item, 12, 64), std::string(52, '\0'));
    EXPECT_EQ(Bytes(item, 64, 128), kDescription64);  // no terminator in the field
    EXPECT_EQ(Bytes(item, 128, 137), "Drop 2nds");
    EXPECT_EQ(Bytes(item, 137, 192), std::string(55, '\0'));
    EXPECT_EQ(Bytes(item, 192, 196), std::string("\x01\x00\x00\x00", 4));
  }
}

TEST_F(EntryPointsTest, MenuStatusIsAlwaysAvailableAndTerminateChangesNothing) {
  for (std::int32_t argument : {0, 1, -1, 0x7FFFFFFF}) EXPECT_EQ(QuavixExtensionGetMenuStatus(argument), 1);
  QuavixExtensionVersion(0x1B000000);
  QuavixExtensionTerminate(0);
  EXPECT_EQ(RunningQuavixVersion, 0x1B000000u);
}

}  // namespace
