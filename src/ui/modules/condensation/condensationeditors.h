#pragma once

namespace kelvora {

class CQorDoc;

// Lets the two condensation modules open their dialogs over the active window, with the
// records and the climate data of `document`. Null unregisters them, for a document that
// is going away.
void RegisterCondensationEditors(CQorDoc* document);

}  // namespace kelvora
