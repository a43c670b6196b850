#include "host/musicxml/MusicXmlWriter.h"

#include "tests/musicxml/ScoreEdits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using host::musicxml::ImportedScore;
using host::musicxml::MusicXmlError;
using host::musicxml::ReadMusicXml;
using host::musicxml::WriteChanges;

// One staff, one measure, in the given key: the notes as given, each a
// quarter on its own, with the file's own spacing and comments.
std::string OneMeasure(int fifths, const std::string& notes) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- kept -->\r\n"
         "<score-partwise version=\"4.0\">\r\n  <part-list><score-part id=\"P1\"/></part-list>\r\n"
         "  <part id=\"P1\"><measure number=\"1\">\r\n"
         "    <attributes><divisions>1</divisions><key><fifths>" +
         std::to_string(fifths) + "</fifths></key></attributes>\r\n" + notes +
         "  </measure></part>\r\n</score-partwise>\r\n";
}

std::string PitchNote(const std::string& pitch) {
  return "    <note><pitch>" + pitch + "</pitch><duration>1</duration></note>\r\n";
}

TEST(MusicXmlWriterTest, WithoutChangesEveryCorpusScoreIsWrittenByteForByte) {
  for (const auto& file : std::filesystem::recursive_directory_iterator(QX_CORPUS_DIR)) {
    if (file.path().extension() != ".xml" && file.path().extension() != ".musicxml") continue;
    SCOPED_TRACE(file.path().string());
    ImportedScore score;
    host::musicxml::ReadMusicXmlFile(file.path().string(), score);
    const host::musicxml::WrittenScore written = WriteChanges(score, "out");
    EXPECT_EQ(written.text, score.text);
    EXPECT_TRUE(written.changes.empty());
  }
}

// Found by fuzzing: a <chord/> note after a rest made the entry's notes and
// the elements they came from disagree, so an unchanged score was refused.
TEST(MusicXmlWriterTest, OddChordsAreWrittenBackUnchanged) {
  for (const std::string& notes :
       {std::string("    <note><rest/><duration>1</duration></note>\r\n") +
            "    "
            "<note><chord/><pitch><step>C</step><octave>4</octave></pitch><duration>1</duration></note>\r\n",
        PitchNote("<step>C</step><octave>4</octave>") +
            "    <note><chord/><rest/><duration>1</duration></note>\r\n",
        std::string("    "
                    "<note><chord/><pitch><step>C</step><octave>4</octave></pitch><duration>1</duration></"
                    "note>\r\n")}) {
    const std::string input = OneMeasure(0, notes);
    ImportedScore score;
    ReadMusicXml(input, "in", score);
    const host::musicxml::WrittenScore written = WriteChanges(score, "in");
    EXPECT_EQ(written.text, input);
    EXPECT_TRUE(written.changes.empty());
  }
}

