#include "qtsingleapplication.h"

#include <QByteArray>
#include <QCryptographicHash>

#include "cloud-service.h"
#include "log.h"

namespace {

// Hex digits of the executable-path hash kept in the file name: enough to
// tell installations apart, short enough for any home.
constexpr int kPathHashChars = 16;

}  // namespace

// Qt 5's QApplication is always a GUI application; its third constructor
// argument is a version number for compatibility switches, not a GUI flag,
// so GUIenabled must not be passed on.
QtSingleApplication::QtSingleApplication(int& argc, char** argv, bool /*GUIenabled*/)
    : QApplication(argc, argv) {}

// Closing the lock releases it. The file itself stays: removing it would let
// a launcher that opened the old file and one that creates a new file both
// believe they are alone.
QtSingleApplication::~QtSingleApplication() = default;

ustring QtSingleApplication::lockFilePath() const {
  const QByteArray exe = QCoreApplication::applicationFilePath().toUtf8();
  const QByteArray hash =
      QCryptographicHash::hash(exe, QCryptographicHash::Sha256).toHex().left(kPathHashChars);
  return Service::GetUserNimboraInstallPath() + "/log/launcher-" + hash.constData() + ".lock";
}

bool QtSingleApplication::isRunning() {
  if (m_lock) return m_running;
  m_lock = std::make_unique<LockFile>(lockFilePath());
  const LockFile::Result r = m_lock->TryLock();
  m_running = r == LockFile::kBusy;
  if (r == LockFile::kUnusable) {
    LOG_MSG(L_ERR, "launcher_debug",
            "[ERROR] qtsingleapplication(%d): cannot tell whether this launcher runs already, going on\n");
  }
  return m_running;
}
