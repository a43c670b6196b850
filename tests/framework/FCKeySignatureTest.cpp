#include "framework/notes/FCKeySignature.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

TEST(FCKeySignatureTest, KeyValuesDecodeToAccidentalsAndTonic) {
  struct Case {
    std::uint16_t value;
    short sharps, flats, root;
  };
  const Case cases[] = {
      {0x0000, 0, 0, 2},     // C major
      {0x0001, 1, 0, 6},     // G major
      {0x0101, 1, 0, 4},     // E minor
      {0x0007, 7, 0, 2},     // C sharp major: letter C again
      {0x00FD, 0, 3, 4},     // E flat major
      {0x00FF, 0, 1, 5},     // F major
      {0x01FF, 0, 1, 3},     // D minor
      {0x00F9, 0, 7, 2},     // C flat major: index 7
      {0x0100, 0, 0, 0},     // A minor
      {0x0080, 0, 128, 1},   // 128 flats: table index 7 - 128 % 7 = 5
      {0x0200, -1, -1, -1},  // non-standard
      {0xFFFF, -1, -1, -1},  // not one flat: the value is not sign-extended
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    FCKeySignature key(quavix::kInterfaceVersion);
    key.SetKeyValue(c.value);
    EXPECT_EQ(key.CalcSharps(), c.sharps);
    EXPECT_EQ(key.CalcFlats(), c.flats);
    EXPECT_EQ(key.CalcScaleRootIndex(), c.root);
  }
}

TEST(FCKeySignatureTest, ClonesCarryTheKeyValueAndAreNoHostRecord) {
  FCKeySignature key(quavix::kInterfaceVersion);
  EXPECT_EQ(key.Tag(), 0u);
  EXPECT_FALSE(key.LoadFirst());
  key.SetKeyValue(0x0103);
  std::unique_ptr<__FCBaseData> clone(key.CreateClone());
  auto* copy = static_cast<FCKeySignature*>(clone.get());
  EXPECT_EQ(copy->GetKeyValue(), 0x0103);
  EXPECT_EQ(copy->GetLoadedSize(), 2);
  EXPECT_EQ(copy->_GetDataPtr(), copy->Allocate());
  EXPECT_EQ(std::string(copy->ClassName()), "FCKeySignature");
}

}  // namespace
