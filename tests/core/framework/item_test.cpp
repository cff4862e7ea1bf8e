#include "core/framework/item.h"

#include <gtest/gtest.h>

#include "support/testitems.h"

namespace kelvora {
namespace {

using testing::TestRecord;

// Refers to one record and records what it was told.
struct User : CItem {
  void ReplaceReference(CItem& replacement) override {
    told.push_back(&replacement);
    if (auto* r = dynamic_cast<TestRecord*>(&replacement)) record = r;
  }
  TestRecord* record = nullptr;
  std::vector<CItem*> told;
};

ItemList<TestRecord> Records(std::initializer_list<std::pair<const char*, float>> rows) {
  ItemList<TestRecord> list;
  for (const auto& [name, value] : rows) {
    auto r = std::make_unique<TestRecord>();
    r->name = name;
    r->value = value;
    list.push_back(std::move(r));
  }
  return list;
}

TEST(ItemUsers, AreRegisteredOnceAndRemovedByIdentity) {
  TestRecord record;
  User a, b;
  record.AddUser(a);
  record.AddUser(b);
  record.AddUser(a);
  EXPECT_EQ(record.Users(), (std::vector<CItem*>{&a, &b}));
  record.RemoveUser(a);
  record.RemoveUser(a);
  EXPECT_EQ(record.Users(), std::vector<CItem*>{&b});
}

TEST(ItemUsers, AreToldInOrderOfRegistration) {
  TestRecord record;
  record.NotifyUsers();  // nobody to tell
  User a, b;
  record.AddUser(b);
  record.AddUser(a);
  record.NotifyUsers();
  EXPECT_EQ(a.told, std::vector<CItem*>{&record});
  EXPECT_EQ(b.told, std::vector<CItem*>{&record});
}

TEST(ItemUsers, SetReferenceMovesTheRegistration) {
  TestRecord first, second;
  User user;
  SetReference(user, user.record, &first);
  SetReference(user, user.record, &second);
  EXPECT_FALSE(first.HasUsers());
  EXPECT_EQ(second.Users(), std::vector<CItem*>{&user});
  SetReference(user, user.record, static_cast<TestRecord*>(nullptr));
  EXPECT_FALSE(second.HasUsers());
}

TEST(ItemLists, CompareByElementInOrder) {
  EXPECT_TRUE(ListsEqual(ItemList<TestRecord>{}, ItemList<TestRecord>{}));
  EXPECT_TRUE(ListsEqual(Records({{"a", 1}, {"b", 2}}), Records({{"x", 1}, {"y", 2}})));
  EXPECT_FALSE(ListsEqual(Records({{"a", 1}, {"b", 2}}), Records({{"b", 2}, {"a", 1}})));
  EXPECT_FALSE(ListsEqual(Records({{"a", 1}}), Records({{"a", 1}, {"b", 2}})));
  // The base comparison is by name, exact and case-sensitive.
  CListItem plain, other;
  plain.name = "Vata";
  other.name = "vata";
  EXPECT_FALSE(plain.IsEqual(other));
}

TEST(ItemLists, FindByNameGivesTheFirstExactMatch) {
  const auto list = Records({{"Vata", 1}, {"vata", 2}, {"Vata", 3}});
  EXPECT_EQ(FindByName(list, "Vata"), 0u);
  EXPECT_EQ(FindByName(list, "vata"), 1u);
  EXPECT_EQ(FindByName(list, "Vata "), std::nullopt);
}

TEST(ItemLists, EditingACopyAndReplacingRepointsEveryUser) {
  auto stored = Records({{"a", 1}, {"b", 2}});
  User user;
  SetReference(user, user.record, stored[1].get());

  ItemList<TestRecord> copy;
  CopyList(copy, stored);
  ASSERT_EQ(copy.size(), 2u);
  EXPECT_NE(copy[1].get(), stored[1].get());
  EXPECT_EQ(copy[1]->Users(), std::vector<CItem*>{&user});
  copy[1]->value = 5;
  EXPECT_FALSE(ListsEqual(copy, stored));

  TestRecord* edited = copy[1].get();
  ReplaceList(stored, copy, true);
  EXPECT_TRUE(copy.empty());
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[1].get(), edited);
  EXPECT_EQ(user.record, edited);
  EXPECT_EQ(user.record->value, 5);
  EXPECT_EQ(user.told, std::vector<CItem*>{edited});
}

TEST(ItemLists, ReplaceWithoutNotifyTellsNobody) {
  auto stored = Records({{"a", 1}});
  User user;
  stored[0]->AddUser(user);
  auto copy = Records({{"a", 2}});
  ReplaceList(stored, copy, false);
  EXPECT_TRUE(user.told.empty());
  DeleteAll(stored);
  EXPECT_TRUE(stored.empty());
}

TEST(ItemModules, StartUncalculatedWithoutSymbol) {
  CQorModul module;
  SymbolInfo symbol;
  EXPECT_EQ(module.calculated, 0);
  EXPECT_EQ(module.GetSymbol(symbol), "");
  EXPECT_EQ(module.Edit(), 0);
}

}  // namespace
}  // namespace kelvora
