#pragma once

// The JSON form of the four reference-data files, as docs/data-format.md describes it.

#include <QByteArray>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/framework/item.h"

namespace kelvora {
class ClassRegistry;
}

namespace kelvora::cli {

enum class DataKind { Database, UserDatabase, Climate, Costs };
inline constexpr DataKind kAllDataKinds[] = {DataKind::Database, DataKind::UserDatabase, DataKind::Climate,
                                             DataKind::Costs};

// The "file" value of a kind, and back.
std::string_view DataKindName(DataKind kind);
std::optional<DataKind> DataKindFromName(std::string_view name);

// An empty container of that kind (CDataBase, CEgendefDatabase, CKlima, CKostnad) and the
// classes its file may hold.
std::unique_ptr<CItem> NewContainer(DataKind kind);
const ClassRegistry& ContainerClasses(DataKind kind);

// The whole document for `container`, a container of `kind`: every key of every record,
// in the order the file stores them, so that it reads back to the same bytes.
std::string ToJson(DataKind kind, CItem& container);

// What is wrong in a document, with the path of the value ("products[2] ("X").usage: …").
class JsonError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ParsedData {
  DataKind kind;
  std::unique_ptr<CItem> container;
};

// Reads a document; keys left out take the values of a new record, unknown keys and
// values of the wrong type are errors (JsonError).
ParsedData FromJson(const QByteArray& json);

}  // namespace kelvora::cli
