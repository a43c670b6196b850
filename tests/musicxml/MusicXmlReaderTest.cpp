#include "host/musicxml/MusicXmlReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using host::musicxml::ImportedScore;
using host::musicxml::MusicXmlError;
using host::musicxml::ReadMusicXml;

std::string Score(const std::string& parts, const std::string& partList = "<score-part id=\"P1\"/>") {
  return "<?xml version=\"1.0\"?>\n<score-partwise version=\"4.0\"><part-list>" + partList + "</part-list>" +
         parts + "</score-partwise>\n";
}

std::string Note(const std::string& pitch, int duration, const std::string& extra = "") {
  return "<note>" + extra.substr(0, extra.find('|')) + pitch + "<duration>" + std::to_string(duration) +
         "</duration>" + (extra.find('|') == std::string::npos ? "" : extra.substr(extra.find('|') + 1)) +
         "</note>";
}

std::string Pitch(char step, int octave, int alter = 0) {
  return std::string("<pitch><step>") + step + "</step>" +
         (alter != 0 ? "<alter>" + std::to_string(alter) + "</alter>" : "") + "<octave>" +
         std::to_string(octave) + "</octave></pitch>";
}

std::vector<short> Displacements(const EXENTRY& entry) {
  std::vector<short> result;
  for (int i = 0; i < entry.noteCount; ++i) result.push_back(entry.notes[i].displacement);
  return result;
}

TEST(MusicXmlReaderTest, ChordsRestsVoicesAndPositionsBecomeEntries) {
  // Two staves; divisions 2 per quarter. Staff 1 voice 1: a four-note chord
  // (half), a rest (quarter), a grace note before a quarter; voice 2 after a
  // backup, with a forward. Staff 2: one whole note.
  const std::string measure =
      "<measure number=\"1\"><attributes><divisions>2</divisions><key><fifths>0</fifths></key>"
      "<staves>2</staves></attributes>" +
      Note(Pitch('C', 4), 4, "|<voice>1</voice><staff>1</staff>") +
      Note(Pitch('E', 4), 4, "<chord/>|<voice>1</voice><staff>1</staff>") +
      Note(Pitch('G', 4), 4, "<chord/>|<voice>1</voice><staff>1</staff>") +
      Note(Pitch('C', 5), 4, "<chord/>|<tie type=\"start\"/><voice>1</voice><staff>1</staff>") +
      Note("<rest/>", 2, "|<voice>1</voice><staff>1</staff>") + "<note><grace/>" + Pitch('D', 5) +
      "<voice>1</voice><staff>1</staff></note>" +
      Note(Pitch('C', 5), 2, "|<voice>1</voice><accidental>natural</accidental><staff>1</staff>") +
      "<backup><duration>8</duration></backup><forward><duration>4</duration></forward>" +
      Note(Pitch('A', 3), 4, "|<voice>2</voice><staff>1</staff>") +
      "<backup><duration>8</duration></backup>" +
      Note(Pitch('C', 3), 8, "|<voice>5</voice><staff>2</staff>") + "</measure>";
  ImportedScore score;
  ReadMusicXml(Score("<part id=\"P1\">" + measure + "</part>"), "test.musicxml", score);
  const host::Document& doc = score.document;
  ASSERT_EQ(doc.StaffCount(), 2);
  ASSERT_EQ(doc.MeasureCount(), 1);
  const auto& voice1 = doc.Entries(1, 1, 0);
  ASSERT_EQ(voice1.size(), 4u);
  EXPECT_EQ(Displacements(voice1[0]), (std::vector<short>{0, 2, 4, 7}));
  EXPECT_EQ(voice1[0].position, 0);
  EXPECT_EQ(voice1[0].duration, 2048);
  EXPECT_EQ(voice1[0].flags, quavix::entryflag::kNoteEntry);
  EXPECT_EQ(voice1[0].notes[3].flags, quavix::NoteIdBits(4) | quavix::noteflag::kTie);
  EXPECT_EQ(voice1[1].noteCount, 0);  // the rest
  EXPECT_EQ(voice1[1].position, 2048);
  EXPECT_EQ(Displacements(voice1[2]), (std::vector<short>{8}));  // the grace note, at the next note's onset
  EXPECT_EQ(voice1[2].position, 3072);
  EXPECT_EQ(voice1[2].duration, 0);
  EXPECT_EQ(voice1[3].position, 3072);
  EXPECT_EQ(voice1[3].notes[0].flags & quavix::noteflag::kAccidental, quavix::noteflag::kAccidental);
  const auto& voice2 = doc.Entries(1, 1, 1);
  ASSERT_EQ(voice2.size(), 1u);
  EXPECT_EQ(voice2[0].position, 2048);  // after the forward
  EXPECT_EQ(Displacements(voice2[0]), (std::vector<short>{-2}));
  ASSERT_EQ(doc.Entries(2, 1, 0).size(), 1u);  // voice 5 is staff 2's first voice
  EXPECT_EQ(Displacements(doc.Entries(2, 1, 0)[0]), (std::vector<short>{-7}));
  // Every entry knows the elements its notes came from.
  EXPECT_EQ(score.OriginOf(std::uint32_t{voice1[0].entryNumber})->notes.size(), 4u);
  EXPECT_TRUE(score.OriginOf(std::uint32_t{voice1[1].entryNumber})->notes.empty());
}

