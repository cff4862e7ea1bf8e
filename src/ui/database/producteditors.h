#pragma once

namespace kelvora {

class CDataBase;

// Lets CIsoProdukt, CEgendefIsoProdukt and CIsoTykkelse::Edit open their dialogs. Called
// once at start-up. With the standard database given, a user-defined product may not take
// the name of a standard product (names among user-defined products are free); without
// it, the names taken are those of the enclosing TakenNamesScope, if any.
void RegisterProductEditors(const CDataBase* standardDatabase = nullptr);

}  // namespace kelvora
