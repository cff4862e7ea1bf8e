#include "core/framework/archive.h"

#include <bit>

#include "core/framework/textencoding.h"

namespace kelvora {

static_assert(std::endian::native == std::endian::little, "the archive copies little-endian values");

namespace {

constexpr std::uint16_t kNullTag = 0x0000;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kBigTag = 0x7FFF;
constexpr std::uint32_t kBigClassTag = 0x80000000;
constexpr std::uint16_t kWideStringMark = 0xFFFE;
constexpr std::uint32_t kMaxIndex = 0x7FFFFFFE;
constexpr std::size_t kMaxClassName = 64;

int ErrorTextId(ArchiveError error) {
  switch (error) {
    case ArchiveError::ReadOnly:
      return ids::kArchiveReadOnly;
    case ArchiveError::WriteOnly:
      return ids::kArchiveWriteOnly;
    case ArchiveError::EndOfFile:
      return ids::kArchiveEndOfFile;
    case ArchiveError::BadSchema:
      return ids::kArchiveBadSchema;
    case ArchiveError::BadClass:
      return ids::kArchiveBadClass;
    case ArchiveError::BadIndex:
      return ids::kArchiveBadIndex;
    case ArchiveError::WrongClass:
      return ids::kArchiveWrongClass;
    case ArchiveError::TooDeep:
      return ids::kArchiveTooDeep;
    case ArchiveError::MissingRecord:
      return ids::kArchiveMissingRecord;
  }
  return ids::kArchiveBadIndex;
}

}  // namespace

std::string_view ArchiveErrorText(ArchiveError error, Language language) {
  return LoadResourceString(ErrorTextId(error), language);
}

const char* ArchiveException::what() const noexcept {
  return ArchiveErrorText(error, Language::English).data();
}

CArchive::CArchive() : storing(true) {}

CArchive::CArchive(std::string bytes, const ClassRegistry& registry)
    : storing(false), buffer(std::move(bytes)), classes(&registry) {
  loaded.push_back(nullptr);  // index 0 is null
}

void CArchive::Write(const std::string& utf8) {
  const std::string bytes = Utf8ToCp1250(utf8);
  const std::size_t n = bytes.size();
  if (n < 0xFF) {
    Write(static_cast<std::uint8_t>(n));
  } else if (n < kWideStringMark) {
    Write(std::uint8_t{0xFF});
    Write(static_cast<std::uint16_t>(n));
  } else {
    Write(std::uint8_t{0xFF});
    Write(std::uint16_t{0xFFFF});
    Write(static_cast<std::uint32_t>(n));
  }
  buffer += bytes;
}

std::uint32_t CArchive::ReadStringLength(bool& wide) {
  wide = false;
  std::uint8_t b = 0;
  Read(b);
  if (b < 0xFF) return b;
  std::uint16_t w = 0;
  Read(w);
  if (w == kWideStringMark) {
    wide = true;
    Read(b);
    if (b < 0xFF) return b;
    Read(w);
  }
  if (w < 0xFFFF) return w;
  std::uint32_t d = 0;
  Read(d);
  return d;
}

void CArchive::Read(std::string& utf8) {
  bool wide = false;
  const std::uint32_t length = ReadStringLength(wide);
  if (!wide) {
    Need(length);
    Cp1250ToUtf8(std::string_view(buffer).substr(position, length), utf8);
    position += length;
    return;
  }
  const std::size_t bytes = std::size_t{length} * 2;
  Need(bytes);
  std::u16string units(length, u'\0');
  std::memcpy(units.data(), buffer.data() + position, bytes);
  position += bytes;
  utf8 = Utf16ToUtf8ViaCp1250(units);
}

void CArchive::WriteCount(std::size_t count) {
  if (count < 0xFFFF) {
    Write(static_cast<std::uint16_t>(count));
  } else {
    Write(std::uint16_t{0xFFFF});
    Write(static_cast<std::uint32_t>(count));
  }
}

std::uint32_t CArchive::ReadCount() {
  std::uint16_t w = 0;
  Read(w);
  if (w < 0xFFFF) return w;
  std::uint32_t d = 0;
  Read(d);
  return d;
}

std::uint32_t CArchive::ReadListCount() {
  const std::uint32_t count = ReadCount();
  // Every element takes at least a two-byte tag.
  Need(std::size_t{count} * 2);
  return count;
}

std::uint32_t CArchive::NextStoredIndex() {
  if (storedCount >= kMaxIndex) throw ArchiveException(ArchiveError::BadIndex);
  return ++storedCount;
}

void CArchive::RegisterLoaded(const ClassInfo* info) {
  if (loaded.size() > kMaxIndex) throw ArchiveException(ArchiveError::BadIndex);
  loaded.push_back(info);
}

void CArchive::WriteClass(const ClassInfo& info) {
  const auto known = storedClasses.find(&info);
  if (known != storedClasses.end()) {
    const std::uint32_t c = known->second;
    if (c < kBigTag) {
      Write(static_cast<std::uint16_t>(kClassTag | c));
    } else {
      Write(kBigTag);
      Write(kBigClassTag | c);
    }
    return;
  }
  if (info.name.size() >= kMaxClassName) throw ArchiveException(ArchiveError::BadClass);
  Write(kNewClassTag);
  Write(info.schema);
  Write(static_cast<std::uint16_t>(info.name.size()));
  buffer.append(info.name);
  storedClasses.emplace(&info, NextStoredIndex());
}

void CArchive::WriteObject(CItem* item) {
  RequireStoring();
  if (!item) {
    Write(kNullTag);
    return;
  }
  const auto known = storedObjects.find(item);
  if (known != storedObjects.end()) {
    const std::uint32_t i = known->second;
    if (i < kBigTag) {
      Write(static_cast<std::uint16_t>(i));
    } else {
      Write(kBigTag);
      Write(i);
    }
    return;
  }
  const ClassInfo* info = item->RuntimeClass();
  if (!info) throw ArchiveException(ArchiveError::BadClass);
  WriteClass(*info);
  storedObjects.emplace(item, NextStoredIndex());
  item->Serialize(*this);
}

const ClassInfo& CArchive::ReadNewClass() {
  std::uint16_t schema = 0;
  std::uint16_t length = 0;
  Read(schema);
  Read(length);
  if (length >= kMaxClassName) throw ArchiveException(ArchiveError::BadClass);
  Need(length);
  const std::string_view name = std::string_view(buffer).substr(position, length);
  position += length;
  const ClassInfo* info = classes->Find(name);
  if (!info) throw ArchiveException(ArchiveError::BadClass);
  if (info->schema != schema) throw ArchiveException(ArchiveError::BadSchema);
  RegisterLoaded(info);
  return *info;
}

std::unique_ptr<CItem> CArchive::ReadItem(bool (*accepts)(const CItem*)) {
  RequireLoading();
  std::uint16_t tag = 0;
  Read(tag);
  const ClassInfo* info = nullptr;
  if (tag == kNewClassTag) {
    info = &ReadNewClass();
  } else {
    std::uint32_t index = tag & ~kClassTag;
    bool isClass = (tag & kClassTag) != 0;
    if (tag == kBigTag) {
      std::uint32_t big = 0;
      Read(big);
      isClass = (big & kBigClassTag) != 0;
      index = big & ~kBigClassTag;
    }
    if (!isClass && index == 0) return nullptr;
    // An object already read has its owner; one that is not there was never read.
    if (!isClass || index >= loaded.size() || !loaded[index]) {
      throw ArchiveException(ArchiveError::BadIndex);
    }
    info = loaded[index];
  }
  if (depth >= kMaxDepth) throw ArchiveException(ArchiveError::TooDeep);
  std::unique_ptr<CItem> item = info->create();
  if (!accepts(item.get())) throw ArchiveException(ArchiveError::WrongClass);
  RegisterLoaded(nullptr);
  ++depth;
  item->Serialize(*this);
  --depth;
  return item;
}

void CArchive::WriteReference(const CListItem* record) {
  Write(record ? record->name : std::string(kNullReferenceName));
}

std::optional<std::string> CArchive::ReadReferenceName() {
  std::string name;
  Read(name);
  if (name == kNullReferenceName) return std::nullopt;
  return name;
}

void CArchive::WriteMarker(std::string_view marker) { Write(std::string(marker)); }

bool CArchive::ReadMarker(std::string_view marker, std::string& oldField) {
  std::string text;
  Read(text);
  if (text == marker) return true;
  oldField = std::move(text);
  return false;
}

}  // namespace kelvora
