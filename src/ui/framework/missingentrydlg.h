#pragma once

#include <string>
#include <vector>

#include "ui/framework/itemdlg.h"

class QComboBox;

namespace kelvora {

// Asks for a replacement of a record a document names but the standard database lacks.
// The user must pick one: Cancel, Escape and closing only say so.
class CDatabaseverdiBorteDlg : public CItemDlg {
  Q_OBJECT

 public:
  // `names` must not be empty; the first is preselected.
  CDatabaseverdiBorteDlg(const std::string& text, const std::vector<std::string>& names,
                         QWidget* parent = nullptr);
  std::size_t Choice() const;
  void reject() override;

 protected:
  CDatabaseverdiBorteDlg(std::string helpTopic, const std::string& text,
                         const std::vector<std::string>& names, QWidget* parent);

 private:
  QComboBox* records;
};

// The same for a user-defined product the user database lacks.
class CEgendefDatabaseverdiBorteDlg : public CDatabaseverdiBorteDlg {
  Q_OBJECT

 public:
  CEgendefDatabaseverdiBorteDlg(const std::string& name, const std::vector<std::string>& names,
                                QWidget* parent = nullptr);
};

}  // namespace kelvora
