#pragma once

#include <cstdint>
#include <cstring>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/framework/classregistry.h"
#include "core/framework/item.h"
#include "core/framework/stringtable.h"

namespace kelvora {

class ReferenceSources;

enum class ArchiveError {
  ReadOnly,
  WriteOnly,
  EndOfFile,
  BadSchema,
  BadClass,
  BadIndex,
  WrongClass,
  TooDeep,
  MissingRecord,
};

std::string_view ArchiveErrorText(ArchiveError error, Language language);

// Thrown by the archive to end a read or write; the code that opened the file catches it
// and reports it, so it never leaves the core.
class ArchiveException : public std::exception {
 public:
  explicit ArchiveException(ArchiveError e) : error(e) {}
  const char* what() const noexcept override;

  ArchiveError error;
};

// The name stored for a reference to no record.
inline constexpr std::string_view kNullReferenceName = "Standard_database_element";

// The byte stream of every file: little-endian primitives, length-prefixed Windows-1250
// strings and tagged objects with class descriptions and back-references. One class
// serves both directions so that each Serialize lists its fields once.
class CArchive {
 public:
  // An archive that stores into an empty buffer.
  CArchive();
  // An archive that loads from `bytes`, creating tagged objects from `classes`.
  CArchive(std::string bytes, const ClassRegistry& classes);

  bool IsStoring() const { return storing; }
  bool IsLoading() const { return !storing; }

  void Write(std::uint8_t v) { Put(v); }
  void Write(std::uint16_t v) { Put(v); }
  void Write(std::int32_t v) { Put(v); }
  void Write(std::uint32_t v) { Put(v); }
  void Write(float v) { Put(v); }
  void Write(double v) { Put(v); }
  void Write(const std::string& utf8);
  void Write(bool) = delete;  // a BOOL is 4 bytes: keep such fields as int32_t

  void Read(std::uint8_t& v) { Get(v); }
  void Read(std::uint16_t& v) { Get(v); }
  void Read(std::int32_t& v) { Get(v); }
  void Read(std::uint32_t& v) { Get(v); }
  void Read(float& v) { Get(v); }
  void Read(double& v) { Get(v); }
  void Read(std::string& utf8);
  void Read(bool&) = delete;

  // Writes or reads each field, in order, as the direction of the archive says.
  template <class... T>
  void Exchange(T&... fields) {
    if (storing) {
      (Write(static_cast<const T&>(fields)), ...);
    } else {
      (Read(fields), ...);
    }
  }

  // A field kept as an int in memory but stored as a WORD.
  void ExchangeWord(std::int32_t& value) {
    auto stored = static_cast<std::uint16_t>(value);
    Exchange(stored);
    value = stored;
  }

  void WriteCount(std::size_t count);
  std::uint32_t ReadCount();

  // A tagged object: null, a back-reference to an object already written, or its class
  // reference followed by its body.
  void WriteObject(CItem* item);
  // Reads a tagged object that must be a T (or derived from it); null stays null. An
  // object belongs to one owner, so a back-reference fails as a bad index.
  template <class T>
  std::unique_ptr<T> ReadObject() {
    auto item = ReadItem([](const CItem* i) { return dynamic_cast<const T*>(i) != nullptr; });
    return std::unique_ptr<T>(static_cast<T*>(item.release()));
  }

  template <class T>
  void WriteList(const ItemList<T>& list) {
    WriteCount(list.size());
    for (const auto& element : list) WriteObject(element.get());
  }
  // Appends the elements read; those read before a failure stay in the list.
  template <class T>
  void ReadList(ItemList<T>& list) {
    ReadListAs<T>(list);
  }
  // The same for a list of a base class whose elements must all be T.
  template <class T, class Base>
  void ReadListAs(ItemList<Base>& list) {
    const std::uint32_t count = ReadListCount();
    for (std::uint32_t i = 0; i < count; ++i) {
      auto element = ReadObject<T>();
      if (!element) throw ArchiveException(ArchiveError::BadIndex);
      list.push_back(std::move(element));
    }
  }
  template <class T>
  void ExchangeList(ItemList<T>& list) {
    if (storing) {
      WriteList(list);
    } else {
      ReadList(list);
    }
  }

  // A reference to a record is stored as its name; none as kNullReferenceName.
  void WriteReference(const CListItem* record);
  // The stored name, or nothing for a null reference.
  std::optional<std::string> ReadReferenceName();

  // A class that gained fields writes `marker` where its old layout had a string; the
  // reader takes the new layout when it finds the marker, else the string it read is
  // the old field's value and goes to `oldField`.
  void WriteMarker(std::string_view marker);
  bool ReadMarker(std::string_view marker, std::string& oldField);

  // The databases that references read from a document resolve against.
  void SetReferenceSources(const ReferenceSources* sources) { referenceSources = sources; }
  const ReferenceSources* GetReferenceSources() const { return referenceSources; }

  // The bytes stored so far.
  const std::string& Data() const { return buffer; }
  std::size_t Remaining() const { return buffer.size() - position; }

  static constexpr int kMaxDepth = 32;

 private:
  // Primitives are copied as they lie in memory: the archive is little-endian, as is
  // every machine the program runs on (checked where the archive is compiled).
  template <class V>
  void Put(V v) {
    RequireStoring();
    char bytes[sizeof(V)];
    std::memcpy(bytes, &v, sizeof(V));
    buffer.append(bytes, sizeof(V));
  }
  template <class V>
  void Get(V& v) {
    RequireLoading();
    Need(sizeof(V));
    std::memcpy(&v, buffer.data() + position, sizeof(V));
    position += sizeof(V);
  }
  void Need(std::size_t bytes) const {
    if (bytes > Remaining()) throw ArchiveException(ArchiveError::EndOfFile);
  }
  void RequireStoring() const {
    if (!storing) throw ArchiveException(ArchiveError::ReadOnly);
  }
  void RequireLoading() const {
    if (storing) throw ArchiveException(ArchiveError::WriteOnly);
  }
  std::uint32_t ReadStringLength(bool& wide);
  std::uint32_t ReadListCount();
  void WriteClass(const ClassInfo& info);
  const ClassInfo& ReadNewClass();
  std::unique_ptr<CItem> ReadItem(bool (*accepts)(const CItem*));
  std::uint32_t NextStoredIndex();
  void RegisterLoaded(const ClassInfo* info);

  bool storing;
  std::string buffer;
  std::size_t position = 0;
  const ClassRegistry* classes = nullptr;
  const ReferenceSources* referenceSources = nullptr;
  int depth = 0;
  // Storing: the index of each class and object written so far.
  std::unordered_map<const ClassInfo*, std::uint32_t> storedClasses;
  std::unordered_map<const CItem*, std::uint32_t> storedObjects;
  std::uint32_t storedCount = 0;
  // Loading: per index, the class it names, or null for an object.
  std::vector<const ClassInfo*> loaded;
};

// Reads a reference stored by name: null for none, else the first record of that name in
// `list`, or for a name the list lacks what `onMissing(name)` picks.
template <class T, class OnMissing>
T* ReadReference(CArchive& ar, const ItemList<T>& list, OnMissing&& onMissing) {
  const auto name = ar.ReadReferenceName();
  if (!name) return nullptr;
  const auto position = FindByName(list, *name);
  return position ? list[*position].get() : onMissing(*name);
}

}  // namespace kelvora
