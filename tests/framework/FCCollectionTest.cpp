#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/collections/FCCollection.h"

namespace {

// An element that reports its destruction.
struct Item : __FCBase {
  Item(int v, std::vector<int>* destroyed = nullptr) : value(v), log(destroyed) {}
  ~Item() override {
    if (log) log->push_back(value);
  }
  int value;
  std::vector<int>* log;
};

int ValueOf(__FCBase* element) { return static_cast<Item*>(element)->value; }

std::vector<int> Values(const __FCCollection& c) {
  std::vector<int> values;
  for (int i = 0; i < c.GetCount(); ++i) values.push_back(c.GetItemAt(i) ? ValueOf(c.GetItemAt(i)) : -1);
  return values;
}

// A handler recording what it is offered; Iterate answers false for one value.
struct Recorder : FCIteratorHandler {
  int stopAt = -1000;
  std::vector<int> seen;
  std::vector<int> indexes;
  std::vector<std::string> comparisons;
  bool Iterate(__FCBase* e) override {
    seen.push_back(ValueOf(e));
    return ValueOf(e) != stopAt;
  }
  bool IterateIndex(__FCBase* e, int index) override {
    indexes.push_back(index);
    return Iterate(e);
  }
  bool Match(__FCBase* e) override { return ValueOf(e) == stopAt; }
  int Compare(__FCBase* a, __FCBase* b) override {
    comparisons.push_back(std::to_string(ValueOf(a)) + ":" + std::to_string(ValueOf(b)));
    return ValueOf(a) / 10 - ValueOf(b) / 10;  // compares the tens only
  }
};

TEST(FCCollectionTest, GrowsInStepsOfTenAndKeepsSlotsPastTheCountEmpty) {
  __FCCollection c;
  std::vector<int> capacities;
  for (int i = 0; i < 25; ++i) {
    c.Add(new Item(i));
    if (capacities.empty() || capacities.back() != c._GetCapacity()) capacities.push_back(c._GetCapacity());
  }
  EXPECT_EQ(capacities, (std::vector<int>{10, 20, 30}));
  EXPECT_EQ(c.GetCount(), 25);
  EXPECT_EQ(c.GetItemAt(25), nullptr);
  EXPECT_EQ(c.GetItemAt(-1), nullptr);
  c._RequireElement(5);  // exactly fits
  EXPECT_EQ(c._GetCapacity(), 30);
  c._RequireElement(6);  // need 31
  EXPECT_EQ(c._GetCapacity(), 40);
  c._RequireElement(0);
  c._RequireElement(-4);
  EXPECT_EQ(c._GetCapacity(), 40);
}

TEST(FCCollectionTest, OwnsItsElementsAndGivesUpThoseItRemoves) {
  std::vector<int> destroyed;
  auto* kept = new Item(2, &destroyed);
  {
    __FCCollection c;
    c.Add(new Item(1, &destroyed));
    c.Add(kept);
    c.Add(new Item(3, &destroyed));
    c.Add(kept);  // the same reference twice
    EXPECT_EQ(c.GetIndexOf(kept), 1);
    EXPECT_EQ(c.GetIndexOf(nullptr), -1);
    EXPECT_TRUE(c.ElementExists(kept));
    EXPECT_FALSE(c.DeleteItemAt(-1));
    EXPECT_FALSE(c.DeleteItemAt(4));
    EXPECT_TRUE(c.DeleteItemAt(3));  // the last: nothing moves
    EXPECT_EQ(Values(c), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(c.DeleteItemAt(1));
    EXPECT_EQ(Values(c), (std::vector<int>{1, 3}));
    EXPECT_FALSE(c.ElementExists(kept));
  }
  EXPECT_EQ(destroyed, (std::vector<int>{1, 3}));  // the removed element survives
  delete kept;
}

TEST(FCCollectionTest, WalksSkipNullElementsAndStopAtTheFirstFalse) {
  __FCCollection c;
  c.Add(new Item(1));
  c.Add(nullptr);
  c.Add(new Item(2));
  c.Add(new Item(3));
  struct Case {
    int stopAt;
    std::vector<int> seen;
    int result;
  };
  for (const Case& k : {Case{-1000, {1, 2, 3}, 3}, Case{1, {1}, 0}, Case{3, {1, 2, 3}, 2}}) {
    Recorder r;
    r.stopAt = k.stopAt;
    EXPECT_EQ(c.ForEach(&r), k.result);
    EXPECT_EQ(r.seen, k.seen);
  }
  Recorder indexed;
  EXPECT_EQ(c.ForEachIndex(&indexed), 3);
  EXPECT_EQ(indexed.indexes, (std::vector<int>{0, 2, 3}));

  Recorder fromTwo;
  EXPECT_EQ(c.ToEndFrom(2, &fromTwo), 2);
  EXPECT_EQ(fromTwo.seen, (std::vector<int>{2, 3}));
  Recorder pastEnd;
  EXPECT_EQ(c.ToEndFrom(4, &pastEnd), 0);
  EXPECT_TRUE(pastEnd.seen.empty());

  Recorder find;
  find.stopAt = 2;
  EXPECT_EQ(c.FindFirst(&find), c.GetItemAt(2));
  find.stopAt = 9;
  EXPECT_EQ(c.FindFirst(&find), nullptr);
}

TEST(FCCollectionTest, SortIsAnExchangeSortThatIsNotStable) {
  {
    __FCCollection c;
    for (int v : {30, 10, 20}) c.Add(new Item(v));
    Recorder r;
    c.Sort(&r);
    EXPECT_EQ(Values(c), (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(r.comparisons, (std::vector<std::string>{"30:10", "10:20", "30:20"}));
  }
  {
    // 11 and 12 compare equal (same tens), 5 is smaller.
    __FCCollection c;
    for (int v : {11, 12, 5}) c.Add(new Item(v));
    Recorder r;
    c.Sort(&r);
    EXPECT_EQ(Values(c), (std::vector<int>{5, 12, 11}));
  }
  {
    __FCCollection c;
    c.Add(new Item(20));
    c.Add(nullptr);
    c.Add(new Item(10));
    Recorder r;
    c.Sort(&r);
    EXPECT_EQ(Values(c), (std::vector<int>{10, -1, 20}));
    EXPECT_EQ(r.comparisons.size(), 1u);  // pairs with the null element are skipped
  }
  {
    __FCCollection c;
    for (int v : {30, 10, 20}) c.Add(new Item(v));
    FCIteratorHandler defaults;  // Compare is always 0: nothing moves
    c.Sort(&defaults);
    EXPECT_EQ(Values(c), (std::vector<int>{30, 10, 20}));
  }
}

TEST(FCCollectionTest, FreeElementsKeepsTheCountAndDefaultsOfTheHandler) {
  std::vector<int> destroyed;
  __FCCollection c;
  c.Add(new Item(1, &destroyed));
  c.Add(new Item(2, &destroyed));
  c._FreeElements();
  EXPECT_EQ(destroyed, (std::vector<int>{1, 2}));
  EXPECT_EQ(c.GetCount(), 2);
  EXPECT_EQ(c.GetItemAt(0), nullptr);

  FCIteratorHandler h;
  EXPECT_STREQ(h.ClassName(), "FCIteratorHandler");
  EXPECT_FALSE(h.GetSaveFlag());
  EXPECT_TRUE(h.Iterate(nullptr));
  EXPECT_FALSE(h.Match(nullptr));
  EXPECT_TRUE(h.PreProcess());
  EXPECT_TRUE(h.PreProcessIfExist());
}

}  // namespace
