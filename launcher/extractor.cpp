#include "extractor.h"

#include <archive.h>
#include <archive_entry.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <sched.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "adapter.h"
#include "extraction_watch.h"
#include "log.h"
#include "package_source.h"
#include "strtab.h"
#include "thread_confinement.h"

namespace {

// Files from this size on are sent on their way to the disk as soon as they
// are written; smaller ones are left to the flush at the end.
constexpr int64_t kEarlyWritebackBytes = 1 << 20;

// Unlink before replacing (also read-only files), refuse "..", and (no effect
// on Linux) Mac metadata; owners, modes beyond the umask and times are not
// restored. Secure symlinks stop a planted link ("lnk -> /tmp") from carrying
// a later entry ("lnk/x") out of the target: the link is replaced instead.
constexpr int kDiskWriteOptions = ARCHIVE_EXTRACT_UNLINK | ARCHIVE_EXTRACT_SECURE_NODOTDOT |
                                  ARCHIVE_EXTRACT_MAC_METADATA | ARCHIVE_EXTRACT_SECURE_SYMLINKS;
static_assert((kDiskWriteOptions & ~ARCHIVE_EXTRACT_SECURE_SYMLINKS) == 0x2210, "disk writer options");

// The version file is the commit record of an installation: it is written
// under this name and renamed to INFO once everything else is on disk.
constexpr char kInfoName[] = "INFO";
constexpr char kPendingInfoName[] = ".INFO.partial";

// libarchive converts entry names to the locale's character set; under the C
// locale a UTF-8 name fails to convert and the header read only warns. Names
// are UTF-8 throughout the system, so this thread reads archives in UTF-8.
constexpr char kUtf8Locale[] = "C.UTF-8";

// libarchive, with the seven libraries it pulls in, is loaded when the first
// archive is read rather than when the launcher starts: a launch with
// nothing to install never reads one, and loading them is a measurable part
// of every start. Loaded once, never unloaded; all functions or none.
constexpr char kLibArchiveName[] = "libarchive.so.13";
static_assert(ARCHIVE_VERSION_NUMBER / 1000000 == 3, "libarchive 3 has the soname libarchive.so.13");

class LibArchive {
 public:
  decltype(&::archive_entry_filetype) archive_entry_filetype = nullptr;
  decltype(&::archive_entry_hardlink) archive_entry_hardlink = nullptr;
  decltype(&::archive_entry_pathname) archive_entry_pathname = nullptr;
  decltype(&::archive_entry_set_hardlink) archive_entry_set_hardlink = nullptr;
  decltype(&::archive_entry_set_pathname) archive_entry_set_pathname = nullptr;
  decltype(&::archive_entry_size) archive_entry_size = nullptr;
  decltype(&::archive_errno) archive_errno = nullptr;
  decltype(&::archive_error_string) archive_error_string = nullptr;
  decltype(&::archive_filter_bytes) archive_filter_bytes = nullptr;
  decltype(&::archive_format) archive_format = nullptr;
  decltype(&::archive_read_close) archive_read_close = nullptr;
  decltype(&::archive_read_data_block) archive_read_data_block = nullptr;
  decltype(&::archive_read_data_skip) archive_read_data_skip = nullptr;
  decltype(&::archive_read_extract2) archive_read_extract2 = nullptr;
  decltype(&::archive_read_free) archive_read_free = nullptr;
  decltype(&::archive_read_new) archive_read_new = nullptr;
  decltype(&::archive_read_next_header) archive_read_next_header = nullptr;
  decltype(&::archive_read_extract_set_skip_file) archive_read_extract_set_skip_file = nullptr;
  decltype(&::archive_read_open1) archive_read_open1 = nullptr;
  decltype(&::archive_read_set_callback_data) archive_read_set_callback_data = nullptr;
  decltype(&::archive_read_set_read_callback) archive_read_set_read_callback = nullptr;
  decltype(&::archive_read_set_seek_callback) archive_read_set_seek_callback = nullptr;
  decltype(&::archive_read_set_skip_callback) archive_read_set_skip_callback = nullptr;
  decltype(&::archive_set_error) archive_set_error = nullptr;
  decltype(&::archive_read_support_filter_all) archive_read_support_filter_all = nullptr;
  decltype(&::archive_read_support_format_all) archive_read_support_format_all = nullptr;
  decltype(&::archive_write_data_block) archive_write_data_block = nullptr;
  decltype(&::archive_write_disk_new) archive_write_disk_new = nullptr;
  decltype(&::archive_write_close) archive_write_close = nullptr;
  decltype(&::archive_write_disk_set_options) archive_write_disk_set_options = nullptr;
  decltype(&::archive_write_finish_entry) archive_write_finish_entry = nullptr;
  decltype(&::archive_write_free) archive_write_free = nullptr;

