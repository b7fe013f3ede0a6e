// The application object of the launcher, which also tells whether another
// launcher of the same executable already runs for the same user.
//
// The guard is a kernel-held lock (flock) on a file in the temporary folder
// whose name derives from the executable's absolute path and the user id.
// The kernel drops the lock when its holder dies, so a crashed launcher never
// blocks the next start, and the descriptor is close-on-exec, so the client
// that the start script launches never inherits (and keeps holding) it.
#pragma once

#include <QApplication>
#include <QString>

class QtSingleApplication : public QApplication {
  Q_OBJECT

 public:
  QtSingleApplication(int& argc, char** argv, bool GUIenabled = true);
  ~QtSingleApplication() override;

  // True when another live launcher of this executable runs for this user.
  // The first call takes the lock; later calls repeat its answer.
  bool isRunning();

  // The lock file used for this executable and user.
  QString lockFilePath() const;

 private:
  // Opens (creating if needed) the lock file; -1 when it cannot be used.
  int openLockFile(const QString& path);

  int m_lock_fd = -1;
  bool m_checked = false;
  bool m_running = false;
};
