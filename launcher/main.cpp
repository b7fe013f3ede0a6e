// Entry point of the launcher: prepares the process, keeps to one launcher
// per user and executable, opens the log, installs the user's language and
// hands over to the Launcher, whose worker thread does the real work.
#include <QByteArray>
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
#include "threads_left_behind.h"
#include "ustring.h"

int qInitResources_texts();

namespace {

// Qt's plug-ins, below the system root.
const char kPluginRelPath[] = "/lib/plugins";

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

// The desktop's launch-feedback id, which Qt's xcb plug-in unsets.
const char kStartupIdVariable[] = "DESKTOP_STARTUP_ID";

// An environment variable as the user gave it (set or not, empty or not),
// put back after the application object's construction: the client that
// the start script launches must see the environment the user gave us, and
// Qt's xcb plug-in consumes the desktop's launch-feedback id, which the
// client needs to end the busy cursor.
class UserVariable {
 public:
  explicit UserVariable(const char* name)
      : name_(name), set_(qEnvironmentVariableIsSet(name)), value_(qgetenv(name)) {}

  void Restore() const {
    if (set_) {
      qputenv(name_, value_);
    } else {
      qunsetenv(name_);
    }
  }

 private:
  const char* name_;
  bool set_;
  QByteArray value_;
};

}  // namespace

static void initialize_resources() {
  setlocale(LC_ALL, "");
  qInitResources_texts();

  // Below the system root, which follows the executable's real location: a
  // plug-in folder found from argv[0] would be beside a link or below the
  // working folder, where anyone may have planted one.
  const ustring root = Service::GetRootNimboraInstallPath();
  QString path = QDir::cleanPath(QString::fromUtf8(root.c_str()) + kPluginRelPath);
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

// Only for the application object's construction.
static void choose_platform_fallback() {
  if (qEnvironmentVariableIsEmpty(kPlatformVariable)) qputenv(kPlatformVariable, kPlatformFallback);
}

// Also only for the application object's construction, which picks the main
// thread's event dispatcher; a choice of the user's own is kept.
static void choose_event_dispatcher() {
  if (!qEnvironmentVariableIsSet(kNoGlibVariable)) qputenv(kNoGlibVariable, "1");
}

int main(int argc, char** argv) {
  int ret = 0;
  initialize_resources();

  const UserVariable platform(kPlatformVariable), dispatcher(kNoGlibVariable), startup_id(kStartupIdVariable);
  choose_platform_fallback();
  choose_event_dispatcher();
  ProcessingProgressDialog::EnableHighDpi();
  QtSingleApplication app(argc, argv, true);
  for (const UserVariable* v : {&platform, &dispatcher, &startup_id}) v->Restore();

  initialize_logger();
  if (app.isRunning()) {
    LOG_MSG(L_DEBUG, "launcher_debug", "[DEBUG] main(%d): app has already launched, return\n");
    return ret;
  }
  if (!app.holdsLock()) Service::ForbidUpgrade();

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
  // The client is started: a thread the watchdog gave up must not meet the
  // destructors below nor those at exit.
  ThreadsLeftBehind::EndProcessIfAny(ret);
  delete launcher;
  return ret;
}
