// The application object of the launcher, which also tells whether another
// launcher of the same executable already runs for the same user.
//
// The guard is a LockFile in the user's own tree ("<user dir>/log/
// launcher-<key>.lock", the key derived from the executable's real path), so
// neither the temporary folder a login chose nor another user can touch it.
// It only decides whether this launcher leaves at once; the user's copy is
// guarded by a lock of its own, whatever the executable (main).
#pragma once

#include <QApplication>
#include <memory>

#include "lock_file.h"
#include "ustring.h"

class QtSingleApplication : public QApplication {
  Q_OBJECT

 public:
  QtSingleApplication(int& argc, char** argv, bool GUIenabled = true);
  ~QtSingleApplication() override;

  // True when another live launcher of this executable runs for this user.
  // The first call takes the lock; later calls repeat its answer. False
  // also when the lock cannot be used at all (logged).
  bool isRunning();

  // The lock file used for this executable and user.
  ustring lockFilePath() const;

 private:
  // The lock, held for the life of the application object.
  std::unique_ptr<LockFile> m_lock;
  bool m_running = false;
};
