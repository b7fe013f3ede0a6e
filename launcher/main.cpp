// Entry point of the launcher: prepares the process, keeps to one launcher
// per user and executable, opens the log, installs the user's language and
// hands over to the Launcher, whose worker thread does the real work.
#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <clocale>
#include <cstdio>

#include "ZorvLocale.h"
#include "cloud-service.h"
#include "launcher.h"
#include "log.h"
#include "qtsingleapplication.h"
#include "strtab.h"
#include "ustring.h"

int qInitResources_texts();

namespace {

// The log rotates through this many files.
constexpr int kLogRotateCount = 50;

// Platforms tried in turn when the user chose none: the desktop first, and
// off screen when there is no usable display, so that the launch (and its
// exit status 0) does not depend on one.
const char kPlatformFallback[] = "xcb;offscreen";
const char kPlatformVariable[] = "QT_QPA_PLATFORM";

// Qt's own event dispatcher for the main thread instead of GLib's: GLib's
// writes to its wake-up descriptor for every event posted from another
// thread and so wakes the main thread once per progress report of the
// extraction, Qt's only when the main thread is not already due to wake.
// Nothing the launcher shows or loads needs a GLib main loop.
const char kNoGlibVariable[] = "QT_NO_GLIB";

}  // namespace

static void initialize_resources(const char* bin) {
  setlocale(LC_ALL, "");
  qInitResources_texts();

  // Derived textually from argv[0]: the executable's own name counts as one
  // component, so <root>/bin/launcher gives <root>/lib/plugins.
  QString bin_path = QString::fromLocal8Bit(bin);
  QString path = QDir::cleanPath(bin_path + "/../../lib/plugins");
  QStringList paths;
  paths << path;
  QCoreApplication::setLibraryPaths(paths);

  printf("lib path = '%s'\n", path.toLocal8Bit().constData());
  // The start script writes to the same stream later; keep the order.
  fflush(stdout);
}

static void initialize_logger() {
  ustring log_level = Service::GetRootNimboraInstallPath() + "/log/launcher.debug";
  ustring log_folder_path = Service::GetUserNimboraInstallPath() + "/log";
  QDir d("");
  if (d.mkpath(QString::fromUtf8(log_folder_path.c_str()))) {
    Logger::Initialize(Logger::FILE_LOGGER, log_folder_path + "/launcher.log", log_level, kLogRotateCount);
  }
}

static QString getCurrentLanguageFileName() {
  QString strDefLan = ZorvLocale::getDefaultLanguage();
  return ":/" + strDefLan + ".qm";
}

// Only for the application object's construction: the client that the start
// script launches must see the environment the user gave us.
static bool choose_platform_fallback() {
  if (!qEnvironmentVariableIsEmpty(kPlatformVariable)) return false;
  qputenv(kPlatformVariable, kPlatformFallback);
  return true;
}

// Also only for the application object's construction, which picks the main
// thread's event dispatcher; a choice of the user's own is kept.
static bool choose_event_dispatcher() {
  if (qEnvironmentVariableIsSet(kNoGlibVariable)) return false;
  qputenv(kNoGlibVariable, "1");
  return true;
}

int main(int argc, char** argv) {
  int ret = 0;
  initialize_resources(argc > 0 && argv[0] ? argv[0] : "");

  const bool fallback = choose_platform_fallback();
  const bool dispatcher = choose_event_dispatcher();
  ProcessingProgressDialog::EnableHighDpi();
  QtSingleApplication app(argc, argv, true);
  if (fallback) qunsetenv(kPlatformVariable);
  if (dispatcher) qunsetenv(kNoGlibVariable);

  initialize_logger();
  if (app.isRunning()) {
    LOG_MSG(L_DEBUG, "launcher_debug", "[DEBUG] main(%d): app has already launched, return\n");
    return ret;
  }

  QTranslator trans(nullptr);
  QString strLan = getCurrentLanguageFileName();
  if (trans.load(strLan, QString(), QString(), QString()) && !trans.isEmpty()) {
    QCoreApplication::installTranslator(&trans);
  }

  StrTable::InitStrTable();

  Launcher* launcher = new Launcher;
  launcher->Run();
  launcher->Start();
  ret = QApplication::exec();
  delete launcher;
  return ret;
}
