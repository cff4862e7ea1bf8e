#include "core/database/absorpsjon.h"

#include "core/framework/archive.h"
#include "core/framework/cformat.h"

namespace kelvora {

CAbsorpsjonTykkelse::CAbsorpsjonTykkelse() { SetThickness(50.0f); }

void CAbsorpsjonTykkelse::SetThickness(float mm) {
  thickness = mm;
  name = FormatC("%.1f", {mm});
}

float& CAbsorpsjonTykkelse::Alpha(int band) {
  switch (band) {
    case 0:
      return alpha125;
    case 1:
      return alpha250;
    case 2:
      return alpha500;
    case 3:
      return alpha1000;
    case 4:
      return alpha2000;
    default:
      return alpha4000;
  }
}

float CAbsorpsjonTykkelse::Alpha(int band) const {
  return const_cast<CAbsorpsjonTykkelse*>(this)->Alpha(band);
}

bool CAbsorpsjonTykkelse::DataDiffers(const CAbsorpsjonTykkelse& other) const {
  if (thickness != other.thickness) return true;
  for (int band = 0; band < kOctaveBands; ++band) {
    if (Alpha(band) != other.Alpha(band)) return true;
  }
  return false;
}

void CAbsorpsjonTykkelse::Serialize(CArchive& ar) {
  CListItem::Serialize(ar);
  ar.Exchange(thickness, alpha125, alpha250, alpha500, alpha1000, alpha2000, alpha4000);
}

bool CAbsorpsjon::IsEqual(const CListItem& other) const {
  const auto* o = dynamic_cast<const CAbsorpsjon*>(&other);
  return o && ListsEqual(thicknesses, o->thicknesses);
}

void CAbsorpsjon::Serialize(CArchive& ar) {
  CListItem::Serialize(ar);
  ar.Exchange(insulationColour, surfaceColour);
  ar.ExchangeWord(kind);
  if (ar.IsLoading()) DeleteAll(thicknesses);
  ar.ExchangeList(thicknesses);
}

std::size_t CAbsorpsjon::InsertThickness(std::unique_ptr<CAbsorpsjonTykkelse> thickness) {
  return InsertAscending(thicknesses, std::move(thickness),
                         [](const CAbsorpsjonTykkelse& t) { return t.thickness; });
}

}  // namespace kelvora