  LibArchive() {
    void* handle = dlopen(kLibArchiveName, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
      const char* why = dlerror();
      LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Failed to load '%s': %s\n", kLibArchiveName,
              why ? why : "");
      return;
    }
    Bind(handle, "archive_entry_filetype", archive_entry_filetype);
    Bind(handle, "archive_entry_hardlink", archive_entry_hardlink);
    Bind(handle, "archive_entry_pathname", archive_entry_pathname);
    Bind(handle, "archive_entry_set_hardlink", archive_entry_set_hardlink);
    Bind(handle, "archive_entry_set_pathname", archive_entry_set_pathname);
    Bind(handle, "archive_entry_size", archive_entry_size);
    Bind(handle, "archive_errno", archive_errno);
    Bind(handle, "archive_error_string", archive_error_string);
    Bind(handle, "archive_filter_bytes", archive_filter_bytes);
    Bind(handle, "archive_format", archive_format);
    Bind(handle, "archive_read_close", archive_read_close);
    Bind(handle, "archive_read_data_block", archive_read_data_block);
    Bind(handle, "archive_read_data_skip", archive_read_data_skip);
    Bind(handle, "archive_read_extract2", archive_read_extract2);
    Bind(handle, "archive_read_free", archive_read_free);
    Bind(handle, "archive_read_new", archive_read_new);
    Bind(handle, "archive_read_next_header", archive_read_next_header);
    Bind(handle, "archive_read_extract_set_skip_file", archive_read_extract_set_skip_file);
    Bind(handle, "archive_read_open1", archive_read_open1);
    Bind(handle, "archive_read_set_callback_data", archive_read_set_callback_data);
    Bind(handle, "archive_read_set_read_callback", archive_read_set_read_callback);
    Bind(handle, "archive_read_set_seek_callback", archive_read_set_seek_callback);
    Bind(handle, "archive_read_set_skip_callback", archive_read_set_skip_callback);
    Bind(handle, "archive_set_error", archive_set_error);
    Bind(handle, "archive_read_support_filter_all", archive_read_support_filter_all);
    Bind(handle, "archive_read_support_format_all", archive_read_support_format_all);
    Bind(handle, "archive_write_data_block", archive_write_data_block);
    Bind(handle, "archive_write_disk_new", archive_write_disk_new);
    Bind(handle, "archive_write_close", archive_write_close);
    Bind(handle, "archive_write_disk_set_options", archive_write_disk_set_options);
    Bind(handle, "archive_write_finish_entry", archive_write_finish_entry);
    Bind(handle, "archive_write_free", archive_write_free);
    loaded_ = complete_;
    if (!loaded_) {
      LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): '%s' lacks functions the extractor needs\n",
              kLibArchiveName);
    }
  }
  bool loaded() const { return loaded_; }

 private:
  template <typename Fn>
  void Bind(void* handle, const char* name, Fn& fn) {
    fn = reinterpret_cast<Fn>(dlsym(handle, name));
    complete_ = complete_ && fn != nullptr;
  }

  bool complete_ = true;
  bool loaded_ = false;
};

// Thread-safe: the first call may come from the counting thread and the
// extracting thread at once.
const LibArchive& Lib() {
  static const LibArchive lib;
  return lib;
}

struct ReadFree {
  void operator()(archive* a) const { Lib().archive_read_free(a); }
};
struct WriteFree {
  void operator()(archive* a) const { Lib().archive_write_free(a); }
};
using ReadHandle = std::unique_ptr<archive, ReadFree>;
using WriteHandle = std::unique_ptr<archive, WriteFree>;

// A disk writer of an extraction that has been given up is never closed:
// closing sets the modes and times of the folders it made, by name, and
// those names may by then be the old copy put back in place. It is kept
// here, reachable, for the life of the process.
void KeepForever(archive* writer) {
  static std::mutex mutex;
  static std::vector<archive*>* kept = new std::vector<archive*>;
  std::lock_guard<std::mutex> lock(mutex);
  kept->push_back(writer);
}

class KeptIfAbandoned {
 public:
  KeptIfAbandoned(WriteHandle& writer, const ExtractionWatch& watch) : writer_(writer), watch_(watch) {}
  ~KeptIfAbandoned() {
    if (watch_.abandoned() && writer_) KeepForever(writer_.release());
  }
  KeptIfAbandoned(const KeptIfAbandoned&) = delete;
  KeptIfAbandoned& operator=(const KeptIfAbandoned&) = delete;

 private:
  WriteHandle& writer_;
  const ExtractionWatch& watch_;
};

struct FdClose {
  void operator()(int* fd) const {
    close(*fd);
    delete fd;
  }
};
using UniqueFd = std::unique_ptr<int, FdClose>;

UniqueFd OpenFd(const char* path, int flags) {
  int fd = open(path, flags);
  return fd < 0 ? UniqueFd() : UniqueFd(new int(fd));
}

// The process's locale with UTF-8 character classification, made on first
// use and kept for the life of the process. The counting and the extracting
// threads both use it; one locale that is never freed leaves no conversion
// state of one thread to be torn down by the other.
locale_t Utf8Locale() {
  static const locale_t utf8 = [] {
    locale_t base = duplocale(LC_GLOBAL_LOCALE);
    if (!base) return static_cast<locale_t>(0);
    locale_t l = newlocale(LC_CTYPE_MASK, kUtf8Locale, base);
    if (!l) freelocale(base);
    return l;
  }();
  return utf8;
}

