// Platform-independent part of the installation service: where the system
// and per-user trees are, the version files, the per-user installation with
// backup and rollback, and the removal of the aged app folder.
#pragma once

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

  Service();
  virtual ~Service();

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
  void RemoveAgedFolders();

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

 protected:
  int FSCopyPath(const ustring& src, const ustring& dest);

  static bool upgrade_forbidden;

  int timeout = 0;
  ustring per_user_install_path;
  VersionInfo target_version;
  VersionInfo source_version;

 private:
  Service(const Service&) = delete;
  Service& operator=(const Service&) = delete;
};
