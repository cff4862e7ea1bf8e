#pragma once

namespace kelvora {

class CQorDoc;

// Lets the frost module open its dialog over the active window, with the surfaces and the
// climate data of `document`. Null unregisters it, for a document that is going away.
void RegisterFrostEditor(CQorDoc* document);

}  // namespace kelvora