// Switches the calling thread's character classification to UTF-8 for its
// lifetime, unless it already is UTF-8; other threads are not affected.
class Utf8Names {
 public:
  Utf8Names() {
    const char* codeset = nl_langinfo(CODESET);
    if (codeset && strcmp(codeset, "UTF-8") == 0) return;
    const locale_t utf8 = Utf8Locale();
    if (!utf8) return;
    previous_ = uselocale(utf8);
    switched_ = true;
  }
  ~Utf8Names() {
    if (switched_) uselocale(previous_);
  }
  Utf8Names(const Utf8Names&) = delete;
  Utf8Names& operator=(const Utf8Names&) = delete;

 private:
  bool switched_ = false;
  locale_t previous_ = static_cast<locale_t>(0);
};

const char* ErrorText(archive* a) {
  const char* s = Lib().archive_error_string(a);
  return s ? s : "";
}

// The codes libarchive gives a corrupt archive and a misuse of its interface
// on Linux (its private ARCHIVE_ERRNO_FILE_FORMAT and _PROGRAMMER): they say
// nothing that the message does not.
constexpr int kFormatErrno = EILSEQ;
constexpr int kMisuseErrno = EINVAL;

// What went wrong on a pair of handles that work together (a reader and
// the disk writer it extracts into): archive_read_extract2 leaves the cause
// on the reader or on the writer depending on the step that failed, and
// libarchive keeps the system's reason apart from the text ("Write failed"
// and ENOSPC). The first handle's text when it has one, else the second's,
// with the system's reason added.
std::string CauseOf(archive* first, archive* second = nullptr) {
  archive* holder = first;
  if (ErrorText(first)[0] == '\0' && second && ErrorText(second)[0] != '\0') holder = second;
  std::string text = ErrorText(holder);
  const int error = Lib().archive_errno(holder);
  if (error <= 0 || error == kFormatErrno || error == kMisuseErrno) return text;
  const std::string reason = strerror(error);
  if (text.find(reason) != std::string::npos) return text;
  return text.empty() ? reason : text + ": " + reason;
}

ReadHandle NewReader() {
  if (!Lib().loaded()) return ReadHandle();
  ReadHandle a(Lib().archive_read_new());
  if (a) {
    Lib().archive_read_support_filter_all(a.get());
    Lib().archive_read_support_format_all(a.get());
  }
  return a;
}

la_ssize_t ReadPackage(archive* a, void* pass, const void** buffer) {
  auto* p = static_cast<PackagePass*>(pass);
  const ssize_t n = p->Read(buffer);
  if (n < 0) {
    const int error = errno;
    Lib().archive_set_error(a, error, "Failed to read '%s': %s", p->file().path().c_str(), strerror(error));
  }
  return n;
}

la_int64_t SkipPackage(archive*, void* pass, la_int64_t request) {
  return static_cast<PackagePass*>(pass)->Skip(request);
}

la_int64_t SeekPackage(archive* a, void* pass, la_int64_t offset, int whence) {
  const int64_t r = static_cast<PackagePass*>(pass)->Seek(offset, whence);
  if (r < 0) Lib().archive_set_error(a, errno, "Failed to seek in the package");
  return r < 0 ? ARCHIVE_FATAL : r;
}

// Opens reader a on the package for one pass; `pass` outlives the reader.
// Every pass goes through here: the count, the extraction and the listing.
bool OpenPackage(archive* a, PackagePass& pass) {
  if (pass.Open() != 0) {
    const int error = errno;
    Lib().archive_set_error(a, error, "Failed to open '%s': %s", pass.file().path().c_str(), strerror(error));
    return false;
  }
  Lib().archive_read_set_callback_data(a, &pass);
  Lib().archive_read_set_read_callback(a, &ReadPackage);
  if (pass.seekable()) {
    Lib().archive_read_set_skip_callback(a, &SkipPackage);
    Lib().archive_read_set_seek_callback(a, &SeekPackage);
    // As libarchive's own file reader does: no entry may overwrite the
    // package itself.
    Lib().archive_read_extract_set_skip_file(a, pass.file().dev(), pass.file().ino());
  }
  return Lib().archive_read_open1(a) == ARCHIVE_OK;
}

// Where an entry lands, judged by the components that name something
// ("./bin//x" is bin/x, ".", "//" and "" are the target folder itself).
enum class EntryPlace { kTargetItself, kInfo, kBelow };

EntryPlace PlaceOf(const std::string& name) {
  size_t named = 0;
  bool info = false;
  size_t pos = 0;
  while (pos <= name.size()) {
    size_t end = name.find('/', pos);
    if (end == std::string::npos) end = name.size();
    std::string part = name.substr(pos, end - pos);
    if (!part.empty() && part != ".") {
      ++named;
      info = (named == 1 && part == kInfoName);
    }
    pos = end + 1;
  }
  if (named == 0) return EntryPlace::kTargetItself;
  return (named == 1 && info) ? EntryPlace::kInfo : EntryPlace::kBelow;
}

