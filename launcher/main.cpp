// Entry point of the launcher: prepares the process, keeps to one launcher
// per user and executable and to one at a time per user's copy, opens the
// log, installs the user's language and hands over to the Launcher, whose
// worker thread does the real work.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <clocale>
#include <cstdio>
#include <string>

#include "ZorvLocale.h"
#include "cloud-service.h"
#include "display_probe.h"
#include "job_guard.h"
#include "launcher.h"
#include "lock_file.h"
#include "log.h"
#include "log_folder.h"
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

// The desktop platforms this tree carries (lib/plugins/platforms), tried
// after the user's or the session's choice, and the one that needs no
// display, tried last: a platform that is missing or cannot reach its
// display makes Qt abort the launch when none after it can start.
const char kXcbPlatform[] = "xcb";
const char kWaylandPlatform[] = "wayland";
const char kOffscreenPlatform[] = "offscreen";
const char kPlatformVariable[] = "QT_QPA_PLATFORM";

// Qt's own event dispatcher for the main thread instead of GLib's: GLib's
// writes to its wake-up descriptor for every event posted from another
// thread and so wakes the main thread once per progress report of the
// extraction, Qt's only when the main thread is not already due to wake.
// Nothing the launcher shows or loads needs a GLib main loop.
const char kNoGlibVariable[] = "QT_NO_GLIB";

// How long a launcher waits for another one, of any executable, that works
// on the same copy: longer than an upgrade of a large package takes on a
// slow disk. One still at work after that starts the client itself.
constexpr int kCopyLockWaitMillis = 300000;

// The lock of the user's copy, in the launcher's folder of the user's tree
// (beside the executables' own locks): one launcher at a time stops,
// upgrades and starts the copy, whichever system tree it came from.
const char kCopyLockName[] = "/log/copy.lock";

// Qt's Wayland platform draws its title bar only when its client buffer
// integration allows it, and the integrations Qt ships load EGL. The tree
// carries one of its own (lib/plugins/wayland-graphics-integration-client)
// that creates no GL window or context and allows it: the dialog then gets
// its title bar on compositors that draw none, in shared memory.
const char kBufferIntegrationVariable[] = "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION";
const char kShmDecorations[] = "nimbora-shm-decorations";

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

// Without a log folder or log file the messages go to standard error, the
// reason first.
static void initialize_logger() {
  ustring log_level = Service::GetRootNimboraInstallPath() + "/log/launcher.debug";
  ustring log_folder_path = Service::GetUserNimboraInstallPath() + "/log";
  ustring moved_to;
  if (!LogFolder::Prepare(log_folder_path, moved_to)) return;
  const ustring log_path = log_folder_path + "/launcher.log";
  if (Logger::Initialize(Logger::FILE_LOGGER, log_path, log_level, kLogRotateCount) != 0) {
    LOG_MSG(L_ERR, "launcher_debug", "[ERROR] main(%d): cannot open the log file '%s'\n", log_path.c_str());
  }
  if (!moved_to.empty()) {
    LOG_MSG(L_WARNING, "launcher_debug",
            "[WARNING] main(%d): '%s' was in the way of the log folder, moved to '%s'\n",
            log_folder_path.c_str(), moved_to.c_str());
  }
}

// Takes the lock of the user's copy, waiting (bounded) while another launcher
// works on it; what to do is decided only afterwards, from the copy as that
// one left it. Without a usable lock the copy is only started, never
// changed. False when the other launcher kept the copy too long: it starts
// the client itself.
static bool lock_copy(LockFile& copy_lock) {
  LockFile::Result r = copy_lock.TryLock();
  if (r == LockFile::kBusy) {
    LOG_MSG(L_INFO, "launcher_debug", "[INFO] main(%d): another launcher works on '%s', waiting\n",
            copy_lock.Path().c_str());
    r = copy_lock.WaitLock(kCopyLockWaitMillis);
  }
  if (r == LockFile::kBusy) {
    LOG_MSG(L_WARNING, "launcher_debug",
            "[WARNING] main(%d): '%s' still held, leaving the copy to its holder\n",
            copy_lock.Path().c_str());
    return false;
  }
  if (r == LockFile::kUnusable) {
    LOG_MSG(L_ERR, "launcher_debug", "[ERROR] main(%d): no lock on the copy, not upgrading\n");
    Service::ForbidUpgrade();
  }
  return true;
}

static QString getCurrentLanguageFileName() {
  QString strDefLan = ZorvLocale::getDefaultLanguage();
  return ":/" + strDefLan + ".qm";
}

