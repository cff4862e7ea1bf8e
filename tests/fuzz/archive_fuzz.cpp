// Feeds arbitrary bytes to the archive reader: as generic tagged objects, and as each of
// the reference-data files. Whatever reads cleanly must write back to bytes that read and
// write again identically.

#include <cstdint>
#include <cstdlib>

#include "core/database/database.h"
#include "core/database/klima.h"
#include "core/modules/kostnad.h"
#include "support/testitems.h"

namespace {

using kelvora::CArchive;
using kelvora::CItem;
using kelvora::ClassRegistry;

std::string Written(CItem& item) {
  CArchive out;
  item.Serialize(out);
  return out.Data();
}

// Reads `bytes` into a fresh T; on success checks that writing is a fixed point.
template <class T>
void ReadAndRewrite(const std::string& bytes, const ClassRegistry& classes, T first, T second) {
  try {
    CArchive in(bytes, classes);
    first.Serialize(in);
  } catch (const kelvora::ArchiveException&) {
    return;
  }
  const std::string once = Written(first);
  CArchive again(once, classes);
  second.Serialize(again);
  if (Written(second) != once || again.Remaining() != 0) std::abort();
}

struct GenericList : CItem {
  void Serialize(CArchive& ar) override { ar.ExchangeList(list); }
  kelvora::ItemList<kelvora::CListItem> list;
};

void ReadEveryKindOfValue(const std::string& bytes) {
  try {
    CArchive in(bytes, kelvora::testing::TestClasses());
    auto object = in.ReadObject<CItem>();
    std::string text;
    float f = 0;
    double d = 0;
    in.Exchange(text, f, d);
    in.ReadReferenceName();
    in.ReadMarker("versjon4", text);
    in.ReadCount();
  } catch (const kelvora::ArchiveException&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  ReadEveryKindOfValue(bytes);
  ReadAndRewrite(bytes, kelvora::testing::TestClasses(), GenericList(), GenericList());
  ReadAndRewrite(bytes, kelvora::DatabaseClasses(), kelvora::CDataBase(""), kelvora::CDataBase(""));
  ReadAndRewrite(bytes, kelvora::UserDatabaseClasses(), kelvora::CEgendefDatabase(""),
                 kelvora::CEgendefDatabase(""));
  ReadAndRewrite(bytes, kelvora::ClimateClasses(), kelvora::CKlima(""), kelvora::CKlima(""));
  ReadAndRewrite(bytes, kelvora::CostClasses(), kelvora::CKostnad(""), kelvora::CKostnad(""));
  return 0;
}
