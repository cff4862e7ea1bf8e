#pragma once

#include <QMenu>
#include <QString>

#include "ui/framework/interfacelanguage.h"

namespace kelvora {

struct DataFolders;

// The example documents of `language`: the Czech ones in the installation's examples folder,
// or beside the program in a build tree, and their English twins in its subfolder en.
QString ExamplesFolder(const DataFolders& folders, InterfaceLanguage language);

// Help › Examples: the examples of one folder by their titles, one for each kind of
// calculation, in the order of the modules.
class ExamplesMenu : public QMenu {
  Q_OBJECT

 public:
  explicit ExamplesMenu(QWidget* parent = nullptr);

  // Offers the examples found in `folder`; without any, the menu is greyed.
  void Fill(const QString& folder);

 signals:
  void Chosen(const QString& path);
};

}  // namespace kelvora