TEST(MusicXmlReaderTest, PitchesAreReadInTheKeyInForceOnTheirStaff) {
  const std::string part =
      "<part id=\"P1\"><measure><attributes><divisions>1</divisions><key "
      "number=\"1\"><fifths>1</fifths></key>"
      "<key number=\"2\"><fifths>-3</fifths></key><staves>2</staves></attributes>" +
      Note(Pitch('F', 5, 1), 4, "|<staff>1</staff>") + Note(Pitch('E', 4, -1), 4, "|<staff>2</staff>") +
      "</measure><measure><attributes><key><fifths>2</fifths></key></attributes>" +
      Note(Pitch('D', 4), 4, "|<staff>1</staff>") + Note(Pitch('D', 4), 4, "|<staff>2</staff>") +
      "</measure></part>";
  ImportedScore score;
  ReadMusicXml(Score(part), "keys.musicxml", score);
  const auto& doc = score.document;
  EXPECT_EQ(doc.Entries(1, 1, 0)[0].notes[0].displacement, 6);  // F#5 in G: the seventh step
  EXPECT_EQ(doc.Entries(1, 1, 0)[0].notes[0].raiseLower, 0);
  EXPECT_EQ(doc.Entries(2, 1, 0)[0].notes[0].displacement, 0);  // Eb4 in Eb
  EXPECT_EQ(doc.Entries(1, 2, 0)[0].notes[0].displacement, 0);  // D4 in D, on both staves
  EXPECT_EQ(doc.Entries(2, 2, 0)[0].notes[0].displacement, 0);
}

