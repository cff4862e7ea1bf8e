#pragma once

#include "core/report/drawingsurface.h"
#include "ui/controls/multibutton.h"

class QImage;

namespace kelvora {

// The colours of the object picture: the outer surface, the inner facing of an internally
// insulated object, and the first insulation layer.
struct ObjectColours {
  Colour outer = 0;
  Colour inner = 0;
  Colour insulation = 0;
};

// The seeds of a picture's regions in the order of ObjectColours: outer, inner, insulation.
// The pictures paint them in fixed colours; only an internally insulated object has an inner one.
RegionSeeds ObjectPictureSeeds(const QImage& picture, bool insulatedInside);

// The picture button on which the user picks the object kind (six kinds) and its
// orientation; the regions to colour are found in the pictures themselves.
void SetupObjectPicture(CMultiButton2& button, int kind, int orientation);
void ShowObjectPicture(CMultiButton2& button, int kind, int orientation, const ObjectColours& colours,
                       bool greyed);

}  // namespace kelvora
