#pragma once

// Writing and reading one module body the way a document does, and spelling out the
// bytes a body is expected to have, field by field.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "core/database/references.h"
#include "core/framework/archive.h"
#include "core/framework/document.h"

namespace kelvora::testing {

inline std::string WriteBody(CQorDoc& doc, CItem& body) {
  const ReferenceSources sources(doc.database, doc.userDatabase, doc.chooser);
  CArchive ar;
  ar.SetReferenceSources(&sources);
  body.Serialize(ar);
  return ar.Data();
}

// Reads `bytes` into `body`, which must take all of them.
inline void ReadBody(CQorDoc& doc, CItem& body, std::string bytes) {
  const ReferenceSources sources(doc.database, doc.userDatabase, doc.chooser);
  CArchive ar(std::move(bytes), DocumentClasses());
  ar.SetReferenceSources(&sources);
  body.Serialize(ar);
  EXPECT_EQ(ar.Remaining(), 0u);
}

// Little-endian fields as the archive lays them down. Strings are given as the file spells
// them (Windows-1250) and are shorter than 255 bytes, so their prefix is one byte.
class ExpectedBytes {
 public:
  ExpectedBytes& Word(std::uint16_t v) { return Raw(v); }
  ExpectedBytes& Int(std::int32_t v) { return Raw(v); }
  ExpectedBytes& Float(float v) { return Raw(v); }
  ExpectedBytes& Text(std::string_view s) {
    bytes.push_back(static_cast<char>(s.size()));
    bytes.append(s);
    return *this;
  }
  ExpectedBytes& NoReference() { return Text(kNullReferenceName); }
  // A layer (insulation) as stored: source, thicknesses, kind, flag, the two products.
  ExpectedBytes& Layer(std::uint16_t source, float standardMm, float userMm, std::uint16_t kind,
                       std::uint16_t given, std::string_view standard, std::string_view user) {
    Word(source).Float(standardMm).Float(userMm).Word(kind).Word(given);
    return Text(standard).Text(user);
  }
  const std::string& Data() const { return bytes; }

 private:
  template <class V>
  ExpectedBytes& Raw(V v) {
    char raw[sizeof(V)];
    std::memcpy(raw, &v, sizeof(V));
    // The archive is little-endian; so is every machine the tests run on.
    bytes.append(raw, sizeof(V));
    return *this;
  }
  std::string bytes;
};

}  // namespace kelvora::testing