// The on-disk path for an entry name (or a hard-link target) below dest,
// which is the target folder or "." inside it. An absolute name stays below
// it too: "/etc/x" becomes "dest//etc/x".
ustring PathBelow(const ustring& dest, const std::string& name) {
  if (PlaceOf(name) == EntryPlace::kInfo) return dest + "/" + kPendingInfoName;
  return dest + "/" + ustring(name);
}

// The target as the kernel sees it, so that secure-symlink checks do not
// trip over a home folder that is reached through a symbolic link.
int ResolveTarget(const ustring& target, ustring& resolved) {
  std::unique_ptr<char, decltype(&free)> real(realpath(target.c_str(), nullptr), &free);
  if (!real) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Failed to resolve target folder '%s': %s\n",
            target.c_str(), strerror(errno));
    return -1;
  }
  resolved = real.get();
  return 0;
}

void ReportProgress(int total, int progress) {
  Notify_Adapter::GetInstance()->UpdateProgress(total, progress);
}

// The counting pass: the number of entries (0 or more), or -1 when the
// archive cannot be read. A warning or an error ends the count, so an
// archive that breaks off after n good headers counts n. on_first runs once
// the first header has been read; stop ends the count early.
int CountEntries(const std::shared_ptr<const PackageFile>& package,
                 const std::shared_ptr<ExtractionWatch>& watch, const std::function<void()>& on_first,
                 const std::atomic<bool>* stop) {
  Utf8Names names;
  PackagePass pass(package, watch);
  ReadHandle a = NewReader();
  if (!a) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Allocate archive failed\n");
    return -1;
  }
  if (!OpenPackage(a.get(), pass)) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): archive_read_open_filename failed: '%s'\n",
            ErrorText(a.get()));
    return -1;
  }
  int count = 0;
  archive_entry* entry = nullptr;
  while ((!stop || !stop->load(std::memory_order_relaxed)) &&
         Lib().archive_read_next_header(a.get(), &entry) == ARCHIVE_OK) {
    if (++count == 1 && on_first) on_first();
    Lib().archive_read_data_skip(a.get());
  }
  return count;
}

// The files a thread of the extraction reads by name: none when the passes
// share the open package, else the package itself.
std::vector<ustring> ReadByName(const PackageFile& package) {
  if (package.shared()) return {};
  return {package.path()};
}

// Counts the archive's entries on a thread of its own while the caller
// extracts them. Two readers of one FIFO or device would split its bytes
// between them: only a package whose passes share the open file is counted
// while it is being extracted. The thread is joined on every path out, by
// the destructor at the latest.
class EntryCounter {
 public:
  static constexpr int kPending = -2;  // not a result of CountEntries

  // Counts on the calling thread instead when `concurrent` is false or no
  // thread can be started.
  EntryCounter(std::shared_ptr<const PackageFile> package, std::shared_ptr<ExtractionWatch> watch)
      : package_(std::move(package)), watch_(std::move(watch)) {
    if (package_->shared()) {
      try {
        thread_ = std::thread(&EntryCounter::RunConfined, this);
        return;
      } catch (const std::system_error&) {
      }
    }
    Run();
  }
  ~EntryCounter() {
    stop_.store(true, std::memory_order_relaxed);
    Join();
  }
  EntryCounter(const EntryCounter&) = delete;
  EntryCounter& operator=(const EntryCounter&) = delete;

  // Blocks until the count has read its first header or has ended; the
  // total when it has ended, else kPending.
  int WaitForFirstEntry() {
    std::unique_lock<std::mutex> lock(mutex_);
    started_.wait(lock, [this] { return first_seen_ || ended_; });
    return ended_ ? total_.load() : kPending;
  }
  // The total, or kPending while the count runs.
  int TotalSoFar() const { return total_.load(); }
  // Blocks until the count has ended; its total.
  int Total() {
    Join();
    return total_.load();
  }
  // Nothing will ask for the total any more: the count may stop early.
  void Abandon() { stop_.store(true, std::memory_order_relaxed); }

 private:
  // The thread of its own reads and nothing else. libarchive and the UTF-8
  // locale are loaded first, as they are read from files.
  void RunConfined() {
    if (Lib().loaded() && Utf8Locale()) ConfineThisThread({{}, ReadByName(*package_)}, "the counting thread");
    Run();
  }
  void Run() {
    const int total = CountEntries(
        package_, watch_, [this] { Signal(true, false); }, &stop_);
    total_.store(total);
    Signal(false, true);
  }
  void Signal(bool first_seen, bool ended) {
    std::lock_guard<std::mutex> lock(mutex_);
    first_seen_ = first_seen_ || first_seen;
    ended_ = ended_ || ended;
    started_.notify_all();
  }
  void Join() {
    if (thread_.joinable()) thread_.join();
  }

