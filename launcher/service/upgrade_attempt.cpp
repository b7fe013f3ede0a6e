#include "upgrade_attempt.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <utility>

#include "file-op.h"
#include "job_guard.h"
#include "log.h"
#include "small-file.h"
#include "unique-fd.h"

namespace {

// A record is a few short lines; anything larger was not written by us.
constexpr size_t kRecordMaxBytes = 4096;

// A launch or a power cut is not the package's fault: one unfinished attempt
// is tried again; the second in a row for the same package holds it back.
constexpr int kUnfinishedBeforeHold = 2;

// A failure judged wrongly must not block upgrades for ever: a held-back
// package is tried again a day after the attempt that held it back.
constexpr int64_t kRetryAfterSeconds = 24 * 60 * 60;

// A full or failing file system is retried without new room at most this
// often: long enough that a user who keeps a full disk does not have the
// client stopped and the package extracted at every launch, short enough
// that a disk cleaned up by other means than deleting files (a quota raised,
// a file system remounted writable) is noticed the same day.
constexpr int64_t kEnvironmentBackoffSeconds = 60 * 60;

// The failed attempt filled what was free when it started and wanted more;
// how much more is not known without reading the package again. Trying again
// waits for a clear gain: as much as the package file's own size (a copy
// takes at least about that much), but no more than this, since the free
// space of a desktop moves by a few megabytes every hour (logs, caches) and
// a large package must not wait for a gain no cleaned-up disk shows.
constexpr uint64_t kSpaceGainMostBytes = uint64_t{32} << 20;

// The probe write that tells a full disk or an exhausted quota from a bad
// package: larger than any block the disk writer writes at once, so a write
// that failed for want of room cannot fit the probe either.
constexpr size_t kProbeBytes = size_t{1} << 20;
constexpr size_t kProbeChunk = size_t{64} << 10;
constexpr char kProbeName[] = "/.space-probe";

// The temporary name the record is written under before it is renamed.
constexpr char kPendingSuffix[] = ".new";
constexpr mode_t kRecordMode = 0600;

constexpr int64_t kNanosPerSecond = 1000000000;

constexpr char kUntilChangedOrADay[] = "; tried again once the package changes or a day has passed";

// Each failure's name in the record, in the order of UpgradeFailure.
constexpr const char* kFailureNames[] = {"unfinished", "package", "environment", "probation"};

bool ParseFailure(const std::string& s, UpgradeFailure& f) {
  for (size_t i = 0; i < sizeof kFailureNames / sizeof kFailureNames[0]; ++i)
    if (s == kFailureNames[i]) {
      f = static_cast<UpgradeFailure>(i);
      return true;
    }
  return false;
}

FileIdentity IdentityOf(const ustring& path) {
  FileIdentity id;
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return id;
  id.dev = st.st_dev;
  id.ino = st.st_ino;
  id.size = st.st_size;
  id.mtime_ns = static_cast<int64_t>(st.st_mtim.tv_sec) * kNanosPerSecond + st.st_mtim.tv_nsec;
  id.ctime_ns = static_cast<int64_t>(st.st_ctim.tv_sec) * kNanosPerSecond + st.st_ctim.tv_nsec;
  return id;
}

std::string IdentityText(const FileIdentity& id) {
  char buf[128];
  snprintf(buf, sizeof buf, "%ju %ju %jd %" PRId64 " %" PRId64, static_cast<uintmax_t>(id.dev),
           static_cast<uintmax_t>(id.ino), static_cast<intmax_t>(id.size), id.mtime_ns, id.ctime_ns);
  return buf;
}

// Flushes the folder that holds path, so that a rename into it survives a
// power cut.
void SyncParent(const ustring& path) {
  const UniqueFd dir(open(FSParentPath(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir) fsync(dir.get());
}

// Whether the file system of dir takes kProbeBytes more, written and flushed.
bool ProbeWrite(const ustring& dir) {
  const ustring probe = dir + kProbeName;
  unlink(probe.c_str());
  UniqueFd fd(open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kRecordMode));
  if (!fd) return false;
  static const char zeros[kProbeChunk] = {};
  bool ok = true;
  for (size_t written = 0; ok && written < kProbeBytes; written += kProbeChunk)
    ok = FSWriteAll(fd.get(), zeros, kProbeChunk) == 0;
  ok = ok && fsync(fd.get()) == 0;
  const int error = errno;
  fd.reset();
  unlink(probe.c_str());
  errno = error;
  return ok;
}

// The attempt under way in this process, for the session's end to excuse:
// its record as it would read had the attempt not begun.
struct CurrentAttempt {
  std::mutex mutex;
  bool active = false;
  bool excused = false;
  std::string path;
  AttemptRecord before;
};

// Never destroyed: the thread that takes the session's signals may outlive
// main.
CurrentAttempt& Current() {
  static CurrentAttempt* const current = new CurrentAttempt;
  return *current;
}

}  // namespace

PackageIdentity PackageIdentity::Of(const std::string& build, const ustring& package, const ustring& info) {
  PackageIdentity id;
  id.build = build;
  id.package = IdentityOf(package);
  id.info = IdentityOf(info);
  return id;
}

std::string AttemptRecord::Text() const {
  return "build=" + identity.build + "\npackage=" + IdentityText(identity.package) +
         "\ninfo=" + IdentityText(identity.info) + "\nunfinished=" + std::to_string(unfinished) +
         "\nfailure=" + kFailureNames[static_cast<size_t>(failure)] + "\ntime=" + std::to_string(time) +
         "\nspace_needed=" + std::to_string(space_needed) + "\n";
}

// Only the very text that Text() writes is a record: one cut short or
// edited, or one of an older launcher (without the change times), reads as
// damaged and never as another record.
std::optional<AttemptRecord> AttemptRecord::Parse(const std::string& text) {
  constexpr char kBuild[] = "build=";
  constexpr size_t kBuildSize = sizeof kBuild - 1;
  AttemptRecord r;
  FileIdentity& p = r.identity.package;
  FileIdentity& i = r.identity.info;
  uintmax_t p_dev = 0, p_ino = 0, i_dev = 0, i_ino = 0;
  intmax_t p_size = 0, i_size = 0;
  char failure[16] = "";
  const size_t rest = text.find('\n');
  if (text.compare(0, kBuildSize, kBuild) != 0 || rest == std::string::npos ||
      sscanf(text.c_str() + rest,
             "\npackage=%ju %ju %jd %" SCNd64 " %" SCNd64 "\ninfo=%ju %ju %jd %" SCNd64 " %" SCNd64
             "\nunfinished=%d\nfailure=%15[a-z]\ntime=%" SCNd64 "\nspace_needed=%" SCNu64,
             &p_dev, &p_ino, &p_size, &p.mtime_ns, &p.ctime_ns, &i_dev, &i_ino, &i_size, &i.mtime_ns,
             &i.ctime_ns, &r.unfinished, failure, &r.time, &r.space_needed) != 14 ||
      r.unfinished < 0 || !ParseFailure(failure, r.failure))
    return std::nullopt;
  r.identity.build = text.substr(kBuildSize, rest - kBuildSize);
  p.dev = static_cast<dev_t>(p_dev);
  p.ino = static_cast<ino_t>(p_ino);
  p.size = static_cast<off_t>(p_size);
  i.dev = static_cast<dev_t>(i_dev);
  i.ino = static_cast<ino_t>(i_ino);
  i.size = static_cast<off_t>(i_size);
  if (r.Text() != text) return std::nullopt;
  return r;
}

UpgradeAttempt::UpgradeAttempt(ustring record) : path_(std::move(record)) {}

std::optional<AttemptRecord> UpgradeAttempt::Read() const {
  std::string text;
  const int rc = FSReadSmallFile(path_, kRecordMaxBytes, text);
  if (rc == -2) return std::nullopt;
  std::optional<AttemptRecord> record = rc == 0 ? AttemptRecord::Parse(text) : std::nullopt;
  if (!record)
    LOG_MSG(L_WARNING, "service_debug",
            "[WARNING] upgrade-attempt(%d): record '%s' is damaged or not a regular file, taken as absent\n",
            path_.c_str());
  return record;
}

bool UpgradeAttempt::MayTry(const PackageIdentity& package, int64_t now, uint64_t free_bytes,
                            std::string& why) const {
  const std::optional<AttemptRecord> r = Read();
  if (!r || r->identity != package) return true;
  // A clock set back puts the record in the future: judged as stale.
  const int64_t age = now - r->time;
  if (age < 0 || age >= kRetryAfterSeconds) return true;
  switch (r->failure) {
    case UpgradeFailure::kUnfinished:
      if (r->unfinished < kUnfinishedBeforeHold) return true;
      why = std::to_string(r->unfinished) + " attempts in a row never finished" + kUntilChangedOrADay;
      return false;
    case UpgradeFailure::kPackage:
      why = std::string("its last attempt failed because of the package") + kUntilChangedOrADay;
      return false;
    case UpgradeFailure::kProbation:
      return true;
    case UpgradeFailure::kEnvironment:
      if (free_bytes > r->space_needed || age >= kEnvironmentBackoffSeconds) return true;
      why = "its last attempt failed for want of a writable file system with room (" +
            std::to_string(free_bytes >> 20) + " MiB free, more than " +
            std::to_string(r->space_needed >> 20) +
            " MiB needed); tried again once there is room, the package changes or an hour has passed";
      return false;
  }
  return true;
}

int UpgradeAttempt::Begin(const PackageIdentity& package, int64_t now) {
  CurrentAttempt& current = Current();
  std::lock_guard<std::mutex> lock(current.mutex);
  const std::optional<AttemptRecord> previous = Read();
  AttemptRecord r;
  r.identity = package;
  r.time = now;
  r.unfinished = 0;
  if (previous && previous->identity == package && previous->failure == UpgradeFailure::kUnfinished)
    r.unfinished = previous->unfinished;
  current.active = true;
  current.path = path_.c_str();
  current.before = r;
  // Read under the lock that ExcuseCurrent takes after the cause is set.
  current.excused = JobGuard::Cause() != SessionCause::kNone;
  if (!current.excused) ++r.unfinished;
  return Write(r);
}

void UpgradeAttempt::ExcuseCurrent() {
  CurrentAttempt& current = Current();
  std::lock_guard<std::mutex> lock(current.mutex);
  if (!current.active || current.excused) return;
  current.excused = true;
  if (UpgradeAttempt(current.path).Write(current.before) == 0)
    LOG_MSG(L_INFO, "service_debug",
            "[INFO] upgrade-attempt(%d): the attempt on build %s is on record as not begun\n",
            current.before.identity.build.c_str());
}

// The attempt is over: a logout from here on must not turn its record back
// into the one from before it.
void UpgradeAttempt::End(const PackageIdentity& package, UpgradeFailure outcome, int64_t now,
                         uint64_t free_at_start) {
  EndCurrent();
  AttemptRecord r;
  r.identity = package;
  r.failure = outcome;
  r.time = now;
  if (outcome == UpgradeFailure::kEnvironment) {
    const uint64_t package_size = package.package.size > 0 ? static_cast<uint64_t>(package.package.size) : 0;
    r.space_needed = free_at_start + std::min(package_size, kSpaceGainMostBytes);
  }
  Write(r);
}

void UpgradeAttempt::Clear() {
  EndCurrent();
  if (unlink(path_.c_str()) == 0) {
    LOG_MSG(L_INFO, "service_debug", "[INFO] upgrade-attempt(%d): record '%s' cleared\n", path_.c_str());
  } else if (errno != ENOENT) {
    LOG_MSG(L_WARNING, "service_debug", "[WARNING] upgrade-attempt(%d): cannot remove record '%s': %s\n",
            path_.c_str(), strerror(errno));
  }
}

// The attempt's end is written by its own thread; the session's end no
// longer rewrites its record.
void UpgradeAttempt::EndCurrent() {
  CurrentAttempt& current = Current();
  std::lock_guard<std::mutex> lock(current.mutex);
  current.active = false;
}

// Through a temporary name, flushed, renamed and the rename flushed: a
// record that is on disk is whole, and it is there before the client stops.
// The temporary name is made afresh (O_EXCL, no link followed), so that
// nothing planted there is written through.
int UpgradeAttempt::Write(const AttemptRecord& record) const {
  const ustring pending = path_ + kPendingSuffix;
  const std::string text = record.Text();
  unlink(pending.c_str());
  UniqueFd fd(open(pending.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kRecordMode));
  bool ok =
      static_cast<bool>(fd) && FSWriteAll(fd.get(), text.data(), text.size()) == 0 && fsync(fd.get()) == 0;
  ok = fd.reset() == 0 && ok && rename(pending.c_str(), path_.c_str()) == 0;
  if (!ok) {
    LOG_MSG(L_WARNING, "service_debug", "[WARNING] upgrade-attempt(%d): cannot write record '%s': %s\n",
            path_.c_str(), strerror(errno));
    unlink(pending.c_str());
    return -1;
  }
  SyncParent(path_);
  return 0;
}

UpgradeFailure UpgradeAttempt::ClassifyFailure(const ustring& dir) {
  struct statvfs vfs;
  std::string why;
  if (statvfs(dir.c_str(), &vfs) != 0) {
    why = strerror(errno);
  } else if ((vfs.f_flag & ST_RDONLY) != 0) {
    why = "mounted read-only";
  } else if (!ProbeWrite(dir)) {
    why = std::string("a probe write failed: ") + strerror(errno);
  } else {
    return UpgradeFailure::kPackage;
  }
  LOG_MSG(
      L_WARNING, "service_debug",
      "[WARNING] upgrade-attempt(%d): the file system of '%s' is read-only, full or failing (%s): not the "
      "package's fault\n",
      dir.c_str(), why.c_str());
  return UpgradeFailure::kEnvironment;
}

std::optional<uint64_t> UpgradeAttempt::FreeBytes(const ustring& dir) {
  struct statvfs vfs;
  std::string near = dir.c_str();
  while (statvfs(near.c_str(), &vfs) != 0) {
    const size_t slash = near.find_last_of('/');
    if (errno != ENOENT || slash == std::string::npos || slash == 0) return std::nullopt;
    near.erase(slash);
  }
  // Root may write into the blocks kept back from other users.
  const uint64_t blocks = geteuid() == 0 ? vfs.f_bfree : vfs.f_bavail;
  return blocks * vfs.f_frsize;
}
