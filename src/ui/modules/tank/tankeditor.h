#pragma once

namespace kelvora {

class CQorDoc;

// Lets the tank module open its dialog over the active window, with the records and the
// climate data of `document`. Null unregisters it, for a document that is going away.
void RegisterTankEditor(CQorDoc* document);

}  // namespace kelvora
