#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "drop2nds/Drop2nds.h"
#include "framework/Framework.h"
#include "support/TestFrame.h"

namespace {

// Every class answers its own name, except those that keep their base's.
TEST(ClassNameTest, EachClassAnswersItsNameOrItsNearestBasesWhereItDefinesNone) {
  qxtest::TestFrame frame;
  frame.Chord(0, {{1}});
  FCNoteEntry entry(frame.get(), 0, nullptr);
  FCNoteEntryCell cell(1, 1);
  __FCNoteEntryCollection entries;
  FCBrowserNoteEntries browser;
  FCDrop2ndHandler handler;
  FCIteratorHandler plain;
  FCMusicRegion region;
  FCCell oneCell(1, 1);
  FCCells cells;
  __FCCollection collection;
  const std::vector<std::pair<const __FCBase*, std::string>> cases = {
      {&entry, "FCNoteEntry"},       {entry.GetItemAt(0), "FCNote"},  {&cell, "FCNoteEntryCell"},
      {&entries, "__FCCollection"},  {&browser, "__FCBrowserBase"},   {&handler, "FCIteratorHandler"},
      {&plain, "FCIteratorHandler"}, {&region, "FCMusicRegion"},      {&oneCell, "FCCell"},
      {&cells, "FCCells"},           {&collection, "__FCCollection"},
  };
  for (const auto& [object, name] : cases) EXPECT_EQ(object->ClassName(), name);
  EXPECT_TRUE(handler.GetSaveFlag());
}

// The record classes, their collections and browsers.
TEST(ClassNameTest, RecordClassesAnswerTheirNames) {
  const QxULong v = quavix::kInterfaceVersion;
  FCMeasure measure(v);
  FCMeasures measures;
  FCMeasureNumberRegion region(v);
  FCMeasureNumberRegions regions;
  FCKeySignature key(v);
  FCString text;
  FCRawText raw(v);
  FCTextBlock block(v);
  FCClefDef clef(v);
  FCBrowserMeasures browser;
  const std::vector<std::pair<const __FCBase*, std::string>> cases = {
      {&measure, "FCMeasure"},
      {&measures, "FCMeasures"},
      {&region, "FCMeasureNumberRegion"},
      {&regions, "FCMeasureNumberRegions"},
      {&key, "FCKeySignature"},
      {&text, "FCString"},
      {&raw, "FCRawText"},
      {&block, "FCTextBlock"},
      {&clef, "FCClefDef"},
      {&browser, "FCBrowserMeasures"},
  };
  for (const auto& [object, name] : cases) EXPECT_EQ(object->ClassName(), name);
}

}  // namespace
