#include "host/musicxml/ScoreRecords.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "host/musicxml/MusicXmlReader.h"
#include "host/musicxml/MusicXmlWriter.h"
#include "interface/MeasureRecords.h"

namespace {

using host::NumberedKey;
using host::musicxml::ImportedScore;

std::int16_t Field16(const std::string& body, std::size_t offset) {
  return static_cast<std::int16_t>(static_cast<unsigned char>(body[offset]) |
                                   (static_cast<unsigned char>(body[offset + 1]) << 8));
}

// Two parts: a named part in B flat with a bass clef from measure 2 and a
// key change to D minor there, and an unnamed part; barlines on measure 2.
const char* const kScore = R"(<?xml version="1.0"?>
<score-partwise version="4.0">
  <part-list>
    <score-part id="P1"><part-name>Clarinet in B&#x266D;</part-name></score-part>
    <score-part id="P2"><part-name></part-name></score-part>
  </part-list>
  <part id="P1">
    <measure number="0">
      <attributes><divisions>1</divisions><key><fifths>2</fifths></key>
        <transpose><diatonic>-1</diatonic><chromatic>-2</chromatic></transpose></attributes>
      <note><pitch><step>C</step><octave>4</octave></pitch><duration>4</duration></note>
    </measure>
    <measure number="1">
      <barline location="left"><bar-style>heavy-light</bar-style></barline>
      <attributes><key><fifths>-1</fifths><mode>minor</mode></key><clef><sign>F</sign><line>4</line></clef></attributes>
      <note><pitch><step>C</step><octave>3</octave></pitch><duration>4</duration></note>
      <barline><bar-style>light-heavy</bar-style></barline>
    </measure>
  </part>
  <part id="P2">
    <measure number="0"><note><rest/><duration>4</duration></note></measure>
    <measure number="1">
      <attributes><clef><sign>G</sign><line>2</line><clef-octave-change>-1</clef-octave-change></clef></attributes>
      <note><pitch><step>C</step><octave>4</octave></pitch><duration>4</duration></note>
    </measure>
  </part>
</score-partwise>
)";

TEST(ScoreRecordsTest, AnImportedScoreHasItsMeasuresStavesNamesAndClefsAsRecords) {
  ImportedScore score;
  host::musicxml::ReadMusicXml(kScore, "records.musicxml", score);
  const host::RecordStore& store = score.document.Records();
  auto record = [&](std::uint32_t tag, std::uint16_t item) {
    const std::string* body = store.Find(tag, NumberedKey(item));
    EXPECT_NE(body, nullptr) << tag << " " << item;
    return body != nullptr ? *body : std::string();
  };

  const std::string first = record(quavix::kMeasureTag, 1), second = record(quavix::kMeasureTag, 2);
  ASSERT_EQ(first.size(), sizeof(EDTMeasure));
  EXPECT_EQ(Field16(first, 2), 0x0002) << "two sharps, major";
  EXPECT_EQ(Field16(second, 2), 0x01FF) << "one flat, minor: the key in force when the measure begins";
  EXPECT_EQ((Field16(second, 10) >> 4) & 0xF, 2) << "right barline light-heavy";
  EXPECT_EQ((Field16(second, 16) >> 4) & 0xF, 3) << "left barline heavy-light";
  EXPECT_EQ(store.Count(quavix::kMeasureTag), 2u);

  const std::string region = record(quavix::kMeasureNumberRegionTag, 1);
  ASSERT_EQ(region.size(), sizeof(EDTMeasureNumberRegion));
  EXPECT_EQ(Field16(region, 132), 1);
  EXPECT_EQ(Field16(region, 134), 3) << "the measure after the last";
  EXPECT_EQ(Field16(region, 140), -1) << "numbered from 0, the first measure's number";

  const std::string clarinet = record(host::musicxml::kStaffTag, 1),
                    other = record(host::musicxml::kStaffTag, 2);
  ASSERT_EQ(clarinet.size(), 114u);
  EXPECT_EQ(static_cast<std::uint16_t>(Field16(clarinet, 20)), 0x2000 | 0x00FF | 0x0F00)
      << "one step down, lowered by one";
  EXPECT_EQ(Field16(other, 20), 0);
  EXPECT_EQ(Field16(other, 30), 0) << "no name, no text block";
  const std::string block =
      record(host::musicxml::kTextBlockTag, static_cast<std::uint16_t>(Field16(clarinet, 30)));
  const std::string text = record(host::musicxml::kRawTextTag, static_cast<std::uint16_t>(Field16(block, 0)));
  EXPECT_EQ(text, std::string("Clarinet in B\xE2\x99\xAD") + '\0') << "the name's bytes with a NUL";

  // Clefs: treble (0), bass (1), treble an octave down (2).
  EXPECT_EQ(store.Count(host::musicxml::kClefDefTag), 3u);
  EXPECT_EQ(Field16(record(host::musicxml::kClefDefTag, 0), 0), 6) << "B4, six steps above C4";
  EXPECT_EQ(Field16(record(host::musicxml::kClefDefTag, 1), 0), -6) << "D3";
  EXPECT_EQ(Field16(record(host::musicxml::kClefDefTag, 2), 0), -1) << "B3";
  EXPECT_EQ(score.document.Entries(1, 1, 0)[0].clef, 0);
  EXPECT_EQ(score.document.Entries(1, 2, 0)[0].clef, 1);
  EXPECT_EQ(score.document.Entries(2, 2, 0)[0].clef, 2);
}