// The platform Qt itself picks when the user names none: Wayland on a
// Wayland session unless the desktop is GNOME (whose own X server Qt
// prefers there), X everywhere else.
static QByteArray session_platform() {
  if (qgetenv("XDG_SESSION_TYPE") != kWaylandPlatform) return kXcbPlatform;
  const QByteArray desktops =
      qgetenv("XDG_CURRENT_DESKTOP").toLower() + ':' + qgetenv("XDG_SESSION_DESKTOP").toLower();
  return desktops.contains("gnome") ? kXcbPlatform : kWaylandPlatform;
}

// Whether a ';'-separated platform list names PLATFORM (an entry is a name,
// optionally followed by ':' and the platform's arguments).
static bool names_platform(const QByteArray& list, const QByteArray& platform) {
  for (const QByteArray& entry : list.split(';'))
    if (entry.split(':').first().toLower() == platform) return true;
  return false;
}

// The list Qt tries in turn: the user's choice as given (or Qt's own for
// the session), then each platform of the tree that it does not name yet,
// the session's desktop first and off screen last.
static QByteArray platform_list(const QByteArray& first) {
  const bool wayland_first = session_platform() == kWaylandPlatform;
  QByteArray list = first;
  for (const char* p : {wayland_first ? kWaylandPlatform : kXcbPlatform,
                        wayland_first ? kXcbPlatform : kWaylandPlatform, kOffscreenPlatform})
    if (!names_platform(list, p)) list += QByteArray(";") + p;
  return list;
}

// Only for the application object's construction; returns the list. A
// display that does not answer is left out, as if there were none;
// `silent` names it for the log.
static QByteArray choose_platforms(std::string& silent) {
  const QByteArray user = qgetenv(kPlatformVariable);
  const QByteArray list =
      DisplayProbe::WithoutSilentDisplays(platform_list(user.isEmpty() ? session_platform() : user), silent);
  qputenv(kPlatformVariable, list);
  return list;
}

// Also only for the application object's construction, which picks the main
// thread's event dispatcher; a choice of the user's own is kept.
static void choose_event_dispatcher() {
  if (!qEnvironmentVariableIsSet(kNoGlibVariable)) qputenv(kNoGlibVariable, "1");
}

// Only for the application object's construction and the first question
// about OpenGL, which makes the Wayland platform load its integration.
static void choose_buffer_integration() { qputenv(kBufferIntegrationVariable, kShmDecorations); }

// The Wayland platform reads the variable when it first needs its
// integration, not while it starts; asking whether threads may render with
// OpenGL makes it load the integration while the variable is still set
// (the answer is no: the integration has no OpenGL).
static void load_buffer_integration() {
  if (QGuiApplication::platformName().startsWith(kWaylandPlatform)) QOpenGLContext::supportsThreadedOpenGL();
}

int main(int argc, char** argv) {
  int ret = 0;
  JobGuard::WatchSessionSignals();
  initialize_resources();

  const UserVariable platform(kPlatformVariable), dispatcher(kNoGlibVariable), startup_id(kStartupIdVariable),
      integration(kBufferIntegrationVariable);
  std::string silent;
  const QByteArray platforms = choose_platforms(silent);
  choose_event_dispatcher();
  choose_buffer_integration();
  ProcessingProgressDialog::EnableHighDpi();
  QtSingleApplication app(argc, argv, true);
  JobGuard::Expect();
  load_buffer_integration();
  for (const UserVariable* v : {&platform, &dispatcher, &startup_id, &integration}) v->Restore();

  initialize_logger();
  if (!silent.empty())
    LOG_MSG(L_WARNING, "launcher_debug",
            "[WARNING] main(%d): no answer from the display of '%s': not tried\n", silent.c_str());
  LOG_MSG(L_INFO, "launcher_debug", "[INFO] main(%d): platform '%s' of '%s'\n",
          QGuiApplication::platformName().toUtf8().constData(), platforms.constData());
  if (app.isRunning()) {
    LOG_MSG(L_DEBUG, "launcher_debug", "[DEBUG] main(%d): app has already launched, return\n");
    JobGuard::Disarm();
    return ret;
  }
  LockFile copy_lock(Service::GetUserNimboraInstallPath() + kCopyLockName);
  if (!lock_copy(copy_lock)) {
    JobGuard::Disarm();
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
  JobGuard::Arm();
  launcher->Start();
  ret = QApplication::exec();
  JobGuard::Disarm();
  // The client is started: a thread the watchdog gave up must not meet the
  // destructors below nor those at exit.
  ThreadsLeftBehind::EndProcessIfAny(ret);
  delete launcher;
  return ret;
}
