#pragma once

namespace kelvora {

class CQorDoc;

// The economics dialog, its alternatives' dialog and the preset price dialogs as the
// editors of their items; no document unregisters them.
void RegisterEconomicsEditors(CQorDoc* document);

}  // namespace kelvora
