// The example plug-in, built with the framework like any plug-in, loaded into
// this program as into the real host.
#include <cstring>
#include <string>
#include <vector>

#include "e2e/PluginFixture.h"

namespace {

class RaiseStepEndToEndTest : public qxtest::PluginTest {
 protected:
  RaiseStepEndToEndTest() : PluginTest("QX_EXAMPLE_PLUGIN_PATH") {}
};

TEST_F(RaiseStepEndToEndTest, OffersItsOwnMenuCommand) {
  std::uint32_t flags = 0;
  EXPECT_EQ(plugin->Init(&flags), 1);
  EXPECT_EQ(flags, 1u);
  EMENUITEM item{};
  ASSERT_EQ(plugin->Enumerate(0, &item), 1);
  EXPECT_STREQ(item.longName, "QZ Raise a Step");
  EXPECT_STREQ(item.shortName, "Raise a Step");
  EXPECT_STREQ(item.description, "Moves every note of the selection up one diatonic step.");
  EXPECT_EQ(plugin->Enumerate(1, &item), 0);
  EXPECT_EQ(plugin->GetMenuStatus(), 1);
}

TEST_F(RaiseStepEndToEndTest, EveryNoteInsideTheRegionMovesUpAStep) {
  Open(host::DocumentBuilder()
           .Staves({1, 2})
           .Measures(3)
           .HideLayer(1)
           .Chord(2, 1, 0, 0, {{0, 0}, {4, 1}})  // before the start position
           .Chord(2, 1, 0, 256, {{0, 0}, {4, 1}})
           .Rest(2, 1, 0, 512)
           .Chord(2, 1, 1, 256, {{0, 0}})  // a hidden layer
           .Chord(1, 2, 0, 0, qxtest::kOpenChord)
           .Chord(2, 3, 0, 0, {{-7, -1}})
           .Chord(2, 3, 0, 768, {{-7, -1}}));  // after the end position
  Invoke(host::MakeRegion(1, 1, 2, 3, 256, 512));
  EXPECT_EQ(Displacements(Entry(2, 1, 0, 0)), (std::vector<short>{0, 4}));
  EXPECT_EQ(Displacements(Entry(2, 1, 0, 1)), (std::vector<short>{1, 5}));
  EXPECT_EQ(Entry(2, 1, 0, 1).notes[1].raiseLower, 1);  // alterations stay
  EXPECT_EQ(Entry(2, 1, 0, 2).noteCount, 1);            // the rest, with its placeholder note
  EXPECT_EQ(Displacements(Entry(2, 1, 1, 0)), (std::vector<short>{0}));
  EXPECT_EQ(Displacements(Entry(1, 2, 0, 0)), (std::vector<short>{5, 3, 1, -2}));
  EXPECT_EQ(Displacements(Entry(2, 3, 0, 0)), (std::vector<short>{-6}));
  EXPECT_EQ(Displacements(Entry(2, 3, 0, 1)), (std::vector<short>{-7}));
  EXPECT_EQ(document().SaveCount(2, 1, 1), 0);
}

}  // namespace
