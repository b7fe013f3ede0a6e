#include "cloud-service.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "adapter.h"
#include "config.h"
#include "copy_move.h"
#include "extractor.h"
#include "file-op.h"
#include "log.h"
#include "strtab.h"

namespace {

// Backup names tried: <app dir>_tmp, then _tmp1 to _tmp9.
constexpr int MAX_RENAME_COUNT = 10;

// Room for the decimal retry number; 1 to 9 always fit.
constexpr size_t kRetryTextSize = 8;

// The package archive and the version file, below the system root.
constexpr char kPackageRelPath[] = "/package/nimbora.nbpk";
// ExtractPackage's failure when the flush of the new copy stalled in the
// disk: the environment's fault, whatever a probe write says afterwards.
constexpr int kDiskStalled = -2;
constexpr char kInfoRelPath[] = "/INFO";

// The record of the last upgrade attempt, below the per-user directory.
constexpr char kUpgradeRecordName[] = "/upgrade.attempt";

// The kernel's link to the running executable's file, links already resolved.
constexpr char kExecutableLink[] = "/proc/self/exe";

// "" when the kernel does not say where the executable is (no /proc): every
// system path is then below "/", whose folders only root can plant files in.
ustring RootOfExecutable() {
  ustring exe;
  if (FSRealPath(kExecutableLink, exe) != 0) {
    LOG_MSG(L_ERR, "service_debug", "[ERROR] cloud-service(%d): cannot resolve '%s': %s\n", kExecutableLink,
            strerror(errno));
    return ustring("");
  }
  std::string root = exe.c_str();
  for (int up = 0; up < 2; ++up) root.erase(std::min(root.size(), root.rfind('/')));
  return ustring(root.c_str());
}

// The path with doubled and trailing slashes, "." and ".." taken out as Qt's
// cleanPath does, but on the bytes: a name that is not UTF-8 (a home of
// another encoding) stays exactly as it is, where a trip through QString
// would replace its bytes.
std::string CleanPath(const std::string& path) {
  const bool absolute = !path.empty() && path[0] == '/';
  std::vector<std::string> parts;
  for (size_t p = 0; p <= path.size();) {
    size_t e = path.find('/', p);
    if (e == std::string::npos) e = path.size();
    const std::string part = path.substr(p, e - p);
    p = e + 1;
    if (part.empty() || part == ".") continue;
    if (part == ".." && !parts.empty() && parts.back() != "..") {
      parts.pop_back();
      continue;
    }
    if (part == ".." && absolute) continue;
    parts.push_back(part);
  }
  std::string out = absolute ? "/" : "";
  for (size_t i = 0; i < parts.size(); ++i) out += (i ? "/" : "") + parts[i];
  return out.empty() ? "." : out;
}

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

// Digits of an entry count that std::stoll reads without overflow.
constexpr size_t kMaxCountDigits = 18;

// Reads the [Version] section of an INFO file; a key that is absent leaves
// its field as it was, and so does a file that is missing or refused (a FIFO,
// a link, a device: never opened blocking).
void ReadVersionFile(const ustring& path, Service::VersionInfo& version) {
  Config info;
  info.read_section(path, "Version");
  const auto take = [&info](const char* key, ustring& field) {
    const auto found = info.items().find(ustring(key));
    if (found != info.items().end()) field = found->second;
  };
  take("major_version", version.major_version);
  take("minor_version", version.minor_version);
  take("build_version", version.build_version);
  take("icon_overlay_version", version.icon_overlay_version);
}

// A whole number the packaging step wrote under `key` in the [Package]
// section of the system INFO at path; 0 when it is absent or not one.
uint64_t ReadPackageNumber(const ustring& path, const char* key) {
  Config info;
  if (info.read_section(path, "Package") != 0) return 0;
  const std::string value = info[ustring(key)].c_str();
  if (value.empty() || value.size() > kMaxCountDigits ||
      value.find_first_not_of("0123456789") != std::string::npos)
    return 0;
  return std::stoull(value);
}

// The number of entries the packaging step found in the package archive
// ("entry_count"); 0 when it is absent or not a whole positive number, and
// the extractor counts.
int ReadPackageEntryCount(const ustring& path) {
  const uint64_t count = ReadPackageNumber(path, "entry_count");
  return count <= static_cast<uint64_t>(std::numeric_limits<int>::max()) ? static_cast<int>(count) : 0;
}

// Removes a copy of the client (a backup, a partial extraction, the aged
// folder). A folder in it that the user or the package made read-only cannot
// be emptied, and FSRemove would leave the whole copy behind: a backup that
// stays takes one of the ten backup names for good, and a partial copy that
// stays blocks the rollback. The copy is the user's own and goes anyway: the
// walk gives such folders u+rwx through their descriptors as it meets them.
int RemoveCopy(const ustring& dir) {
  const int rc = FSRemoveOwnTree(dir);
  if (rc != 0)
    LOG_MSG(L_WARNING, "service_debug", "[WARNING] cloud-service(%d): could not remove '%s' (%d)\n",
            dir.c_str(), rc);
  return rc;
}

// A copy whose INFO is in place was committed whole; one without it is what
// an interrupted extraction left and must never be rolled back to.
bool IsCompleteCopy(const ustring& dir) {
  struct stat st;
  return lstat((dir + "/INFO").c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

int BuildOf(const ustring& dir) {
  Service::VersionInfo v;
  ReadVersionFile(dir + "/INFO", v);
  return atoi(v.build_version.c_str());
}

// A complete copy whose client is there: one worth falling back to.
bool IsUsableCopy(const ustring& dir) {
  struct stat st;
  return IsCompleteCopy(dir) && lstat((dir + "/" + Service::kClientExecutable).c_str(), &st) == 0;
}

// The complete backup to roll back to: of the highest build, but never of
// the build `avoid` (a package that failed) while another one is there.
// -1 when there is none.
int BackupToRollBackTo(const ustring& app_dir, int avoid) {
  int best = -1, best_build = 0;
  bool best_avoided = true;
  for (int i = 0; i < MAX_RENAME_COUNT; ++i) {
    const ustring dir = GetAppBackupDir(app_dir, i);
    if (!IsCompleteCopy(dir)) continue;
    const int build = BuildOf(dir);
    const bool avoided = build == avoid;
    if (best < 0 || (best_avoided && !avoided) || (avoided == best_avoided && build > best_build))
      best = i, best_build = build, best_avoided = avoided;
  }
  return best;
}

// The backup holding the copy the app folder's replaced: usable, of another
// build than the app folder's, the newest such; -1 when there is none.
int PreviousCopyOf(const ustring& app_dir) {
  const int build = BuildOf(app_dir);
  const int index = BackupToRollBackTo(app_dir, build);
  if (index < 0) return -1;
  const ustring dir = GetAppBackupDir(app_dir, index);
  return IsUsableCopy(dir) && BuildOf(dir) != build ? index : -1;
}

// Before an upgrade: removes the partial copies an interrupted upgrade left
// (the app folder and backups without INFO) and, when the app folder is not
// a complete copy, names in `kept` the backup to roll back to (-1 when there
// is none; see BackupToRollBackTo for `avoid`). 0, or -1 when a partial app
// folder stays in the way.
int DropPartialCopies(const ustring& app_dir, int avoid, int& kept) {
  kept = -1;
  if (IsFileExist(app_dir, false) && !IsCompleteCopy(app_dir)) {
    LOG_MSG(L_WARNING, "service_debug", "[WARNING] cloud-service(%d): removing partial copy '%s'\n",
            app_dir.c_str());
    if (RemoveCopy(app_dir) != 0) {
      LOG_MSG(L_ERR, "service_debug", "[ERROR] cloud-service(%d): partial copy '%s' stays, not upgrading\n",
              app_dir.c_str());
      return -1;
    }
  }
  for (int i = 0; i < MAX_RENAME_COUNT; ++i) {
    const ustring dir = GetAppBackupDir(app_dir, i);
    if (!IsFileExist(dir, false) || IsCompleteCopy(dir)) continue;
    LOG_MSG(L_WARNING, "service_debug", "[WARNING] cloud-service(%d): removing partial copy '%s'\n",
            dir.c_str());
    RemoveCopy(dir);
  }
  if (!IsFileExist(app_dir, false)) kept = BackupToRollBackTo(app_dir, avoid);
  if (kept >= 0)
    LOG_MSG(L_INFO, "service_debug", "[INFO] cloud-service(%d): rollback target is '%s'\n",
            GetAppBackupDir(app_dir, kept).c_str());
  return 0;
}

}  // namespace

bool Service::upgrade_forbidden = false;

void Service::ForbidUpgrade() { upgrade_forbidden = true; }

void Service::SetTimeout(int timeout) { this->timeout = timeout; }

// Locations ------------------------------------------------------------------

// HOME's bytes as given, cleaned as Qt cleans the home path. Qt falls back
// to "/" when HOME is unset or empty; the user's own home from the password
// database is the better answer (root would otherwise get a per-user tree at
// the top of the file system).
ustring Service::GetUserInstallPath() {
  const char* home = getenv("HOME");
  if (home && *home) return ustring(CleanPath(home).c_str());
  struct passwd entry;
  struct passwd* found = nullptr;
  char buf[4096];
  if (getpwuid_r(geteuid(), &entry, buf, sizeof buf, &found) == 0 && found && found->pw_dir &&
      found->pw_dir[0] == '/')
    return ustring(found->pw_dir);
  return ustring("/");
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

ustring Service::GetUserUpgradeRecordPath() { return GetUserNimboraInstallPath() + kUpgradeRecordName; }

PackageIdentity Service::TargetPackage() const {
  const ustring root = GetRootNimboraResourceInstallPath();
  return PackageIdentity::Of(target_version.build_version.c_str(), root + kPackageRelPath,
                             root + kInfoRelPath);
}

uint64_t Service::DeclaredUnpackedSize() const {
  return ReadPackageNumber(GetRootNimboraResourceInstallPath() + kInfoRelPath, "unpacked_size");
}

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
  last_failure = UpgradeFailure::kEnvironment;
  const ustring app_dir = per_user_install_path;
  int kept = -1;  // the backup index rolled back to, -1 for none
  previous_copy = ustring("");
  if (DropPartialCopies(app_dir, TargetBuild(), kept) != 0) return -1;

  int rename_count = 0;
  if (IsFileExist(app_dir, false)) {
    for (;;) {
      const ustring backup_dir = GetAppBackupDir(app_dir, rename_count);
      const CopyMoved moved = MoveCopy(app_dir, backup_dir);
      if (moved == CopyMoved::kDone) break;
      // The old copy is whole as the backup, but what is left of it in the
      // app folder is in the way of the new one: the next launch removes
      // it and rolls back.
      if (moved == CopyMoved::kOriginalLeft) return -1;
      LOG_MSG(L_ERR, "service_debug", "[ERROR] cloud-service(%d): failed to backup app from '%s' -> '%s'\n",
              app_dir.c_str(), backup_dir.c_str());
      if (++rename_count == MAX_RENAME_COUNT) {
        LOG_MSG(L_ERR, "service_debug",
                "[ERROR] cloud-service(%d): failed to backup app from '%s' -> '%s' at max retries, exiting\n",
                app_dir.c_str(), backup_dir.c_str());
        return -1;
      }
    }
    kept = rename_count;
  }

  // The extractor puts INFO in place only after the new copy is complete and
  // on disk, so the backups are never removed before that.
  const int extracted = ExtractPackage();
  if (extracted == 0) {
    RemoveBackupsAfterCommit(kept, std::max(rename_count, kept));
    return 0;
  }

  // Judged while what the extraction wrote still takes its room: once the
  // partial copy is gone, a full disk would look like a bad package.
  last_failure = extracted == kDiskStalled ? UpgradeFailure::kEnvironment
                                           : UpgradeAttempt::ClassifyFailure(GetUserNimboraInstallPath());
  // What the failed extraction left must not look like an installed copy.
  RemoveCopy(app_dir);
  if (kept < 0) {
    LOG_MSG(L_ERR, "service_debug",
            "[ERROR] cloud-service(%d): Failed to extract package, and no old installation to rollback\n");
    return -1;
  }
  LOG_MSG(L_ERR, "service_debug",
          "[ERROR] cloud-service(%d): Failed to extract package, rollback to old installation\n");
  PutBackupInPlace(kept);
  return -1;
}

// The backup at `index` becomes the app folder, which nothing holds. What is
// left of the backup when it was copied has no INFO and goes with the next
// launch's partial copies.
void Service::PutBackupInPlace(int index) {
  const ustring app_dir = per_user_install_path;
  const ustring backup_dir = GetAppBackupDir(app_dir, index);
  if (MoveCopy(backup_dir, app_dir) == CopyMoved::kNotMoved)
    LOG_MSG(L_ERR, "service_debug", "[ERROR] cloud-service(%d): failed to put '%s' back as '%s'\n",
            backup_dir.c_str(), app_dir.c_str());
}

// The backups up to index `last` go, but for the previous copy at `previous`
// while the launch keeps it until the new client has shown that it runs.
void Service::RemoveBackupsAfterCommit(int previous, int last) {
  const ustring app_dir = per_user_install_path;
  const bool keep = keep_previous_copy && previous >= 0 && IsUsableCopy(GetAppBackupDir(app_dir, previous));
  if (keep) {
    previous_copy = GetAppBackupDir(app_dir, previous);
    LOG_MSG(L_INFO, "service_debug",
            "[INFO] cloud-service(%d): user installation is ready, keeping '%s' until the new client runs\n",
            previous_copy.c_str());
  } else {
    LOG_MSG(L_INFO, "service_debug",
            "[INFO] cloud-service(%d): user installation is ready, removing backup app\n");
  }
  for (int i = 0; i <= last; ++i)
    if (!keep || i != previous) RemoveCopy(GetAppBackupDir(app_dir, i));
}

int Service::ExtractPackage() {
  const ustring source = GetRootNimboraResourceInstallPath() + kPackageRelPath;
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
  extractor.SetDeclaredEntryCount(ReadPackageEntryCount(GetRootNimboraResourceInstallPath() + kInfoRelPath));
  Notify_Adapter* dialog = Notify_Adapter::GetInstance();
  extractor.SetProgressSink([dialog](int total, int steps) { dialog->UpdateProgress(total, steps); });
  dialog->UpdateDialogText(StrTable::LoadStr(StrTable::desc_nmbr_env_preparing));
  const int r = extractor.Extract();
  return r != 0 && extractor.disk_stalled() ? kDiskStalled : r;
}

void Service::RemoveAgedFolders() {
  const ustring aged = GetUserNimboraInstallPath() + "/app";
  LOG_MSG(L_INFO, "service_debug", "[INFO] cloud-service(%d): removing aged app folder %s\n", aged.c_str());
  RemoveCopy(aged);
  RemoveLeftoverBackups();
}

// A kill after the new copy's INFO was put in place and before the backups
// were removed leaves a whole old copy behind, which no later launch with
// nothing to upgrade would look at: it is removed here, as the upgrade
// itself removes its backups. Only with the single-instance lock (another
// launcher may be upgrading), and only when the app folder is a complete
// copy at least as new as the package: never the copy a rollback needs.
// While a new copy is on probation, its previous copy is no leftover.
void Service::RemoveLeftoverBackups() {
  const ustring app_dir = per_user_install_path;
  if (upgrade_forbidden || app_dir.empty() || probation_pending) return;
  bool app_is_current = false;
  for (int i = 0; i < MAX_RENAME_COUNT; ++i) {
    const ustring dir = GetAppBackupDir(app_dir, i);
    if (!IsFileExist(dir, false)) continue;
    if (!app_is_current) {
      if (!IsCompleteCopy(app_dir) || BuildOf(app_dir) < TargetBuild()) return;
      app_is_current = true;
    }
    LOG_MSG(L_INFO, "service_debug",
            "[INFO] cloud-service(%d): removing backup '%s' left by an earlier upgrade\n", dir.c_str());
    RemoveCopy(dir);
  }
}

void Service::PutNewestCompleteCopyInPlace() {
  const ustring app_dir = per_user_install_path;
  int kept = -1;
  if (app_dir.empty() || DropPartialCopies(app_dir, TargetBuild(), kept) != 0) return;
  if (kept >= 0) PutBackupInPlace(kept);
  RemoveCopiesOfHeldBuild();
}

// A copy of the held-back build that a fall back cut short left as a backup
// is of no use once another build's copy is in place.
void Service::RemoveCopiesOfHeldBuild() {
  const ustring app_dir = per_user_install_path;
  const int held = TargetBuild();
  if (!IsCompleteCopy(app_dir) || BuildOf(app_dir) == held) return;
  for (int i = 0; i < MAX_RENAME_COUNT; ++i) {
    const ustring dir = GetAppBackupDir(app_dir, i);
    if (IsCompleteCopy(dir) && BuildOf(dir) == held) RemoveCopy(dir);
  }
}

bool Service::HasPreviousCopy() const { return PreviousCopyOf(per_user_install_path) >= 0; }

// The new copy is set aside under a free backup name before the previous one
// takes its place, and removed only then: whenever the launcher dies, the
// app folder is empty or holds a complete copy, and the copy to put back is
// still complete under its own name.
int Service::PutPreviousCopyBack() {
  const ustring app_dir = per_user_install_path;
  const int index = PreviousCopyOf(app_dir);
  if (index < 0) return -1;
  const ustring previous = GetAppBackupDir(app_dir, index);
  ustring aside;
  for (int i = 0; i < MAX_RENAME_COUNT && aside.empty(); ++i)
    if (!IsFileExist(GetAppBackupDir(app_dir, i), false)) aside = GetAppBackupDir(app_dir, i);
  if (aside.empty() || MoveCopy(app_dir, aside) != CopyMoved::kDone) {
    LOG_MSG(L_ERR, "service_debug", "[ERROR] cloud-service(%d): cannot set '%s' aside\n", app_dir.c_str());
    return -1;
  }
  // Left over from a previous copy that was copied into place, its INFO
  // gone: a partial copy the next launch removes.
  if (MoveCopy(previous, app_dir) == CopyMoved::kNotMoved) {
    LOG_MSG(L_ERR, "service_debug", "[ERROR] cloud-service(%d): failed to put '%s' back as '%s'\n",
            previous.c_str(), app_dir.c_str());
    MoveCopy(aside, app_dir);
    return -1;
  }
  // INFO first: a removal cut short must not leave what reads as a complete
  // copy of the failed build.
  unlink((aside + "/INFO").c_str());
  RemoveCopy(aside);
  return 0;
}

void Service::RemovePreviousCopies() {
  for (int i = 0; i < MAX_RENAME_COUNT; ++i) {
    const ustring dir = GetAppBackupDir(per_user_install_path, i);
    if (IsFileExist(dir, false)) RemoveCopy(dir);
  }
}

int Service::TargetBuild() const { return atoi(target_version.build_version.c_str()); }

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