TEST(ScoreRecordsTest, TranspositionWordsAndBarlineCodes) {
  struct Case {
    int diatonic, chromatic;
    int interval, alteration;  // as the word's fields read
  };
  const Case cases[] = {{0, 0, 0, 0},     {-1, -2, -1, -1}, {-5, -9, -5, -1},
                        {-7, -12, -7, 0}, {1, 2, 1, 0},     {-8, -14, -8, -1}};
  for (const Case& c : cases) {
    const std::uint16_t word = host::musicxml::TranspositionWord(c.diatonic, c.chromatic);
    if (c.diatonic == 0 && c.chromatic == 0) {
      EXPECT_EQ(word, 0);
      continue;
    }
    EXPECT_NE(word & 0x2000, 0);
    EXPECT_EQ(static_cast<std::int8_t>(word & 0xFF), c.interval) << c.diatonic;
    EXPECT_EQ(static_cast<std::int8_t>(((word >> 8) & 0x0F) << 4) >> 4, c.alteration) << c.diatonic;
  }
  EXPECT_EQ(host::musicxml::BarlineCode("light-light"), 1);
  EXPECT_EQ(host::musicxml::BarlineCode("none"), 6);
  EXPECT_EQ(host::musicxml::BarlineCode("tick"), 0);
}

}  // namespace

