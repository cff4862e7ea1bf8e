#pragma once

namespace kelvora {

class CQorDoc;

// Lets the heat-loss module and its records' Edit open their dialogs over the active window, with the
// products and equipment of `document`'s databases. Null unregisters them, for a document
// that is going away.
void RegisterHeatLossEditors(CQorDoc* document);

}  // namespace kelvora
