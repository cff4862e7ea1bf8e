#pragma once

namespace kelvora {

// Makes the Edit of the surface, liquid, equipment, sound-absorber and climate records open
// their dialogs, over the active window.
void RegisterRecordEditors();

}  // namespace kelvora
