#include "cloud-service.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "extractor.h"
#include "file-op.h"
#include "log.h"

namespace {

// Backup names tried: <app dir>_tmp, then _tmp1 to _tmp9.
constexpr int MAX_RENAME_COUNT = 10;

// Room for the decimal retry number; 1 to 9 always fit.
constexpr size_t kRetryTextSize = 8;

// The kernel's link to the running executable's file, links already resolved.
constexpr char kExecutableLink[] = "/proc/self/exe";

// "" when the kernel does not say where the executable is (no /proc): every
// system path is then below "/", whose folders only root can plant files in.
ustring RootOfExecutable() {
  std::unique_ptr<char, decltype(&free)> exe(realpath(kExecutableLink, nullptr), &free);
  if (!exe) {
    LOG_MSG(L_ERR, "service_debug", "[ERROR] cloud-service(%d): cannot resolve '%s': %s\n", kExecutableLink,
            strerror(errno));
    return ustring("");
  }
  std::string root = exe.get();
  for (int up = 0; up < 2; ++up) root.erase(std::min(root.size(), root.rfind('/')));
  return ustring(root.c_str());
}

// A copy is of use only with the client executable and the start script
// that starts it (paths in the app folder); a package that yields either
// one not as an executable file fails to install.
constexpr char kClientExecutable[] = "bin/nimbora-backup-ui";
constexpr char kStartScript[] = "package/start-stop";

ustring FromQt(const QString& s) { return ustring(s.toUtf8().constData()); }

ustring GetAppBackupDir(const ustring& app_dir, int tries) {
  ustring dir = app_dir + "_tmp";
  if (tries == 0) return dir;
  char postfix[kRetryTextSize];
  int n = snprintf(postfix, sizeof postfix, "%d", tries);
  if (n < 0 || static_cast<size_t>(n) >= sizeof postfix) {
    LOG_MSG(L_ERR, "service_debug",
            "[ERROR] cloud-service(%d): snprintf failed (continuing without postfix)\n");
    postfix[0] = '\0';
  }
  return dir + postfix;
}

// Reads the [Version] section of an INFO file; a key that is absent leaves
// its field as it was.
void ReadVersionFile(const ustring& path, Service::VersionInfo& version) {
  static const struct {
    const char* key;
    ustring Service::VersionInfo::*field;
  } kKeys[] = {
      {"major_version", &Service::VersionInfo::major_version},
      {"minor_version", &Service::VersionInfo::minor_version},
      {"build_version", &Service::VersionInfo::build_version},
      {"icon_overlay_version", &Service::VersionInfo::icon_overlay_version},
  };
  QSettings settings(QString::fromUtf8(path.c_str()), QSettings::IniFormat);
  // Without it Qt 5 decodes bytes beyond ASCII as Latin-1.
  settings.setIniCodec("UTF-8");
  settings.beginGroup("Version");
  for (const auto& k : kKeys) {
    if (settings.contains(k.key)) version.*k.field = FromQt(settings.value(k.key).toString());
  }
}

// Gives the owner back the rights that emptying a folder takes, on every
// folder of a tree the process owns. Links are not followed.
void GrantOwnerRights(const ustring& dir) {
  struct stat st;
  if (lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid()) return;
  if ((st.st_mode & S_IRWXU) != S_IRWXU) chmod(dir.c_str(), (st.st_mode & 07777) | S_IRWXU);
  DIR_HANDLE handle;
  if (FSOpenDir(dir, 0, handle) < 0) return;
  DIR_ENTRY entry;
  while (FSReadDir(handle, entry) > 0) {
    if (entry.type != FT_DIR || entry.name == ustring(".") || entry.name == ustring("..")) continue;
    GrantOwnerRights(dir + "/" + entry.name);
  }
  FSCloseDir(handle);
}

// Removes a copy of the client (a backup, a partial extraction, the aged
// folder). A folder in it that the user or the package made read-only cannot
// be emptied, and FSRemove would leave the whole copy behind: a backup that
// stays takes one of the ten backup names for good, and a partial copy that
// stays blocks the rollback. The copy is the user's own and goes anyway.
int RemoveCopy(const ustring& dir) {
  if (FSRemove(dir, false) == 0) return 0;
  GrantOwnerRights(dir);
  return FSRemove(dir, false);
}

}  // namespace

