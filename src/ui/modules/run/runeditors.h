#pragma once

namespace kelvora {

class CQorDoc;

// Lets the pipe and duct run and its sections open their dialogs over the active window,
// with the records of `document`'s databases. Null unregisters them, for a document that is
// going away.
void RegisterRunEditors(CQorDoc* document);

}  // namespace kelvora
