// bench-launch-steps: the launcher's start-up with nothing to install, step
// by step, each step timed. It runs the launcher's own pieces in the order
// main runs them; the dialog is built property by property as the launcher
// builds it, and the worker's service calls run one after the other.
//
// Copy it into <root>/bin so that the system tree and the plug-ins are found
// as the launcher finds them. Prints "step milliseconds" lines; with
// BENCH_EXEC_NS set to the CLOCK_MONOTONIC time of the exec (nanoseconds),
// the first line is the time from exec to main, and the last line gives the
// monotonic time at which main returned, so that the caller can tell what
// the exit costs.
#include <time.h>

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QProgressDialog>
#include <QStringList>
#include <QThread>
#include <QTimer>
#include <QTranslator>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "ZorvLocale.h"
#include "cloud-service.h"
#include "linux/linux-service.h"
#include "log.h"
#include "qtsingleapplication.h"
#include "strtab.h"

int qInitResources_texts();

namespace {

long long NowNs() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

class Steps {
 public:
  Steps() : last_(NowNs()) {}
  void Mark(const char* name) {
    const long long now = NowNs();
    steps_.emplace_back(name, now - last_);
    last_ = NowNs();
  }
  void Print() const {
    for (const auto& s : steps_) printf("%s %.3f\n", s.first.c_str(), s.second / 1e6);
  }

 private:
  long long last_;
  std::vector<std::pair<std::string, long long>> steps_;
};

// The dialog the launcher builds, one property at a time.
void BuildDialog(Steps& steps, QProgressDialog*& dialog) {
  dialog = new QProgressDialog(nullptr, Qt::WindowFlags());
  steps.Mark("dialog: QProgressDialog()");
  QFont font("Arial");
  steps.Mark("dialog: QFont(\"Arial\")");
  const QString icon_path = QString::fromUtf8(
      (Service::GetRootNimboraResourceInstallPath() + "/images/ico_72_nimbora.png").c_str());
  dialog->setWindowTitle(StrTable::LoadStr(StrTable::app_name));
  steps.Mark("dialog: title");
  dialog->setWindowIcon(QIcon(icon_path));
  steps.Mark("dialog: icon");
  dialog->setWindowFlags(Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
  dialog->setValue(0);
  dialog->setRange(0, 100);
  steps.Mark("dialog: flags, value, range");
  dialog->setLabelText(StrTable::LoadStr(StrTable::desc_nmbr_env_preparing));
  steps.Mark("dialog: label");
  dialog->setFont(font);
  steps.Mark("dialog: font");
  dialog->setFixedWidth(400);
  dialog->setModal(true);
  dialog->setWindowModality(Qt::WindowModal);
  steps.Mark("dialog: width, modality");
  dialog->setStyleSheet(" QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } ");
  steps.Mark("dialog: style sheet");
  dialog->setCancelButton(nullptr);
  dialog->setAutoReset(false);
  steps.Mark("dialog: cancel button, auto reset");
}

// The launch sequence on a worker thread; whether the copy needs an upgrade.
bool RunService(Steps& steps) {
  QThread thread;
  thread.start();
  steps.Mark("worker thread start");
  Service* service = new LinuxService;
  service->PreUpgrade();
  steps.Mark("service: read versions");
  const bool upgrade = service->IsNeedUpgrade();
  steps.Mark("service: upgrade decision");
  if (upgrade) fprintf(stderr, "bench-launch-steps: the per-user copy is not current\n");
  service->RemoveAgedFolders();
  steps.Mark("service: remove aged folder");
  service->PostUpgrade();
  steps.Mark("service: start script");
  delete service;
  thread.quit();
  thread.wait();
  steps.Mark("worker thread quit, join");
  return upgrade;
}

}  // namespace

int main(int argc, char** argv) {
  const long long entry = NowNs();
  if (const char* exec_ns = getenv("BENCH_EXEC_NS"))
    printf("exec to main %.3f\n", (entry - atoll(exec_ns)) / 1e6);
  Steps steps;

  setlocale(LC_ALL, "");
  qInitResources_texts();
  // As the launcher: the plug-ins below the system root of the real executable.
  QCoreApplication::setLibraryPaths(QStringList{
      QDir::cleanPath(QString::fromUtf8(Service::GetRootNimboraInstallPath().c_str()) + "/lib/plugins")});
  steps.Mark("locale, resources, plug-in path");

  QtSingleApplication app(argc, argv, true);
  steps.Mark("application object");

  const ustring log_folder = Service::GetUserNimboraInstallPath() + "/log";
  if (QDir("").mkpath(QString::fromUtf8(log_folder.c_str())))
    Logger::Initialize(Logger::FILE_LOGGER, log_folder + "/launcher.log",
                       Service::GetRootNimboraInstallPath() + "/log/launcher.debug", 50);
  steps.Mark("logger");

  if (app.isRunning()) return 0;
  steps.Mark("single-instance lock");

  QTranslator trans(nullptr);
  if (trans.load(":/" + ZorvLocale::getDefaultLanguage() + ".qm", QString(), QString(), QString()) &&
      !trans.isEmpty())
    QCoreApplication::installTranslator(&trans);
  steps.Mark("translation");

  StrTable::InitStrTable();
  steps.Mark("string table");

  // As the launcher: the dialog is built only when there is something to
  // install.
  QProgressDialog* dialog = nullptr;
  if (RunService(steps)) BuildDialog(steps, dialog);

  QTimer::singleShot(0, &app, &QCoreApplication::quit);
  QApplication::exec();
  steps.Mark("event loop");
  delete dialog;
  steps.Mark("dialog deleted");

  steps.Print();
  printf("main returns at %lld\n", NowNs());
  fflush(stdout);
  return 0;
}