Service::Service() {}

Service::~Service() {}

void Service::SetTimeout(int timeout) { this->timeout = timeout; }

// Locations ------------------------------------------------------------------

// Qt falls back to "/" when HOME is unset or empty; the user's own home from
// the password database is the better answer (root would otherwise get a
// per-user tree at the top of the file system).
ustring Service::GetUserInstallPath() {
  if (!qEnvironmentVariableIsEmpty("HOME")) return FromQt(QDir::homePath());
  struct passwd entry;
  struct passwd* found = nullptr;
  char buf[4096];
  if (getpwuid_r(geteuid(), &entry, buf, sizeof buf, &found) == 0 && found && found->pw_dir &&
      found->pw_dir[0] == '/')
    return ustring(found->pw_dir);
  return FromQt(QDir::homePath());
}

// The system root is the parent of the folder that holds the executable's
// real file: how the launcher was started (a link elsewhere, a bare name
// found through PATH, the working folder) never moves it, so nothing beside
// a link or below the working folder is ever taken for part of the tree.
// Found once, before the application object exists (the plug-in folder is
// derived from it), and the same for the whole run.
ustring Service::GetRootNimboraInstallPath() {
  static const ustring root = RootOfExecutable();
  return root;
}

ustring Service::GetRootNimboraResourceInstallPath() { return GetRootNimboraInstallPath() + ""; }

ustring Service::GetUserNimboraInstallPath() { return GetUserInstallPath() + "/" + ".NimboraBackup"; }

ustring Service::GetUserNimboraAppInstallPath() { return GetUserNimboraInstallPath() + "/" + "Nimbora.app"; }

ustring Service::GetUserNimboraDataInstallPath() { return GetUserNimboraInstallPath() + "/" + "data"; }

// Versions -------------------------------------------------------------------

void Service::LoadSourceVersion() {
  ustring path = GetUserNimboraAppInstallPath() + "/" + "INFO";
  if (!IsFileExist(path, false)) {
    LOG_MSG(L_INFO, "service_debug", "[INFO] cloud-service(%d): source does not exist\n");
    return;
  }
  ReadVersionFile(path, source_version);
  LOG_MSG(L_INFO, "service_debug", "[INFO] cloud-service(%d): source_version = (%s, %s, %s, %s)\n",
          source_version.major_version.c_str(), source_version.minor_version.c_str(),
          source_version.build_version.c_str(), source_version.icon_overlay_version.c_str());
}

void Service::LoadTargetVersion() {
  // A missing file simply holds no keys.
  ReadVersionFile(GetRootNimboraResourceInstallPath() + "/" + "INFO", target_version);
  LOG_MSG(L_INFO, "service_debug", "[INFO] cloud-service(%d): target_version = (%s, %s, %s, %s)\n",
          target_version.major_version.c_str(), target_version.minor_version.c_str(),
          target_version.build_version.c_str(), target_version.icon_overlay_version.c_str());
}

// Per-user installation ------------------------------------------------------

int Service::PrepareUserEnv() {
  const ustring app_dir = per_user_install_path;
  ustring backup_dir;
  int rename_count = 0;

  if (IsFileExist(app_dir, false)) {
    for (;;) {
      backup_dir = GetAppBackupDir(app_dir, rename_count);
      if (FSRename(app_dir, backup_dir, false) == 0) break;
      LOG_MSG(L_ERR, "service_debug", "[ERROR] cloud-service(%d): failed to backup app from '%s' -> '%s'\n",
              app_dir.c_str(), backup_dir.c_str());
      if (++rename_count == MAX_RENAME_COUNT) {
        LOG_MSG(L_ERR, "service_debug",
                "[ERROR] cloud-service(%d): failed to backup app from '%s' -> '%s' at max retries, exiting\n",
                app_dir.c_str(), backup_dir.c_str());
        return -1;
      }
    }
  }

  // The extractor puts INFO in place only after the new copy is complete and
  // on disk, so the backups are never removed before that.
  if (ExtractPackage() == 0) {
    LOG_MSG(L_INFO, "service_debug",
            "[INFO] cloud-service(%d): user installation is ready, removing backup app\n");
    for (int i = 0; i <= rename_count; ++i) RemoveCopy(GetAppBackupDir(app_dir, i));
    return 0;
  }

  if (backup_dir.empty()) {
    LOG_MSG(L_ERR, "service_debug",
            "[ERROR] cloud-service(%d): Failed to extract package, and no old installation to rollback\n");
    return -1;
  }
  LOG_MSG(L_ERR, "service_debug",
          "[ERROR] cloud-service(%d): Failed to extract package, rollback to old installation\n");
  RemoveCopy(app_dir);
  FSRename(backup_dir, app_dir, false);
  return -1;
}

