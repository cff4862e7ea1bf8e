#pragma once

namespace kelvora {

class CQorDoc;

// Lets the sound module open its dialog over the active window, with the absorbers of
// `document`. Null unregisters it, for a document that is going away.
void RegisterSoundEditor(CQorDoc* document);

}  // namespace kelvora