TEST(MusicXmlWriterTest, AChangedPitchRewritesOnlyItsWrittenStepAlterationAndOctave) {
  struct Case {
    int fifths;
    std::string pitch;       // as written in the file
    int displacementChange;  // applied to the host's note
    int raiseLowerChange;
    std::string writtenPitch;  // as the output must have it
    std::string summary;
  };
  const Case cases[] = {
      {1, "<step>B</step><alter>1</alter><octave>3</octave>", -7, 0,
       "<step>B</step><alter>1</alter><octave>2</octave>", "B#3 -> B#2"},
      {0, "<step>C</step><alter>-1</alter><octave>5</octave>", -7, 0,
       "<step>C</step><alter>-1</alter><octave>4</octave>", "Cb5 -> Cb4"},
      {-3, "<step>E</step><alter>-1</alter><octave>4</octave>", -7, 0,
       "<step>E</step><alter>-1</alter><octave>3</octave>", "Eb4 -> Eb3"},
      {0, "<step>C</step><octave>4</octave>", 1, 0, "<step>D</step><octave>4</octave>", "C4 -> D4"},
      {0, "<step>B</step><octave>3</octave>", 1, 0, "<step>C</step><octave>4</octave>", "B3 -> C4"},
      {0, "<step>F</step><octave>4</octave>", 0, 1, "<step>F</step><alter>1</alter><octave>4</octave>",
       "F4 -> F#4"},
      {2, "<step>F</step><alter>1</alter><octave>4</octave>", 0, -1,
       "<step>F</step><alter>0</alter><octave>4</octave>", "F#4 -> F4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.summary);
    const std::string input = OneMeasure(c.fifths, PitchNote(c.pitch));
    ImportedScore score;
    ReadMusicXml(input, "in", score);
    EXENTRY& entry = const_cast<EXENTRY&>(score.document.Entries(1, 1, 0)[0]);
    entry.notes[0].displacement =
        static_cast<std::int16_t>(entry.notes[0].displacement + c.displacementChange);
    entry.notes[0].raiseLower = static_cast<std::int16_t>(entry.notes[0].raiseLower + c.raiseLowerChange);
    const host::musicxml::WrittenScore written = WriteChanges(score, "in");
    EXPECT_EQ(written.text, OneMeasure(c.fifths, PitchNote(c.writtenPitch)));
    ASSERT_EQ(written.changes.size(), 1u);
    EXPECT_EQ(written.changes[0].before[0] + " -> " + written.changes[0].after[0], c.summary);
  }
}

TEST(MusicXmlWriterTest, ChangesItCannotWriteAreClearErrors) {
  const std::string input = OneMeasure(0, PitchNote("<step>C</step><octave>0</octave>") +
                                              "    <note><rest/><duration>1</duration></note>\r\n");
  struct Case {
    void (*change)(host::Document&);
    std::string message;
  };
  const Case cases[] = {
      {[](host::Document& d) { const_cast<EXENTRY&>(d.Entries(1, 1, 0)[0]).notes[0].displacement -= 7; },
       "a note moved to C-1, outside MusicXML's octaves 0 to 9 (measure 1, staff 1, layer 1)"},
      {[](host::Document& d) {
         EXENTRY extra{};
         d.AddEntry(1, 1, 1, extra);
       },
       "added an entry"},
      {[](host::Document& d) {
         const EXENTRY kept = d.Entries(1, 1, 0)[0];
         d.StoreFrame(1, 1, 0, &kept, 1, nullptr, 0);
       },
       "removed entries"},
  };
  for (const Case& c : cases) {
    ImportedScore score;
    ReadMusicXml(input, "in.musicxml", score);
    c.change(score.document);
    try {
      WriteChanges(score, "in.musicxml");
      ADD_FAILURE() << "no error for: " << c.message;
    } catch (const MusicXmlError& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
    }
  }
}

// A chord whose first note carries what belongs to it alone, and a rest.
const std::string kChordNotes[] = {
    "<note id=\"n1\"><pitch><step>C</step><octave>4</octave></pitch><duration>1</duration>"
    "<tie type=\"start\"/><voice>1</voice><type>quarter</type><accidental>natural</accidental>"
    "<notations><tied type=\"start\"/><fermata/></notations><lyric><text>la</text></lyric></note>",
    "<note><chord/><pitch><step>E</step><octave>4</octave></pitch><duration>1</duration>"
    "<voice>1</voice><type>quarter</type></note>",
    "<note><chord/><pitch><step>G</step><octave>4</octave></pitch><duration>1</duration>"
    "<voice>1</voice><type>quarter</type></note>",
};
const std::string kRest = "<note><rest/><duration>1</duration><voice>1</voice><type>quarter</type></note>";

std::string Lines(const std::vector<std::string>& notes) {
  std::string text;
  for (const std::string& note : notes) text += "    " + note + "\r\n";
  return text;
}

using qxtest::NewNote;
using qxtest::SetNotes;

TEST(MusicXmlWriterTest, NotesAddedRemovedOrTurnedIntoRestsRewriteOnlyTheirElements) {
  const std::string input = OneMeasure(0, Lines({kChordNotes[0], kChordNotes[1], kChordNotes[2], kRest}));
  const std::string copyOfFirst =
      "<note><chord/><pitch><step>B</step><octave>4</octave></pitch><duration>1</duration>"
      "<voice>1</voice><type>quarter</type></note>";
  struct Case {
    std::string summary;
    int entry;  // 0 the chord, 1 the rest
    std::vector<NewNote> notes;
    std::vector<std::string> output;  // the notes of the written measure
  };
  const Case cases[] = {
      {"a chord note removed", 0, {{1, 0, 0}, {3, 4, 0}}, {kChordNotes[0], kChordNotes[2], kRest}},
      {"the first note removed: the next one begins the chord",
       0,
       {{2, 2, 0}, {3, 4, 0}},
       {"<note><pitch><step>E</step><octave>4</octave></pitch><duration>1</duration>"
        "<voice>1</voice><type>quarter</type></note>",
        kChordNotes[2], kRest}},
      {"a note added: a copy of the first without what is its own",
       0,
       {{1, 0, 0}, {2, 2, 0}, {3, 4, 0}, {4, 6, 0}},
       {kChordNotes[0], kChordNotes[1], kChordNotes[2], copyOfFirst, kRest}},
      {"notes turned into a rest",
       0,
       {},
       {"<note id=\"n1\"><rest/><duration>1</duration><voice>1</voice><type>quarter</type>"
        "<notations><fermata/></notations><lyric><text>la</text></lyric></note>",
        kRest}},
      {"a rest turned into notes",
       1,
       {{1, 8, 0}, {2, 10, 0}},
       {kChordNotes[0], kChordNotes[1], kChordNotes[2],
        "<note><pitch><step>D</step><octave>5</octave></pitch><duration>1</duration><voice>1</voice>"
        "<type>quarter</type></note>",
        "<note><chord/><pitch><step>F</step><octave>5</octave></pitch><duration>1</duration><voice>1</voice>"
        "<type>quarter</type></note>"}},
      {"every note replaced: the first element takes the first new note",
       0,
       {{7, -2, 0}, {8, 3, 1}},
       {"<note id=\"n1\"><pitch><step>A</step><octave>3</octave></pitch><duration>1</duration>"
        "<tie type=\"start\"/><voice>1</voice><type>quarter</type><accidental>natural</accidental>"
        "<notations><tied type=\"start\"/><fermata/></notations><lyric><text>la</text></lyric></note>",
        "<note><chord/><pitch><step>F</step><alter>1</alter><octave>4</octave></pitch><duration>1</duration>"
        "<voice>1</voice><type>quarter</type></note>",
        kRest}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.summary);
    ImportedScore score;
    ReadMusicXml(input, "in", score);
    SetNotes(const_cast<EXENTRY&>(score.document.Entries(1, 1, 0)[static_cast<std::size_t>(c.entry)]),
             c.notes);
    const host::musicxml::WrittenScore written = WriteChanges(score, "in");
    EXPECT_EQ(written.text, OneMeasure(0, Lines(c.output)));
    ASSERT_EQ(written.changes.size(), 1u);
    // The file written reads back as the document the command left.
    ImportedScore reread;
    ReadMusicXml(written.text, "out", reread);
    const EXENTRY& entry = reread.document.Entries(1, 1, 0)[static_cast<std::size_t>(c.entry)];
    ASSERT_EQ(entry.noteCount, static_cast<int>(c.notes.size()));
    for (std::size_t i = 0; i < c.notes.size(); ++i) {
      EXPECT_EQ(host::musicxml::ScientificPitch(host::musicxml::ToWrittenPitch(
                    {entry.notes[i].displacement, entry.notes[i].raiseLower}, {})),
                written.changes[0].after[i]);
    }
  }
}

// Every corpus score with notes removed and added, notes turned into rests
// and rests into notes all over: what is written reads back as the document
// the changes left.
TEST(MusicXmlWriterTest, StructuralChangesOnEveryCorpusScoreReadBackAsTheDocument) {
  for (const auto& file : std::filesystem::recursive_directory_iterator(QX_CORPUS_DIR)) {
    if (file.path().extension() != ".xml" && file.path().extension() != ".musicxml") continue;
    SCOPED_TRACE(file.path().string());
    ImportedScore score;
    host::musicxml::ReadMusicXmlFile(file.path().string(), score);
    const int changed = qxtest::EditEntriesAllOver(score.document);
    host::musicxml::WrittenScore written;
    try {
      written = WriteChanges(score, "out");
    } catch (const MusicXmlError& error) {
      // Only a pitch beyond MusicXML's octaves may stop the writer here.
      EXPECT_NE(std::string(error.what()).find("outside MusicXML's octaves"), std::string::npos)
          << error.what();
      continue;
    }
    EXPECT_EQ(static_cast<int>(written.changes.size()), changed);
    ImportedScore reread;
    ReadMusicXml(written.text, "out", reread);
    EXPECT_EQ(qxtest::PitchesOf(reread), qxtest::PitchesOf(score));
    if (const char* dir = std::getenv("QX_WRITTEN_SCORES_DIR")) {  // kept for the schema check
      std::ofstream(std::filesystem::path(dir) / file.path().filename(), std::ios::binary) << written.text;
    }
  }
}

// Every corpus score with keys and barlines changed all over: what is
// written reads back with the changed records.
TEST(MusicXmlWriterTest, KeyAndBarlineChangesOnEveryCorpusScoreReadBackAsTheRecords) {
  for (const auto& file : std::filesystem::recursive_directory_iterator(QX_CORPUS_DIR)) {
    if (file.path().extension() != ".xml" && file.path().extension() != ".musicxml") continue;
    SCOPED_TRACE(file.path().string());
    ImportedScore score;
    host::musicxml::ReadMusicXmlFile(file.path().string(), score);
    if (qxtest::EditMeasuresAllOver(score.document.Records(), score.document.MeasureCount()) == 0) continue;
    const host::musicxml::WrittenScore written = WriteChanges(score, "out");
    ImportedScore reread;
    ReadMusicXml(written.text, "out", reread);
    EXPECT_EQ(qxtest::MeasureRecordsOf(reread), qxtest::MeasureRecordsOf(score));
  }
}

TEST(MusicXmlWriterTest, FilesAreWrittenWholeOrNotAtAll) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "qx-writer-test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "out.musicxml").string();
  host::musicxml::WriteFileAtomically(path, "first");
  host::musicxml::WriteFileAtomically(path, "second");
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "second");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()),
            1);
  EXPECT_THROW(host::musicxml::WriteFileAtomically((dir / "missing" / "out.musicxml").string(), "x"),
               MusicXmlError);
  std::filesystem::remove_all(dir);
}

}  // namespace
