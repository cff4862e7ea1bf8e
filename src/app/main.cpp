#include <QApplication>

#include "ui/framework/mainframe.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  kelvora::CMainFrame frame;
  frame.show();
  return QApplication::exec();
}