  const std::shared_ptr<const PackageFile> package_;
  const std::shared_ptr<ExtractionWatch> watch_;
  std::atomic<bool> stop_{false};
  std::atomic<int> total_{kPending};
  std::mutex mutex_;
  std::condition_variable started_;
  bool first_seen_ = false;
  bool ended_ = false;
  std::thread thread_;
};

// Makes the target folder the working directory of the calling thread
// alone, for as long as the object lives, so that entries are written by
// names relative to it: every path the disk writer opens, stats and checks
// for symbolic links is then walked from the target down instead of from
// the root, which on a deep home folder is most of the writer's system
// calls. The working directory of the process's other threads is not
// touched, and the thread's own is restored afterwards. Where a sandbox
// refuses a thread its own working directory, nothing changes and the
// caller writes by absolute names.
class WorkingDirectoryOfThread {
 public:
  // dir: a descriptor of the folder named `name`.
  WorkingDirectoryOfThread(int dir, const ustring& name) {
    if (unshare(CLONE_FS) != 0) {
      Fallback("no working folder of its own for this thread", errno);
      return;
    }
    previous_ = OpenFd(".", O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (!previous_) {
      Fallback("cannot open the working folder", errno);
      return;
    }
    if (fchdir(dir) != 0) {
      Fallback("cannot enter the target folder", errno);
      previous_.reset();
      return;
    }
    LOG_MSG(L_DEBUG, "extractor_debug", "[DEBUG] extractor(%d): writing entries relative to '%s'\n",
            name.c_str());
  }
  ~WorkingDirectoryOfThread() {
    if (previous_ && fchdir(*previous_) != 0) {
      LOG_MSG(L_WARNING, "extractor_debug",
              "[WARNING] extractor(%d): Failed to return to the working folder: %s\n", strerror(errno));
    }
  }
  WorkingDirectoryOfThread(const WorkingDirectoryOfThread&) = delete;
  WorkingDirectoryOfThread& operator=(const WorkingDirectoryOfThread&) = delete;

  bool entered() const { return static_cast<bool>(previous_); }

 private:
  static void Fallback(const char* why, int error) {
    LOG_MSG(L_DEBUG, "extractor_debug", "[DEBUG] extractor(%d): %s (%s), writing entries by absolute names\n",
            why, strerror(error));
  }

  UniqueFd previous_;
};

// Starts writing a large file that has just been extracted to disk, without
// waiting for it: the disk works on it while the next entries are
// decompressed, and the flush of the whole copy at the end has less left to
// do. Opened as what was just written, never through a link or as a FIFO.
void StartWriteback(const ustring& path) {
  UniqueFd fd = OpenFd(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  struct stat st;
  if (!fd || fstat(*fd, &st) != 0 || !S_ISREG(st.st_mode)) return;
  sync_file_range(*fd, 0, 0, SYNC_FILE_RANGE_WRITE);
}

// Why the file at `path` (relative to dir) cannot serve as an executable of
// the copy, or "" when it can. Every folder on the way is opened without
// following links: a link would let the copy's client be a file elsewhere.
std::string WhyNotExecutable(int dir, const std::string& path) {
  UniqueFd reached;  // the folder of the components walked so far
  int at = dir;
  size_t pos = 0;
  for (size_t slash; (slash = path.find('/', pos)) != std::string::npos; pos = slash + 1) {
    const std::string part = path.substr(pos, slash - pos);
    if (part.empty()) continue;
    const int fd = openat(at, part.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return errno == ENOTDIR ? "'" + part + "' is not a folder" : strerror(errno);
    reached.reset(new int(fd));
    at = fd;
  }
  struct stat st;
  if (fstatat(at, path.c_str() + pos, &st, AT_SYMLINK_NOFOLLOW) != 0) return strerror(errno);
  if (S_ISLNK(st.st_mode)) return "a symbolic link";
  if (!S_ISREG(st.st_mode)) return "not a regular file";
  if ((st.st_mode & S_IXUSR) == 0) return "not executable by its owner";
  return "";
}

// A package may hold anything; one that yields no client must not replace
// a copy that has one.
int CheckRequiredFiles(int dir, const ustring& dest, const std::vector<ustring>& required) {
  for (const ustring& path : required) {
    const std::string why = WhyNotExecutable(dir, path.c_str());
    if (why.empty()) continue;
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): The new copy in '%s' has no usable '%s': %s\n",
            dest.c_str(), path.c_str(), why.c_str());
    return -1;
  }
  return 0;
}

// Whether target still names the folder the entries were written into (dir):
// if the copy was moved aside and another folder put in its place, by
// another launch for instance, that folder's INFO is not this extraction's
// to put in place.
int CheckStillTarget(int dir, const ustring& target) {
  struct stat ours, named;
  if (fstat(dir, &ours) != 0 || stat(target.c_str(), &named) != 0) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Failed to check target folder '%s': %s\n",
            target.c_str(), strerror(errno));
    return -1;
  }
  if (ours.st_dev == named.st_dev && ours.st_ino == named.st_ino) return 0;
  LOG_MSG(L_ERR, "extractor_debug",
          "[ERROR] extractor(%d): '%s' no longer names the folder the entries were written into\n",
          target.c_str());
  return -1;
}

