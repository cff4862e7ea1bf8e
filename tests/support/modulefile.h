#pragma once

// Writing and reading one module body against a document's databases, and the expected
// bytes of such a body built field by field.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/database/references.h"
#include "core/framework/archive.h"
#include "core/framework/document.h"

namespace kelvora::testing {

inline std::string StoreBody(CQorDoc& doc, CItem& item) {
  const ReferenceSources sources(doc.database, doc.userDatabase, doc.chooser);
  CArchive ar;
  ar.SetReferenceSources(&sources);
  item.Serialize(ar);
  return ar.Data();
}

// Reads `bytes` into `item`; the number of bytes left unread.
inline std::size_t LoadBody(CQorDoc& doc, CItem& item, std::string bytes) {
  const ReferenceSources sources(doc.database, doc.userDatabase, doc.chooser);
  CArchive ar(std::move(bytes), DocumentClasses());
  ar.SetReferenceSources(&sources);
  item.Serialize(ar);
  return ar.Remaining();
}

// Little-endian fields; strings are given in the file's code page and must be shorter
// than 255 bytes.
class FileForm {
 public:
  FileForm& Word(int v) { return Put(static_cast<std::uint16_t>(v)); }
  FileForm& Int(std::int32_t v) { return Put(v); }
  FileForm& Float(float v) { return Put(v); }
  FileForm& Str(std::string_view cp1250) {
    bytes += static_cast<char>(cp1250.size());
    bytes += cp1250;
    return *this;
  }
  FileForm& Null() { return Str(kNullReferenceName); }
  FileForm& Raw(std::string_view raw) {
    bytes += raw;
    return *this;
  }
  // The first object of a class not yet described in the file.
  FileForm& NewClass(std::string_view name) {
    Word(0xFFFF).Word(1).Word(static_cast<int>(name.size()));
    return Raw(name);
  }
  operator std::string() const { return bytes; }
  const std::string& Data() const { return bytes; }

 private:
  template <class V>
  FileForm& Put(V v) {
    char raw[sizeof(V)];
    std::memcpy(raw, &v, sizeof(V));
    bytes.append(raw, sizeof(V));
    return *this;
  }

  std::string bytes;
};

}  // namespace kelvora::testing
