// Platform-independent part of the installation service: where the system
// and per-user trees are, the version files, the per-user installation with
// backup and rollback, and the removal of the aged app folder.
#pragma once

#include "upgrade_attempt.h"
#include "ustring.h"

class Service {
 public:
  // The [Version] section of an INFO file; every field is text as read.
  struct VersionInfo {
    ustring major_version;
    ustring minor_version;
    ustring build_version;
    ustring icon_overlay_version;
  };

  // A copy is of use only with the client executable and the start script
  // that starts it (paths in the app folder); a package that yields either
  // one not as an executable file fails to install.
  static constexpr char kClientExecutable[] = "bin/nimbora-backup-ui";
  static constexpr char kStartScript[] = "package/start-stop";

  Service() = default;
  virtual ~Service() = default;

  // The order of the virtual members below is the order of their slots.
  virtual void StopService() = 0;
  virtual void SetTimeout(int timeout);
  virtual int HandlePackageUpgrade() = 0;
  virtual void PostUpgrade() = 0;
  virtual void PreUpgrade() = 0;
  virtual bool IsNeedUpgrade() = 0;

 protected:
  virtual int ExtractPackage();
  virtual void LoadSourceVersion();
  virtual void LoadTargetVersion();
  virtual int PrepareUserEnv();

 public:
  // Removes the aged app folder, and the backup folders that an interrupted
  // upgrade left behind once the app folder holds a complete, current copy.
  void RemoveAgedFolders();
  // For a launch that holds the package back: removes partial copies and,
  // when the app folder is not a complete copy, puts the newest complete
  // backup in its place (the rollback of an upgrade that never ended), one
  // of the held-back build last; a complete backup of that build goes once
  // another build's copy is in place.
  void PutNewestCompleteCopyInPlace();

  // The previous copy an upgrade keeps until the new client has shown that
  // it runs: a complete backup of another build than the app folder's, with
  // its client.
  bool HasPreviousCopy() const;
  // Puts the previous copy back in place of the app folder's and removes
  // the latter: 0, or -1 (logged) with the app folder as it was.
  int PutPreviousCopyBack();
  // The new copy has shown that it runs: every backup goes.
  void RemovePreviousCopies();

  // Called when the lock of the user's copy could not be used: another
  // launcher of this user may be upgrading, so this one leaves the copy as it
  // is and only starts it. Set once on the main thread before the worker
  // starts.
  static void ForbidUpgrade();

  // Locations; composed afresh on every call, never touching the disk, but
  // for the system root: found once from the executable's real location,
  // and usable before the application object exists.
  static ustring GetUserInstallPath();
  static ustring GetRootNimboraInstallPath();
  static ustring GetRootNimboraResourceInstallPath();
  static ustring GetUserNimboraInstallPath();
  static ustring GetUserNimboraAppInstallPath();
  static ustring GetUserNimboraDataInstallPath();
  // The record of the last upgrade attempt, in the per-user directory.
  static ustring GetUserUpgradeRecordPath();

 protected:
  int FSCopyPath(const ustring& src, const ustring& dest);
  // The build number the package offers; 0 when it has none.
  int TargetBuild() const;
  // The package the system tree offers now, as the attempt record names it.
  PackageIdentity TargetPackage() const;
  // The bytes the package's copy takes once extracted, as the packaging
  // step declares them in the system INFO (key "unpacked_size" of its
  // [Package] section); 0 when it declares none or nothing valid.
  uint64_t DeclaredUnpackedSize() const;

  static bool upgrade_forbidden;

  int timeout = 0;
  ustring per_user_install_path;
  VersionInfo target_version;
  VersionInfo source_version;
  // Why the last PrepareUserEnv failed: the package, unless the user's file
  // system was found full, read-only or failing, or the copy could not even
  // be moved aside.
  UpgradeFailure last_failure = UpgradeFailure::kEnvironment;
  // Set by the launch before PrepareUserEnv: a committed upgrade keeps the
  // previous copy, named in previous_copy ("" when there was none to keep).
  bool keep_previous_copy = false;
  ustring previous_copy;
  // A new copy is on probation in this launch: its previous copy stays.
  bool probation_pending = false;

 private:
  void RemoveLeftoverBackups();
  void RemoveBackupsAfterCommit(int previous, int last);
  void PutBackupInPlace(int index);
  void RemoveCopiesOfHeldBuild();

  Service(const Service&) = delete;
  Service& operator=(const Service&) = delete;
};