// The version file is read by every later launch: a FIFO or a link in its
// place would hang or mislead them. Checked on disk, whatever entry wrote it.
int CheckPendingInfo(int dir, const ustring& dest) {
  struct stat st;
  if (fstatat(dir, kPendingInfoName, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode)) return 0;
  LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): '%s/%s' is not a regular file\n", dest.c_str(),
          kInfoName);
  return -1;
}

// Checks the new copy, flushes it to disk and only then puts its INFO in
// place, so that after a crash or power loss the copy either holds INFO and
// is complete or has no INFO and is installed again by the next launch. dir
// is the folder the entries were written into, opened before the first.
int CommitInstallation(int dir, const ustring& target, const ustring& dest,
                       const std::vector<ustring>& required, bool info_written) {
  if (CheckRequiredFiles(dir, dest, required) != 0) return -1;
  if (syncfs(dir) != 0) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Failed to flush '%s' to disk: %s\n",
            dest.c_str(), strerror(errno));
    return -1;
  }
  if (CheckStillTarget(dir, target) != 0) return -1;
  if (!info_written) return 0;
  if (CheckPendingInfo(dir, dest) != 0) return -1;
  if (renameat(dir, kPendingInfoName, dir, kInfoName) != 0 || fsync(dir) != 0) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Failed to put '%s/%s' in place: %s\n",
            dest.c_str(), kInfoName, strerror(errno));
    return -1;
  }
  return 0;
}

}  // namespace

// The progress reports of the extraction pass, held back until the count
// knows the total and then sent in order, so that the relay receives exactly
// (total, 1) ... (total, total), each after its entry is on disk. Sent from
// the extracting thread only, and no more once the extraction has been
// given up.
//
// Once the total is known, a report that leaves the bar's percentage where
// it is waits for the next one that moves it (or for the end) and is sent
// just before it: the dialog shows the same values at the same entries, but
// the main thread is woken once per step of the bar instead of once per
// entry, which on an archive of many small files cost more than writing them.
class HeldProgress {
 public:
  // total: the count's result when it has already ended, else kPending.
  HeldProgress(EntryCounter& counter, ExtractionWatch& watch, const ustring& source, int total)
      : counter_(counter), watch_(watch), source_(source), total_(total) {
    if (total_ != EntryCounter::kPending) LogTotal();
  }

  void EntryDone() {
    ++done_;
    watch_.Advance();
    RunEntryHookForTest();
    if (total_ == EntryCounter::kPending) Learn(counter_.TotalSoFar());
    if (MovesBar()) Send();
  }
  // Waits for the total and sends what is held; with nothing to report,
  // lets the count stop instead.
  void Finish() {
    if (done_ == 0) {
      counter_.Abandon();
      return;
    }
    if (total_ == EntryCounter::kPending) Learn(counter_.Total());
    Send();
  }
  // After Finish: whether the extraction wrote as many entries as the count
  // found. A package read as a stream (a FIFO) is read twice, and the two
  // reads need not see the same bytes.
  bool MatchesCount() const { return done_ > 0 && total_ == done_; }
  int done() const { return done_; }
  int total() const { return total_; }

 private:
  void Learn(int total) {
    total_ = total;
    if (total_ != EntryCounter::kPending) LogTotal();
  }
  void LogTotal() const {
    LOG_MSG(L_DEBUG, "extractor_debug", "[DEBUG] extractor(%d): %d entries in '%s'\n", total_,
            source_.c_str());
  }
  void Send() {
    if (total_ == EntryCounter::kPending) return;
    watch_.Report([this] {
      while (sent_ < done_) ReportProgress(total_, ++sent_);
    });
  }
  // Whether the reports held so far take the bar to another value; the
  // percentage as the dialog computes it, in 64 bits.
  bool MovesBar() const {
    if (total_ == EntryCounter::kPending || total_ <= 0) return false;
    return Percent(done_) != Percent(sent_);
  }
  long long Percent(int steps) const { return static_cast<long long>(steps) * 100 / total_; }

  EntryCounter& counter_;
  ExtractionWatch& watch_;
  const ustring& source_;
  int total_;
  int done_ = 0;
  int sent_ = 0;
};

int Extractor::Count() {
  if (source.empty() || target.empty()) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Invalid argument\n");
    return -1;
  }
  return CountEntries(PackageFile::Open(source), std::make_shared<ExtractionWatch>(), nullptr, nullptr);
}

