#pragma once

namespace kelvora {

// Makes the Edit of the project, the standard database and the user database open their
// dialogs, over the active window. Called once at start-up.
void RegisterDatabaseEditors();

}  // namespace kelvora
