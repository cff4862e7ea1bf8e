#pragma once

// Small serializable classes that exercise the archive the way the program's records do:
// a flat record, a record that owns a nested list, and a class outside the list tree.

#include "core/framework/archive.h"

namespace kelvora::testing {

class TestRecord : public CListItem {
 public:
  const ClassInfo* RuntimeClass() const override { return &classInfo; }
  std::unique_ptr<CListItem> Clone() const override { return std::make_unique<TestRecord>(*this); }
  bool IsEqual(const CListItem& other) const override {
    const auto* o = dynamic_cast<const TestRecord*>(&other);
    return o && o->value == value && o->flag == flag;
  }
  void Serialize(CArchive& ar) override {
    CListItem::Serialize(ar);
    ar.Exchange(value, flag);
  }

  float value = 0;
  std::int32_t flag = 0;
  // Named as one of the program's record classes so that byte-level cases read naturally.
  static constexpr ClassInfo classInfo = MakeClassInfo<TestRecord>("CVeske");
};

class TestContainer : public CListItem {
 public:
  const ClassInfo* RuntimeClass() const override { return &classInfo; }
  void Serialize(CArchive& ar) override {
    CListItem::Serialize(ar);
    ar.ExchangeList(children);
  }

  ItemList<CListItem> children;
  static constexpr ClassInfo classInfo = MakeClassInfo<TestContainer>("CTestContainer");
};

class TestPlainItem : public CItem {
 public:
  const ClassInfo* RuntimeClass() const override { return &classInfo; }
  void Serialize(CArchive& ar) override { ar.Exchange(number); }

  std::int32_t number = 0;
  static constexpr ClassInfo classInfo = MakeClassInfo<TestPlainItem>("CTestPlainItem");
};

inline const ClassRegistry& TestClasses() {
  static const ClassRegistry registry = [] {
    ClassRegistry r;
    r.Add(TestRecord::classInfo);
    r.Add(TestContainer::classInfo);
    r.Add(TestPlainItem::classInfo);
    return r;
  }();
  return registry;
}

inline std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

}  // namespace kelvora::testing
