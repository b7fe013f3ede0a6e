// The application object of the launcher, which also tells whether another
// launcher of the same executable already runs for the same user.
//
// The guard is a kernel-held lock (flock) on a file in the user's own tree
// ("<user dir>/log/launcher-<key>.lock", the key derived from the
// executable's real path), so neither the temporary folder a login chose nor
// another user can touch it. The kernel drops the lock when its holder dies,
// so a crashed launcher never blocks the next start, and the descriptor is
// close-on-exec, so the client that the start script launches never inherits
// (and keeps holding) it.
#pragma once

#include <QApplication>
#include <QString>

#include "unique-fd.h"

class QtSingleApplication : public QApplication {
  Q_OBJECT

 public:
  QtSingleApplication(int& argc, char** argv, bool GUIenabled = true);
  ~QtSingleApplication() override;

  // True when another live launcher of this executable runs for this user.
  // The first call takes the lock; later calls repeat its answer.
  bool isRunning();

  // True when this launcher holds the lock. False after isRunning() also
  // when the lock could not be used at all (logged): such a launcher must
  // not change the user's copy, as another one may be doing so.
  bool holdsLock() const { return static_cast<bool>(m_lock); }

  // The lock file used for this executable and user.
  QString lockFilePath() const;

 private:
  // Opens (creating it and its folder if needed) the lock file; empty when
  // it cannot be used.
  UniqueFd openLockFile(const QString& path);

  // The locked file, open for the life of the application object.
  UniqueFd m_lock;
  bool m_checked = false;
  bool m_running = false;
};
