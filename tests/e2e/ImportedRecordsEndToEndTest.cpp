// A plug-in reads the records of an imported MusicXML score through the
// framework: the key of each measure and a staff's full name.
#if defined(QX_HAVE_MUSICXML)

#include <string>

#include "e2e/PluginFixture.h"
#include "host/musicxml/MusicXmlReader.h"
#include "interface/RecordTags.h"

namespace {

class ImportedRecordsTest : public qxtest::PluginTest {
 protected:
  ImportedRecordsTest() : PluginTest("QX_RECORD_REPORT_PLUGIN_PATH") {}
};

TEST_F(ImportedRecordsTest, APlugInSeesTheScoresKeysAndStaffName) {
  host::musicxml::ImportedScore score;
  host::musicxml::ReadMusicXmlFile(QX_EXAMPLES_DIR "/scores/chorale.musicxml", score);
  // The report goes into a raw text the plug-in finds ready.
  score.document.Records().Put(quavix::tag::kRawText, host::NumberedKey(900), std::string(1, '\0'));
  session().Open(std::move(score.document));
  std::uint32_t flags = 0;
  plugin->Init(&flags);
  Invoke(document().WholeDocument());
  const std::string* report = document().Records().Find(quavix::tag::kRawText, host::NumberedKey(900));
  ASSERT_NE(report, nullptr);
  // The chorale is in G major to measure 8 and in D major from measure 9.
  std::string expected;
  for (int m = 1; m <= 16; ++m) expected += std::to_string(m) + (m < 9 ? ":1# G " : ":2# D ");
  expected += "name Piano";
  EXPECT_EQ(report->c_str(), expected);
}

}  // namespace

#endif