int Extractor::Extract() {
  if (source.empty() || target.empty()) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Invalid Argument\n");
    return -1;
  }
  LOG_MSG(L_DEBUG, "extractor_debug", "[DEBUG] extractor(%d): decompress from '%s' to '%s'\n", source.c_str(),
          target.c_str());
  Notify_Adapter::GetInstance()->UpdateDialogText(StrTable::LoadStr(StrTable::desc_nmbr_env_preparing));

  // The extraction runs on a thread of its own, which ends with it and may
  // therefore be confined, while this one watches it. Given up, that thread
  // is left behind, detached: it holds its own copy of this object, and it
  // ends with the process.
  auto worker = std::make_shared<Extractor>(*this);
  worker->package_ = PackageFile::Open(source);
  worker->watch_ = std::make_shared<ExtractionWatch>();
  worker->confine_ = true;
  try {
    std::thread([worker] { worker->watch_->Finish(worker->ExtractHere()); }).detach();
  } catch (const std::system_error&) {
    LOG_MSG(L_DEBUG, "extractor_debug", "[DEBUG] extractor(%d): no thread to extract on, extracting here\n");
    worker->confine_ = false;
    return worker->ExtractHere();
  }
  return worker->watch_->Wait(source);
}

int Extractor::ExtractHere() {
  // Nothing is opened for writing, nor the archive a second time, before the
  // count has read a first header: an archive that counts 0 or -1 fails as
  // it always did, with the target folder untouched.
  EntryCounter counter(package_, watch_);
  const int early_total = counter.WaitForFirstEntry();
  if (early_total != EntryCounter::kPending && early_total <= 0) {
    LOG_MSG(L_ERR, "extractor_debug",
            "[ERROR] extractor(%d): Failed to calculate total file numbers, ret: %d\n", early_total);
    return -1;
  }
  HeldProgress progress(counter, *watch_, source, early_total);
  ustring dest;
  if (ResolveTarget(target, dest) != 0) {
    progress.Finish();
    return -1;
  }

  // The folder the entries are written into, held until the commit.
  UniqueFd dir = OpenFd(dest.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (!dir) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Failed to open target folder '%s': %s\n",
            dest.c_str(), strerror(errno));
    progress.Finish();
    return -1;
  }

  bool info_written = false;
  const int r = ExtractEntries(*dir, dest, progress, info_written);
  // The entries written so far are reported also when the extraction failed.
  progress.Finish();
  if (r != 0 || watch_->abandoned()) return -1;
  if (!progress.MatchesCount()) {
    LOG_MSG(L_ERR, "extractor_debug",
            "[ERROR] extractor(%d): '%s' changed while it was read: %d entries counted, %d extracted\n",
            source.c_str(), progress.total(), progress.done());
    return -1;
  }
  return CommitInstallation(*dir, target, dest, required, info_written);
}

namespace {

// A tar archive is a sequence of these blocks; its end-of-archive marker is
// two of them filled with zeros.
constexpr int64_t kTarBlockSize = 512;

// libarchive takes a tar that stops at a block boundary between two entries
// for a complete archive, so a package cut short there (copied onto a full
// disk, or by an interrupted copy) would install a part of the client. The
// header read that ends a whole tar consumes the marker's zero block:
// consumed_before is the reader's uncompressed position before that read.
int CheckEndOfArchive(archive* a, int64_t consumed_before) {
  if ((Lib().archive_format(a) & ARCHIVE_FORMAT_BASE_MASK) != ARCHIVE_FORMAT_TAR) return 0;
  if (Lib().archive_filter_bytes(a, 0) - consumed_before >= kTarBlockSize) return 0;
  LOG_MSG(L_ERR, "extractor_debug",
          "[ERROR] extractor(%d): The archive ends without its end-of-archive marker: it was cut short\n");
  return -1;
}

// Writes one entry below base (the target folder or "." inside it).
int WriteEntry(archive* a, archive* ext, archive_entry* entry, const ustring& base, const ustring& dest,
               HeldProgress& progress, bool& info_written) {
  const char* entry_pathname = Lib().archive_entry_pathname(entry);
  if (!entry_pathname) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): archive_entry_pathname failed\n");
    return -1;
  }
  // Copied: the entry's own buffers are rewritten below.
  const std::string name = entry_pathname;
  const EntryPlace place = PlaceOf(name);
  const int type = Lib().archive_entry_filetype(entry);

  if (place == EntryPlace::kTargetItself) {
    // Left to libarchive, a file named "." or "//" would unlink the target
    // folder and take its place; a folder entry for it has nothing to add.
    if (type != AE_IFDIR) {
      LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Refusing entry '%s' in place of '%s'\n",
              name.c_str(), dest.c_str());
      return -1;
    }
    progress.EntryDone();
    return 0;
  }
  // Every later launch reads the version file: as a FIFO, a link or a
  // folder it would hang or mislead them.
  if (place == EntryPlace::kInfo && type != AE_IFREG) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Refusing entry '%s': not a regular file\n",
            name.c_str());
    return -1;
  }

  const ustring path = PathBelow(base, name);
  Lib().archive_entry_set_pathname(entry, path.c_str());
  // A hard link names an earlier entry; it is put below the target as the
  // entry's own name is, so that it cannot link (and then overwrite) a
  // file elsewhere.
  if (const char* link = Lib().archive_entry_hardlink(entry)) {
    const std::string link_name = link;
    Lib().archive_entry_set_hardlink(entry, PathBelow(base, link_name).c_str());
  }

  const bool large_file = type == AE_IFREG && Lib().archive_entry_size(entry) >= kEarlyWritebackBytes;
  if (Lib().archive_read_extract2(a, entry, ext) != ARCHIVE_OK) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): archive_read_extract2 failed: '%s'\n",
            CauseOf(a, ext).c_str());
    return -1;
  }
  if (place == EntryPlace::kInfo) info_written = true;
  progress.EntryDone();
  if (Lib().archive_write_finish_entry(ext) != ARCHIVE_OK) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): archive_write_finish_entry failed: '%s'\n",
            CauseOf(ext, a).c_str());
    return -1;
  }
  if (large_file) StartWriteback(path);
  return 0;
}

