#include "qtsingleapplication.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <utility>

#include "cloud-service.h"
#include "log.h"

namespace {

// Only the user's own launchers may read or take the lock.
constexpr mode_t kLockFileMode = 0600;

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

QString QtSingleApplication::lockFilePath() const {
  const QByteArray exe = QCoreApplication::applicationFilePath().toUtf8();
  const QByteArray hash =
      QCryptographicHash::hash(exe, QCryptographicHash::Sha256).toHex().left(kPathHashChars);
  return QString::fromUtf8((Service::GetUserNimboraInstallPath() + "/log").c_str()) + "/launcher-" +
         QString::fromLatin1(hash) + ".lock";
}

UniqueFd QtSingleApplication::openLockFile(const QString& path) {
  const QByteArray p = QFile::encodeName(path);
  // The logger has made the folder already unless the home is unusable;
  // then this fails too and says why.
  QDir().mkpath(QFileInfo(path).absolutePath());
  // O_NONBLOCK: a FIFO planted under this name must not hang the start.
  // Read-only: flock needs no write access, so a lock file that the user
  // (or a tidy-up of theirs) made read-only still serves.
  UniqueFd fd(open(p.constData(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, kLockFileMode));
  if (!fd) {
    LOG_MSG(L_ERR, "launcher_debug",
            "[ERROR] qtsingleapplication(%d): cannot open lock file '%s': %s, not upgrading\n", p.constData(),
            strerror(errno));
    return fd;
  }
  struct stat st;
  if (fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) {
    LOG_MSG(L_ERR, "launcher_debug",
            "[ERROR] qtsingleapplication(%d): lock file '%s' is not a regular file of this user, not "
            "upgrading\n",
            p.constData());
    return UniqueFd();
  }
  return fd;
}

bool QtSingleApplication::isRunning() {
  if (m_checked) return m_running;
  m_checked = true;

  const QString path = lockFilePath();
  UniqueFd fd = openLockFile(path);
  if (!fd) return m_running;

  if (flock(fd.get(), LOCK_EX | LOCK_NB) == 0) {
    m_lock = std::move(fd);  // held until this object goes away
    return m_running;
  }
  if (errno == EWOULDBLOCK) {
    m_running = true;
  } else {
    LOG_MSG(L_ERR, "launcher_debug", "[ERROR] qtsingleapplication(%d): cannot lock '%s': %s, not upgrading\n",
            QFile::encodeName(path).constData(), strerror(errno));
  }
  return m_running;
}