TEST(MusicXmlReaderTest, ScoresItCannotReadAreClearErrors) {
  const std::string fiveVoices = [] {
    std::string notes;
    for (int v = 1; v <= 5; ++v) {
      notes += Note(Pitch('C', 4), 4, "|<voice>" + std::to_string(v) + "</voice>");
      if (v < 5) notes += "<backup><duration>4</duration></backup>";
    }
    return notes;
  }();
  struct Case {
    std::string text;
    std::string message;
  };
  const Case cases[] = {
      {"<score-partwise><part id=\"P1\"><measure>\n<note>\n</part>", "bad.musicxml: malformed XML at line 3"},
      {"<score-timewise/>", "timewise MusicXML is not supported"},
      {"<html/>", "not a MusicXML score (the root element is <html>)"},
      {Score(""), "the score has no parts"},
      {Score("<part id=\"P1\"><measure/><measure/></part><part id=\"P2\"><measure/></part>"),
       "parts with different numbers of measures (part P1 has 2, part P2 has 1)"},
      {Score("<part id=\"P1\"><measure number=\"1\"><attributes><divisions>1</divisions></attributes>" +
             fiveVoices + "</measure></part>"),
       "more than four voices on one staff: voice 5 (part P1, measure 1, staff 1)"},
      // Found by fuzzing: values no score means, that overflowed the arithmetic.
      {Score("<part id=\"P1\"><measure>" + Note(Pitch('C', 2147483647), 1) + "</measure></part>"),
       "an octave outside 0 to 9 (part P1, measure 1, staff 1)"},
      {Score("<part id=\"P1\"><measure>" + Note(Pitch('C', 4, 100), 1) + "</measure></part>"),
       "an alteration beyond 12 semitones"},
      {Score("<part id=\"P1\"><measure><attributes><key><fifths>-2147483648</fifths></key></attributes>"
             "</measure></part>"),
       "a key of more than 128 flats or 127 sharps (part P1, measure 1)"},
      {Score("<part id=\"P1\"><measure>" + Note(Pitch('C', 4), 1, "|<staff>3</staff>") + "</measure></part>"),
       "a note on staff 3 of a part with 1 staves"},
      // Found by fuzzing the writer: notes it could not rewrite faithfully.
      {Score("<part id=\"P1\"><measure><note><pitch><step>C</step><octave>4</octave></pitch><rest/>"
             "<duration>1</duration></note></measure></part>"),
       "a note with more than one pitch, unpitched or rest (part P1, measure 1, staff 1)"},
      {Score("<part id=\"P1\"><measure><note><duration>1</duration></note></measure></part>"),
       "a note with neither pitch, unpitched nor rest"},
      {Score("<part id=\"P1\"><measure><note><pitch><step>C</step></pitch><duration>1</duration></note>"
             "</measure></part>"),
       "a pitch without a step or an octave"},
      {Score(
           "<part id=\"P1\"><measure><attributes><staves>99999999999</staves></attributes></measure></part>"),
       "part P1 has 99999999999 staves"},
  };
  for (const Case& c : cases) {
    ImportedScore score;
    try {
      ReadMusicXml(c.text, "bad.musicxml", score);
      ADD_FAILURE() << "no error for: " << c.message;
    } catch (const MusicXmlError& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
    }
  }
  ImportedScore score;
  EXPECT_THROW(host::musicxml::ReadMusicXmlFile("/no/such/file.musicxml", score), MusicXmlError);
}

// Real scores written by others: every one reads, with entries in it.
TEST(MusicXmlReaderTest, EveryCorpusScoreReads) {
  const std::filesystem::path corpus = QX_CORPUS_DIR;
  ASSERT_TRUE(std::filesystem::is_directory(corpus)) << corpus;
  int files = 0;
  for (const auto& file : std::filesystem::recursive_directory_iterator(corpus)) {
    if (file.path().extension() != ".xml" && file.path().extension() != ".musicxml") continue;
    SCOPED_TRACE(file.path().string());
    ImportedScore score;
    EXPECT_NO_THROW(host::musicxml::ReadMusicXmlFile(file.path().string(), score));
    EXPECT_GT(score.document.EntryCount(), 0u);
    ++files;
  }
  EXPECT_GE(files, 50);
}

// Our own example: close-position chords over a bass, a second voice on the
// lower staff, a key change.
TEST(MusicXmlReaderTest, TheExampleChoraleReads) {
  ImportedScore score;
  host::musicxml::ReadMusicXmlFile(QX_EXAMPLES_DIR "/scores/chorale.musicxml", score);
  const host::Document& doc = score.document;
  ASSERT_EQ(doc.StaffCount(), 2);
  ASSERT_EQ(doc.MeasureCount(), 16);
  int fourNoteChords = 0, lowerStaffSecondVoice = 0;
  for (int measure = 1; measure <= 16; ++measure) {
    for (const EXENTRY& entry : doc.Entries(1, measure, 0)) fourNoteChords += entry.noteCount == 4 ? 1 : 0;
    lowerStaffSecondVoice += static_cast<int>(doc.Entries(2, measure, 1).size());
  }
  EXPECT_EQ(fourNoteChords, 40);
  EXPECT_GT(lowerStaffSecondVoice, 0);
  // The key changes to D major in measure 9: D4 there is the tonic.
  EXPECT_EQ(score.OriginOf(std::uint32_t{doc.Entries(1, 9, 0)[0].entryNumber})->key.fifths, 2);
}

}  // namespace
