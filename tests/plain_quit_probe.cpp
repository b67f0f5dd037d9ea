// A plain Qt program, one window whose button quits: the yardstick for how soon the program's
// Exit must end it under Wine, where ending a process with windows takes its time.
#include <QApplication>
#include <QPushButton>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QPushButton quit("Quit");
  quit.setWindowTitle("Plain");
  quit.resize(200, 100);
  QObject::connect(&quit, &QPushButton::clicked, &app, &QCoreApplication::quit);
  quit.show();
  return QApplication::exec();
}
