// UpgradeAttempt: the launcher's memory of its upgrades. An upgrade that
// dies (a reader that crashes on one entry, an out-of-memory kill, a logout)
// or fails because of the package itself would otherwise be started again at
// every launch, each time stopping the user's running client and paying for
// the whole extraction. Before the client is stopped for an upgrade, a small
// record in the user's tree names the package about to be installed; it is
// cleared when the upgrade commits, and marked with the kind of failure when
// it fails. A later launch that finds a record for the same package decides
// from it whether to try again or to hold the package back: start the copy
// the user has, without stopping it, showing the dialog or reading the
// package.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include "ustring.h"

// Who is to blame for a failed upgrade.
enum class UpgradeFailure {
  // The attempt never ended: the launcher died or was killed during it.
  kUnfinished,
  // The package: cut short, corrupt, without the client or its start
  // script, changing while read, given up by the watchdog. The same bytes
  // fail the same way at every launch.
  kPackage,
  // The user's file system: full, over quota, read-only or failing. Not the
  // package's fault; worth trying again once the condition may have gone.
  kEnvironment,
  // Not a failure yet: the upgrade committed, and the previous copy is kept
  // until a client started from the new copy has shown that it runs.
  kProbation,
};

// One file as the kernel identifies it: a vendor's new package or an
// administrator's repair gives another inode, size or modification time, and
// a rewrite in place that keeps all of those (cp -p over the file) still
// gives another change time, which no user can set.
struct FileIdentity {
  dev_t dev = 0;
  ino_t ino = 0;
  off_t size = 0;
  int64_t mtime_ns = 0;
  int64_t ctime_ns = 0;

  bool operator==(const FileIdentity& o) const {
    return dev == o.dev && ino == o.ino && size == o.size && mtime_ns == o.mtime_ns && ctime_ns == o.ctime_ns;
  }
  bool operator!=(const FileIdentity& o) const { return !(*this == o); }
};

// The package an upgrade installs: the build the system INFO announces and
// the identities of the package file and of that INFO.
struct PackageIdentity {
  std::string build;
  FileIdentity package;
  FileIdentity info;

  bool operator==(const PackageIdentity& o) const {
    return build == o.build && package == o.package && info == o.info;
  }
  bool operator!=(const PackageIdentity& o) const { return !(*this == o); }

  // Of the files at these paths as they are now (links followed, as the
  // extractor reads them); a missing file has the zero identity.
  static PackageIdentity Of(const std::string& build, const ustring& package, const ustring& info);
};

// What the record says about one package.
struct AttemptRecord {
  PackageIdentity identity;
  // Attempts in a row that never ended.
  int unfinished = 0;
  UpgradeFailure failure = UpgradeFailure::kUnfinished;
  // Wall-clock seconds: when the last attempt started, when it failed, or
  // (probation) when the new copy was committed.
  int64_t time = 0;
  // Environment faults: the free bytes below which trying again is useless.
  uint64_t space_needed = 0;

  std::string Text() const;
  // Empty when the text is not a whole, valid record.
  static std::optional<AttemptRecord> Parse(const std::string& text);
};

class UpgradeAttempt {
 public:
  // record: the record's path in the user's tree.
  explicit UpgradeAttempt(ustring record);

  // Whether the package may be tried now: false holds it back, with the
  // reason in `why`. `now` in wall-clock seconds, `free_bytes` on the
  // user's file system.
  bool MayTry(const PackageIdentity& package, int64_t now, uint64_t free_bytes, std::string& why) const;

  // Before the client is stopped: records that an attempt on `package`
  // starts, on disk before this returns. 0, or -1 (logged) when the record
  // could not be written; the upgrade may go on without it.
  int Begin(const PackageIdentity& package, int64_t now);
  // The attempt ended at `now`: failed, with who is to blame and
  // (environment faults) the free bytes when it started; or, kProbation,
  // committed with the previous copy kept until the new client shows that it
  // runs (then Clear, or End with kPackage).
  void End(const PackageIdentity& package, UpgradeFailure outcome, int64_t now, uint64_t free_at_start);
  // The upgrade committed, or the copy is current: no record is left.
  void Clear();
  // The session is ending (JobGuard): the attempt under way in this process,
  // if any, is put on record as if it had not begun, so that the launcher
  // being killed from here on does not count against the package. An
  // attempt that begins after the session's end is not counted either.
  static void ExcuseCurrent();

  // The record as it is on disk: empty when there is none, and when it is
  // damaged, too large or not a regular file (logged), so that no planted
  // object can hang or mislead the launch.
  std::optional<AttemptRecord> Read() const;

  // Classifies a failed upgrade from the user's folder `dir`, while what the
  // attempt wrote is still there: environment when its file system is
  // read-only or cannot take a probe write, else the package.
  static UpgradeFailure ClassifyFailure(const ustring& dir);
  // Bytes the user may still write on the file system of `dir`, or of its
  // nearest folder that exists (the per-user folder may be missing on a
  // first install); none when no folder can be looked at.
  static std::optional<uint64_t> FreeBytes(const ustring& dir);

 private:
  int Write(const AttemptRecord& record) const;
  static void EndCurrent();

  ustring path_;
};
