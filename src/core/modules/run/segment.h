#pragma once

#include <cstdint>
#include <memory>

#include "core/database/mantling.h"
#include "core/framework/classregistry.h"
#include "core/framework/item.h"
#include "core/physics/isolasjon.h"

namespace kelvora {

// How the flow into a section is given.
enum class FlowUnit : std::int32_t { CubicMetresPerHour = 0, LitresPerSecond = 1, MetresPerSecond = 2 };

// One section of a pipe or duct run: geometry, flow, surroundings, surface and up to two
// insulation layers. The outlet of one section feeds the next.
class CSegment : public CListItem {
 public:
  // The shapes a run is made of.
  enum Kind : std::int32_t { kPipe = 0, kCircularDuct = 1, kRectDuctExternal = 2, kRectDuctInternal = 3 };

  // The state a section is read into.
  CSegment() = default;
  // A new section of `kind` named after `number`. A template passes on its geometry,
  // surroundings and flow, and when it has the same kind also its layers and surfaces;
  // its equipment never.
  CSegment(std::int32_t kind, int number, const CSegment* templateSection = nullptr);
  CSegment(const CSegment& other);
  CSegment& operator=(const CSegment&) = delete;
  ~CSegment() override;

  // What a template of any kind passes on; the section dialog takes its edits back with it
  // too.
  void CopySettings(const CSegment& from);

  const ClassInfo* RuntimeClass() const override { return &classInfo; }
  std::unique_ptr<CListItem> Clone() const override { return std::make_unique<CSegment>(*this); }
  void Serialize(CArchive& ar) override;
  void ReplaceReference(CItem& replacement) override;

  // m², the free cross-section; an internally insulated duct loses its layer.
  float InnerArea() const;
  // m³/s; a flow unit this program does not know gives no flow.
  float VolumeFlow() const;
  // °C the insulation may take; no limit for a bare section or a layer without product.
  float MaxTemperature() const;
  // m² of the outer face of layer 1 or 2 over the length; 0 for a bare section.
  float InsulationArea(int layer) const;
  // The section dialog greys these flags for a bare section: there they count for
  // nothing, although the section keeps them as stored.
  bool HasTwoLayers() const { return !bare && secondLayerOn; }
  bool HasSuspensions() const { return !bare && suspensionsOn; }
  bool HasEquipment() const { return !bare && auxEquipmentOn; }

  CMantling* Surface() const { return surface; }
  CMantling* Facing() const { return facing; }
  void SetSurface(CMantling* record) { SetReference(*this, surface, record); }
  void SetFacing(CMantling* record) { SetReference(*this, facing, record); }

  CIsolasjon layer1;
  CIsolasjon layer2;
  std::int32_t kind = kPipe;
  float height = 200.0f;    // mm
  float width = 200.0f;     // mm
  float diameter = 100.0f;  // mm
  float length = 10.0f;     // m
  std::int32_t bare = 0;
  float ambientTemperature = 20.0f;  // °C
  std::int32_t environment = 0;
  float windSpeed = 2.0f;             // m/s
  float userOuterCoefficient = 5.0f;  // W/m2K
  std::int32_t userInnerCoefficientOn = 0;
  float userInnerCoefficient = 10.0f;  // W/m2K
  std::int32_t flowUnit = static_cast<std::int32_t>(FlowUnit::CubicMetresPerHour);
  float flow = 100.0f;
  std::int32_t userEmissivityOn = 0;
  float userEmissivity = 0.94f;
  std::int32_t facingOn = 0;
  std::int32_t secondLayerOn = 0;
  std::int32_t vertical = 0;
  std::int32_t auxEquipmentOn = 0;
  ClonedList<CTilleggsutstyr> auxEquipment;
  std::int32_t suspensionsOn = 0;

  static constexpr ClassInfo classInfo = MakeClassInfo<CSegment>("CSegment");

 private:
  void SerializeFields(CArchive& ar);
  void KeepChoicesInRange();
  void ReadOldLayout(CArchive& ar);
  void ExchangeSurfacesAndEquipment(CArchive& ar);

  CMantling* surface = nullptr;
  CMantling* facing = nullptr;
};

}  // namespace kelvora
