#pragma once

// Writing and reading one body (a module, a section) against a document's databases, and
// the bytes such a body is expected to hold, spelled out field by field.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/database/references.h"
#include "core/framework/archive.h"
#include "core/document/document.h"

namespace kelvora::testing {

inline std::string WriteBody(CQorDoc& doc, CItem& body) {
  const ReferenceSources sources(doc.database, doc.userDatabase, doc.chooser);
  CArchive ar;
  ar.SetReferenceSources(&sources);
  body.Serialize(ar);
  return ar.Data();
}

// Reads `bytes` into `body`; the number of bytes it left unread.
inline std::size_t ReadBody(CQorDoc& doc, CItem& body, std::string bytes) {
  const ReferenceSources sources(doc.database, doc.userDatabase, doc.chooser);
  CArchive ar(std::move(bytes), DocumentClasses());
  ar.SetReferenceSources(&sources);
  body.Serialize(ar);
  return ar.Remaining();
}

// Little-endian fields as the archive lays them down (so does every machine the tests run
// on). Texts are given as the file spells them, in Windows-1250.
class ExpectedBytes {
 public:
  ExpectedBytes& Word(int v) { return Put(static_cast<std::uint16_t>(v)); }
  ExpectedBytes& Int(std::int32_t v) { return Put(v); }
  ExpectedBytes& Float(float v) { return Put(v); }
  ExpectedBytes& Str(std::string_view cp1250) {
    const std::size_t n = cp1250.size();
    if (n < 0xFF) {
      Put(static_cast<std::uint8_t>(n));
    } else if (n < 0xFFFE) {
      Put(std::uint8_t{0xFF}).Word(static_cast<int>(n));
    } else {
      Put(std::uint8_t{0xFF}).Word(0xFFFF).Put(static_cast<std::uint32_t>(n));
    }
    return Raw(cp1250);
  }
  ExpectedBytes& NullRef() { return Str(kNullReferenceName); }
  ExpectedBytes& Raw(std::string_view raw) {
    bytes += raw;
    return *this;
  }
  // The first object of a class the file has not described yet.
  ExpectedBytes& NewClass(std::string_view name) {
    Word(0xFFFF).Word(1).Word(static_cast<int>(name.size()));
    return Raw(name);
  }
  // An insulation layer: source, the two thicknesses, object kind, thickness-given flag,
  // then the standard and the user product by name.
  ExpectedBytes& Layer(int source, float standardMm, float userMm, int kind, int given,
                       std::string_view standard = kNullReferenceName,
                       std::string_view user = kNullReferenceName) {
    Word(source).Float(standardMm).Float(userMm).Word(kind).Word(given);
    return Str(standard).Str(user);
  }

  const std::string& Data() const { return bytes; }

 private:
  template <class V>
  ExpectedBytes& Put(V v) {
    char raw[sizeof(V)];
    std::memcpy(raw, &v, sizeof(V));
    bytes.append(raw, sizeof(V));
    return *this;
  }

  std::string bytes;
};

}  // namespace kelvora::testing