namespace {

// Sets a 16-bit field of a stored record.
void Set16(host::RecordStore& store, std::uint32_t tag, std::uint16_t item, std::size_t offset, int value) {
  std::string body = *store.Find(tag, NumberedKey(item));
  body[offset] = static_cast<char>(value & 0xFF);
  body[offset + 1] = static_cast<char>((value >> 8) & 0xFF);
  store.Put(tag, NumberedKey(item), body);
}

TEST(ScoreRecordsTest, ChangedBarlinesAndNamesAreWrittenBackAndReadAgain) {
  ImportedScore score;
  host::musicxml::ReadMusicXml(kScore, "records.musicxml", score);
  host::RecordStore& store = score.document.Records();
  Set16(store, quavix::kMeasureTag, 2, 10, 0);       // right barline of measure 2: regular
  Set16(store, quavix::kMeasureTag, 1, 16, 1 << 4);  // left barline of measure 1: light-light
  const std::string block = *store.Find(host::musicxml::kTextBlockTag, NumberedKey(1));
  store.Put(host::musicxml::kRawTextTag, NumberedKey(static_cast<std::uint16_t>(Field16(block, 0))),
            std::string("Flute & <Piccolo>") + '\0');
  const host::musicxml::WrittenScore written = host::musicxml::WriteChanges(score, "records.musicxml");
  EXPECT_EQ(
      written.recordChanges,
      (std::vector<std::string>{"measure 1: left barline regular -> light-light",
                                "measure 2: right barline light-heavy -> regular",
                                "staff 1: name \"Clarinet in B\xE2\x99\xAD\" -> \"Flute & <Piccolo>\""}));
  EXPECT_NE(written.text.find("<part-name>Flute &amp; &lt;Piccolo&gt;</part-name>"), std::string::npos);
  EXPECT_NE(written.text.find("<barline><bar-style>regular</bar-style></barline>"), std::string::npos);

  ImportedScore reread;
  host::musicxml::ReadMusicXml(written.text, "out", reread);
  const host::RecordStore& again = reread.document.Records();
  for (std::uint16_t m : {1, 2}) {
    EXPECT_EQ(*again.Find(quavix::kMeasureTag, NumberedKey(m)),
              *store.Find(quavix::kMeasureTag, NumberedKey(m)))
        << "measure " << m;
  }
  EXPECT_EQ(*again.Find(host::musicxml::kRawTextTag, NumberedKey(1)),
            std::string("Flute & <Piccolo>") + '\0');
  // The new left barline went into both parts.
  EXPECT_EQ(reread.measures[0].parts.size(), 2u);
  for (const host::musicxml::PartMeasure& part : reread.measures[0].parts) {
    EXPECT_STREQ(part.element.child("barline").child_value("bar-style"), "light-light");
  }
}

// A changed key moves every part by as many fifths, in that measure only:
// the measure after it gets its old key back where the file would carry the
// new one on. The notes keep their steps from the tonic, as the host's do.
TEST(ScoreRecordsTest, AChangedKeyIsWrittenIntoEveryPartForItsMeasureOnly) {
  ImportedScore score;
  host::musicxml::ReadMusicXml(kScore, "records.musicxml", score);
  Set16(score.document.Records(), quavix::kMeasureTag, 1, 2, 0x0003);  // D major -> A major
  const host::musicxml::WrittenScore written = host::musicxml::WriteChanges(score, "records.musicxml");
  EXPECT_EQ(written.recordChanges,
            std::vector<std::string>{"measure 1: key 2 sharps major -> 3 sharps major"});
  ASSERT_EQ(written.changes.size(), 1u);
  EXPECT_EQ(written.changes[0].before, std::vector<std::string>{"C4"});
  EXPECT_EQ(written.changes[0].after, std::vector<std::string>{"G4"}) << "a step below the tonic, natural";

  ImportedScore reread;
  host::musicxml::ReadMusicXml(written.text, "out", reread);
  struct Expected {
    int measure, part, fifths;
    bool minor;
  };
  for (const Expected e : {Expected{1, 0, 3, false}, Expected{1, 1, 1, false}, Expected{2, 0, -1, true},
                           Expected{2, 1, 0, false}}) {
    const host::musicxml::Key key = reread.measures[static_cast<std::size_t>(e.measure - 1)]
                                        .parts[static_cast<std::size_t>(e.part)]
                                        .startKey;
    EXPECT_EQ(key.fifths, e.fifths) << "measure " << e.measure << ", part " << e.part + 1;
    EXPECT_EQ(key.minor, e.minor) << "measure " << e.measure << ", part " << e.part + 1;
  }
  // Written again, nothing more changes: the records now agree with the file.
  EXPECT_EQ(*reread.document.Records().Find(quavix::kMeasureTag, NumberedKey(1)),
            *score.document.Records().Find(quavix::kMeasureTag, NumberedKey(1)));
  EXPECT_EQ(host::musicxml::WriteChanges(reread, "out").text, written.text);
}

// Found by fuzzing: an element of the same name nested inside a measure
// was taken for its end, and a ">" in an attribute value for the end of a
// start tag.
TEST(ScoreRecordsTest, ElementsAreFoundWholeWhateverTheyHoldInside) {
  const std::string input =
      "<score-partwise><part-list><score-part id=\"P1\"><part-name>P</part-name></score-part></part-list>"
      "<part id=\"P1\"><measure number=\"1\" text=\"a>b\"><measure number=\"x\"></measure>"
      "<note><pitch><step>C</step><octave>4</octave></pitch><duration>1</duration></note></measure></part>"
      "</score-partwise>";
  ImportedScore score;
  host::musicxml::ReadMusicXml(input, "odd.musicxml", score);
  Set16(score.document.Records(), quavix::kMeasureTag, 1, 10, 2 << 4);
  Set16(score.document.Records(), quavix::kMeasureTag, 1, 2, 0x0001);
  const host::musicxml::WrittenScore written = host::musicxml::WriteChanges(score, "odd.musicxml");
  EXPECT_NE(written.text.find("<measure number=\"1\" text=\"a>b\"><attributes><key><fifths>1</fifths></key>"
                              "</attributes><measure number=\"x\"></measure>"),
            std::string::npos)
      << written.text;
  EXPECT_NE(
      written.text.find("</note><barline location=\"right\"><bar-style>light-heavy</bar-style></barline>"
                        "</measure></part>"),
      std::string::npos)
      << written.text;
}

TEST(ScoreRecordsTest, RecordChangesMusicXmlCannotTakeAreClearErrors) {
  struct Case {
    void (*change)(host::RecordStore&);
    std::string message;
  };
  const Case cases[] = {
      {[](host::RecordStore& store) { Set16(store, quavix::kMeasureTag, 1, 2, 0x0200); },
       "the command gave measure 1 a non-standard key (512)"},
      {[](host::RecordStore& store) { store.Erase(quavix::kMeasureTag, NumberedKey(2)); },
       "the command removed the record of measure 2"},
      {[](host::RecordStore& store) { Set16(store, quavix::kMeasureTag, 1, 10, 9 << 4); },
       "unknown barline code 9"},
      {[](host::RecordStore& store) { store.Put(host::musicxml::kRawTextTag, NumberedKey(1), "bad\x01"); },
       "a name that is not UTF-8 text"},
  };
  for (const Case& c : cases) {
    ImportedScore score;
    host::musicxml::ReadMusicXml(kScore, "records.musicxml", score);
    c.change(score.document.Records());
    try {
      host::musicxml::WriteChanges(score, "records.musicxml");
      ADD_FAILURE() << "no error for: " << c.message;
    } catch (const host::musicxml::MusicXmlError& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
    }
  }
}

}  // namespace
