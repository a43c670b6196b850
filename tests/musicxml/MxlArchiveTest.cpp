#include "host/musicxml/MxlArchive.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "host/musicxml/MusicXmlWriter.h"

namespace {

namespace fs = std::filesystem;
using host::musicxml::MusicXmlError;

const std::string kScore =
    "<?xml version=\"1.0\"?>\n<score-partwise version=\"4.0\"><part-list><score-part id=\"P1\"/></part-list>"
    "<part id=\"P1\"><measure><attributes><divisions>1</divisions></attributes>"
    "<note><pitch><step>E</step><octave>5</octave></pitch><duration>1</duration></note></measure></part>"
    "</score-partwise>\n";

std::string Member(const std::string& archivePath, const std::string& member) {
  int error = 0;
  zip_t* archive = zip_open(archivePath.c_str(), ZIP_RDONLY, &error);
  EXPECT_NE(archive, nullptr);
  zip_stat_t stat;
  std::string bytes;
  if (zip_stat(archive, member.c_str(), 0, &stat) == 0) {
    bytes.resize(static_cast<std::size_t>(stat.size));
    zip_file_t* file = zip_fopen(archive, member.c_str(), 0);
    zip_fread(file, bytes.data(), bytes.size());
    zip_fclose(file);
  }
  zip_discard(archive);
  return bytes;
}

class MxlArchiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / "qx-mxl-test";
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Path(const char* name) const { return (dir / name).string(); }
  fs::path dir;
};

TEST_F(MxlArchiveTest, ScoresAreReadFromArchivesAndWrittenBackWithTheOtherMembersUnchanged) {
  // A new archive from a plain score, then a member of the user's own.
  host::musicxml::WriteMxl(Path("in.mxl"), Path("in.musicxml"), kScore);
  int error = 0;
  zip_t* archive = zip_open(Path("in.mxl").c_str(), 0, &error);
  const std::string notes = "the user's own member";
  zip_file_add(archive, "META-INF/notes.txt", zip_source_buffer(archive, notes.data(), notes.size(), 0), 0);
  ASSERT_EQ(zip_close(archive), 0);

  host::musicxml::ImportedScore score;
  host::musicxml::ReadMusicXmlFile(Path("in.mxl"), score);
  EXPECT_EQ(score.text, kScore);
  EXPECT_EQ(Member(Path("in.mxl"), "mimetype"), "application/vnd.recordare.musicxml");
  const_cast<EXENTRY&>(score.document.Entries(1, 1, 0)[0]).notes[0].displacement -= 7;
  const host::musicxml::WrittenScore written = host::musicxml::WriteChanges(score, Path("in.mxl"));
  host::musicxml::WriteMxl(Path("out.mxl"), Path("in.mxl"), written.text);

  EXPECT_EQ(Member(Path("out.mxl"), "score.musicxml"), written.text);
  EXPECT_NE(written.text.find("<octave>4</octave>"), std::string::npos);
  EXPECT_EQ(Member(Path("out.mxl"), "META-INF/notes.txt"), notes);
  EXPECT_EQ(Member(Path("out.mxl"), "META-INF/container.xml"),
            Member(Path("in.mxl"), "META-INF/container.xml"));
  EXPECT_FALSE(fs::exists(Path(".out.mxl.partial")));
}

TEST_F(MxlArchiveTest, ArchivesItCannotReadAreClearErrors) {
  std::ofstream(Path("text.mxl")) << "not a zip archive";
  host::musicxml::WriteMxl(Path("empty.mxl"), Path("x.musicxml"), kScore);
  int error = 0;
  zip_t* archive = zip_open(Path("empty.mxl").c_str(), 0, &error);
  zip_delete(archive, static_cast<zip_uint64_t>(zip_name_locate(archive, "META-INF/container.xml", 0)));
  zip_close(archive);
  struct Case {
    std::string path;
    std::string message;
  };
  for (const Case& c : {Case{Path("text.mxl"), "not a readable compressed MusicXML archive"},
                        Case{Path("empty.mxl"), "the archive has no member META-INF/container.xml"},
                        Case{Path("none.mxl"), "cannot open the file"}}) {
    host::musicxml::ImportedScore score;
    try {
      host::musicxml::ReadMusicXmlFile(c.path, score);
      ADD_FAILURE() << c.path;
    } catch (const MusicXmlError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

}  // namespace
