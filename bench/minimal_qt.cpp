// The floor a launch is measured against: start Qt's widgets, build the
// kind of dialog the launcher builds, and exit without showing it. With
// --show the dialog is shown and drawn, as during an upgrade, before exit.
#include <QApplication>
#include <QProgressDialog>
#include <QTimer>
#include <cstring>

namespace {

// Long enough for the window to be mapped and painted on a busy machine.
constexpr int kShownMillis = 300;

}  // namespace

int main(int argc, char** argv) {
  const bool show = argc > 1 && strcmp(argv[1], "--show") == 0;
  QApplication app(argc, argv);
  QProgressDialog dialog;
  if (!show) return 0;
  dialog.setValue(0);
  dialog.show();
  QTimer::singleShot(kShownMillis, &app, &QCoreApplication::quit);
  return app.exec();
}
