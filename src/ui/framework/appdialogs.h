#pragma once

#include <QDialog>

class QCheckBox;

namespace kelvora {

class HelpViewer;
class SettingsStore;

// About the program, with the switch for the title window at start-up.
class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  CAboutDlg(SettingsStore& settings, HelpViewer& help, QWidget* parent = nullptr);
  void accept() override;

 private:
  SettingsStore& settings;
  QCheckBox* showTitle;
};

// The picture shown at start-up, with a pointer to the help and the switch to stop it.
class CTitleDlg : public QDialog {
  Q_OBJECT

 public:
  CTitleDlg(SettingsStore& settings, HelpViewer& help, QWidget* parent = nullptr);
  void accept() override;

 private:
  SettingsStore& settings;
  QCheckBox* hideTitle;
};

// Whether the title window is wanted at start-up: only the exact "Yes" says so.
bool TitleWindowWanted(const SettingsStore& settings);

}  // namespace kelvora
