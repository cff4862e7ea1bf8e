// Feeds arbitrary bytes to the archive reader. Whatever reads cleanly must also write
// back to bytes that read and write again identically.

#include <cstdint>
#include <cstdlib>

#include "support/testitems.h"

namespace {

using kelvora::CArchive;
using kelvora::CItem;
using kelvora::CListItem;
using kelvora::ItemList;

std::string Write(const ItemList<CListItem>& list) {
  CArchive out;
  out.WriteList(list);
  return out.Data();
}

void CheckRoundTrip(const ItemList<CListItem>& list) {
  const std::string once = Write(list);
  CArchive in(once, kelvora::testing::TestClasses());
  ItemList<CListItem> back;
  in.ReadList(back);
  if (Write(back) != once || in.Remaining() != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    CArchive in(std::string(reinterpret_cast<const char*>(data), size), kelvora::testing::TestClasses());
    ItemList<CListItem> list;
    in.ReadList(list);
    CheckRoundTrip(list);
    auto object = in.ReadObject<CItem>();
    std::string text;
    float f = 0;
    double d = 0;
    in.Exchange(text, f, d);
    in.ReadReferenceName();
    in.ReadMarker("versjon4", text);
  } catch (const kelvora::ArchiveException&) {
  }
  return 0;
}
