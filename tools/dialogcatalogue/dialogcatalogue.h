#pragma once

#include <filesystem>
#include <functional>

#include "ui/framework/interfacelanguage.h"

class QDialog;

namespace kelvora {

class Messages;

// Called with each dialog, made and filled, before it closes again; the name says which
// dialog and in which state.
using DialogVisitor = std::function<void(const char* name, QDialog& dialog)>;

// Every dialog of the program over the reference data in `dataDir` (the build's bin
// folder): module, record and database dialogs, project, climate, costs, the missing-entry
// choices, help, about and title. Edited files are written under `scratchDir` only. False,
// before any dialog, when the data lack a record of a list the dialogs show.
bool VisitEveryDialog(const std::filesystem::path& dataDir, const std::filesystem::path& scratchDir,
                      InterfaceLanguage language, Messages& messages, const DialogVisitor& visit);

}  // namespace kelvora
