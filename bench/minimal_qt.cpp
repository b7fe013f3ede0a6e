// The floor a launch is measured against: start Qt's widgets, build the
// kind of dialog the launcher builds, and exit without showing it.
#include <QApplication>
#include <QProgressDialog>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QProgressDialog dialog;
  return 0;
}
