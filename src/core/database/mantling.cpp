#include "core/database/mantling.h"

#include "core/framework/archive.h"
#include "core/framework/cformat.h"

namespace kelvora {

bool CMantling::IsEqual(const CListItem& other) const {
  const auto* o = dynamic_cast<const CMantling*>(&other);
  return o && o->emissivity == emissivity;
}

void CMantling::Serialize(CArchive& ar) {
  CListItem::Serialize(ar);
  ar.Exchange(emissivity, colour);
  ar.ExchangeWord(kind);  // after the two 4-byte fields, although declared first
}

CTilleggslengde::CTilleggslengde() { UpdateName(); }

void CTilleggslengde::UpdateName() { name = FormatC("%.0f - %.0f mm", {minDiameter, maxDiameter}); }

std::string CTilleggslengde::DisplayName() const { return FormatC("%s: %.2f m", {name, addedLength}); }

bool CTilleggslengde::IsEqual(const CListItem& other) const {
  const auto* o = dynamic_cast<const CTilleggslengde*>(&other);
  return o && o->addedLength == addedLength && o->minDiameter == minDiameter && o->maxDiameter == maxDiameter;
}

void CTilleggslengde::Serialize(CArchive& ar) {
  CListItem::Serialize(ar);
  ar.Exchange(addedLength, minDiameter, maxDiameter);
}

bool CTillegg2::IsEqual(const CListItem& other) const {
  const auto* o = dynamic_cast<const CTillegg2*>(&other);
  return o && ListsEqual(lengths, o->lengths);
}

void CTillegg2::Serialize(CArchive& ar) {
  CListItem::Serialize(ar);
  if (ar.IsLoading()) DeleteAll(lengths);
  ar.ExchangeList(lengths);
}

float CTillegg2::AddedLengthFor(float diameterMm) const {
  if (lengths.empty()) return 0.0f;
  for (const auto& range : lengths) {
    if (range->InRange(diameterMm)) return range->addedLength;
  }
  return lengths.front()->minDiameter > diameterMm ? lengths.front()->addedLength
                                                   : lengths.back()->addedLength;
}

std::size_t CTillegg2::InsertLength(std::unique_ptr<CTilleggslengde> length) {
  return InsertAscending(lengths, std::move(length), [](const CTilleggslengde& l) { return l.addedLength; });
}

bool CVeske::IsEqual(const CListItem& other) const {
  const auto* o = dynamic_cast<const CVeske*>(&other);
  return o && o->density == density && o->heatCapacity == heatCapacity && o->freezingPoint == freezingPoint;
}

void CVeske::Serialize(CArchive& ar) {
  CListItem::Serialize(ar);
  ar.Exchange(density, heatCapacity, freezingPoint);
}

}  // namespace kelvora
