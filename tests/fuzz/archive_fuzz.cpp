// Feeds arbitrary bytes to the archive reader: as generic tagged objects, as each of the
// reference-data files and as a document. Whatever reads cleanly must write back to bytes
// that read and write again identically.

#include <cstdint>
#include <cstdlib>

#include "core/database/database.h"
#include "core/database/klima.h"
#include "core/database/kostnad.h"
#include "core/document/document.h"
#include "support/testdocument.h"
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

// Answers every question without keeping anything, so millions of runs stay small.
struct SilentPlatform : kelvora::Messages, kelvora::MissingEntryChooser {
  void Show(std::string_view) override {}
  bool AskOkCancel(std::string_view) override { return false; }
  bool AskYesNo(std::string_view) override { return false; }
  std::optional<std::size_t> Choose(kelvora::MissingEntrySource, std::string_view,
                                    const std::vector<std::string>& names) override {
    return names.size() - 1;
  }
};

// Two documents over a small database, made once: one reads the input, the other reads
// what the first writes back.
struct Documents {
  Documents() {
    kelvora::testing::WriteSmallDatabase(dir / "kelvora.dat", platform);
    settings.SetString("Files", "Database File", (dir / "kelvora.dat").string());
    for (const char* key : {"User Database File", "Climate File", "Cost File"}) {
      settings.SetString("Files", key, (dir / "none").string());
    }
  }
  kelvora::CQorDoc Make() { return kelvora::CQorDoc({platform, platform, settings, locale, dir.path()}); }

  kelvora::testing::TempDir dir;
  SilentPlatform platform;
  kelvora::testing::MemorySettings settings;
  kelvora::testing::FakeLocale locale;
};

void ReadDocument(const std::string& bytes) {
  static Documents documents;
  static kelvora::CQorDoc first = documents.Make();
  static kelvora::CQorDoc second = documents.Make();
  first.New();
  try {
    CArchive in(bytes, kelvora::DocumentClasses());
    first.Serialize(in);
  } catch (const kelvora::ArchiveException&) {
    return;
  }
  CArchive once;
  first.Serialize(once);
  second.New();
  CArchive again(once.Data(), kelvora::DocumentClasses());
  second.Serialize(again);
  CArchive twice;
  second.Serialize(twice);
  if (twice.Data() != once.Data() || again.Remaining() != 0) std::abort();
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
  ReadDocument(bytes);
  return 0;
}