// Writes every entry of the open reader a through the disk writer ext.
int WriteEntries(archive* a, archive* ext, const ustring& base, const ustring& dest, HeldProgress& progress,
                 bool& info_written, const ExtractionWatch& watch) {
  for (;;) {
    if (watch.abandoned()) return -1;
    archive_entry* entry = nullptr;
    const int64_t consumed = Lib().archive_filter_bytes(a, 0);
    const int r = Lib().archive_read_next_header(a, &entry);
    if (r == ARCHIVE_EOF) return CheckEndOfArchive(a, consumed);
    if (r != ARCHIVE_OK) {
      LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): archive_read_next_header failed: '%s'\n",
              CauseOf(a).c_str());
      return -1;
    }
    if (WriteEntry(a, ext, entry, base, dest, progress, info_written) != 0) return -1;
  }
}

}  // namespace

int Extractor::ExtractEntries(int dir, const ustring& dest, HeldProgress& progress, bool& info_written) {
  Utf8Names names;
  PackagePass pass(package_, watch_);
  // Declared first so that it is freed last, after the reader.
  WriteHandle ext;
  KeptIfAbandoned keep(ext, *watch_);
  ReadHandle a = NewReader();
  if (!a) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Allocate extractor failed\n");
    return -1;
  }
  ext.reset(Lib().archive_write_disk_new());
  if (!ext) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Allocate extractor failed\n");
    return -1;
  }
  Lib().archive_write_disk_set_options(ext.get(), kDiskWriteOptions);
  if (!OpenPackage(a.get(), pass)) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Failed to read file '%s' ('%s')\n",
            source.c_str(), ErrorText(a.get()));
    return -1;
  }

  // Entered once the archive is open, so that a relative source is read
  // from where the caller meant it.
  WorkingDirectoryOfThread in_target(dir, dest);
  const ustring base = in_target.entered() ? ustring(".") : dest;
  if (confine_) ConfineThisThread({{dest}, ReadByName(*package_)}, "the extracting thread");

  const int r = WriteEntries(a.get(), ext.get(), base, dest, progress, info_written, *watch_);
  // Given up by the watchdog: the names below may by now lead into the
  // restored copy, and closing the writer would set modes and times there.
  if (watch_->abandoned()) return -1;
  // The disk writer gives the folders their modes when it is closed, by the
  // names it created them under; closed while those names still lead into
  // the target, or they would be taken from the thread's previous working
  // folder ("docs" of the package would make the caller's "docs" read-only).
  if (Lib().archive_write_close(ext.get()) != ARCHIVE_OK) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): archive_write_close failed: '%s'\n",
            CauseOf(ext.get()).c_str());
    return -1;
  }
  return r;
}

int Extractor::List() {
  if (source.empty() || target.empty()) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Invalid argument\n");
    return -1;
  }
  Utf8Names names;
  PackagePass pass(PackageFile::Open(source), std::make_shared<ExtractionWatch>());
  ReadHandle a = NewReader();
  if (!a) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Allocate archive failed\n");
    return -1;
  }
  if (!OpenPackage(a.get(), pass)) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): archive_read_open_filename failed: '%s'\n",
            ErrorText(a.get()));
    return -1;
  }
  archive_entry* entry = nullptr;
  while (Lib().archive_read_next_header(a.get(), &entry) == ARCHIVE_OK) {
    const char* name = Lib().archive_entry_pathname(entry);
    fprintf(stdout, "%s\n", name ? name : "");
    fflush(stdout);
    Lib().archive_read_data_skip(a.get());
  }
  Lib().archive_read_close(a.get());
  return 0;
}

int Extractor::copy_data(archive* ar, archive* aw) {
  if (!ar || !aw || !Lib().loaded()) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Invalid Argument\n");
    return -1;
  }
  for (;;) {
    const void* buff = nullptr;
    size_t size = 0;
    int64_t offset = 0;
    int r = Lib().archive_read_data_block(ar, &buff, &size, &offset);
    if (r == ARCHIVE_EOF) return 0;
    if (r != ARCHIVE_OK) {
      LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): archive_read_data_block failed: '%s'\n",
              ErrorText(ar));
      return -1;
    }
    if (Lib().archive_write_data_block(aw, buff, size, offset) != ARCHIVE_OK) {
      LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): archive_write_data_block failed: '%s'\n",
              ErrorText(aw));
      return -1;
    }
  }
}