int Service::ExtractPackage() {
  const ustring source = GetRootNimboraResourceInstallPath() + "/package/nimbora.nbpk";
  const ustring destination = GetUserNimboraAppInstallPath();
  if (FSMKDir(destination, true) < 0) {
    LOG_MSG(L_ERR, "service_debug", "[ERROR] cloud-service(%d): failed to create folder: '%s'\n",
            destination.c_str());
    return -1;
  }
  LOG_MSG(L_INFO, "service_debug", "[INFO] cloud-service(%d): extract package: '%s' -> '%s'\n",
          source.c_str(), destination.c_str());
  Extractor extractor;
  extractor.SetSource(source);
  extractor.SetTarget(destination);
  extractor.SetRequiredExecutables({kClientExecutable, kStartScript});
  return extractor.Extract();
}

void Service::RemoveAgedFolders() {
  const ustring aged = GetUserNimboraInstallPath() + "/app";
  LOG_MSG(L_INFO, "service_debug", "[INFO] cloud-service(%d): removing aged app folder %s\n", aged.c_str());
  RemoveCopy(aged);
}

int Service::FSCopyPath(const ustring& src, const ustring& dest) {
  LOG_MSG(L_DEBUG, "service_debug", "[DEBUG] cloud-service(%d): copy from '%s' to '%s'\n", src.c_str(),
          dest.c_str());
  FILE_INFO info;
  if (FSStat(src, info, false) < 0) {
    LOG_MSG(L_ERR, "service_debug", "[ERROR] cloud-service(%d): FSCopyPath: failed to stat source '%s'\n",
            src.c_str());
    return -1;
  }
  if (!info.isExist) {
    LOG_MSG(L_ERR, "service_debug",
            "[ERROR] cloud-service(%d): FSCopyPath: source path '%s' does not exist\n", src.c_str());
    return -1;
  }
  if (info.type != FT_DIR) return FSCopy(src, dest, false) < 0 ? -1 : 0;

  if (FSMKDir(dest, true) < 0) {
    LOG_MSG(L_ERR, "service_debug",
            "[ERROR] cloud-service(%d): FSCopyPath: failed to create dest folder '%s'\n", dest.c_str());
    return -1;
  }
  DIR_HANDLE dir;
  if (FSOpenDir(src, 0, dir) < 0) {
    LOG_MSG(L_WARNING, "service_debug",
            "[WARNING] cloud-service(%d): FSCopyPath: failed to create handle  for src '%s' failed\n",
            src.c_str());
    return 0;
  }
  DIR_ENTRY entry;
  while (FSReadDir(dir, entry) > 0) {
    if (entry.name == ustring(".") || entry.name == ustring("..")) continue;
    const ustring child_src = src + "/" + entry.name;
    const ustring child_dest = dest + "/" + entry.name;
    int r = entry.type == FT_DIR ? FSCopyPath(child_src, child_dest) : FSCopy(child_src, child_dest, false);
    if (r < 0) {
      LOG_MSG(L_ERR, "service_debug",
              "[ERROR] cloud-service(%d): FSCopyPath: failed to copy from '%s' to '%s'\n", child_src.c_str(),
              child_dest.c_str());
      FSCloseDir(dir);
      return -1;
    }
  }
  FSCloseDir(dir);
  return 0;
}
