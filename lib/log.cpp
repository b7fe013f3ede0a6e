#include "log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <syslog.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <new>
#include <sstream>
#include <string>

#include "config.h"
#include "unique-fd.h"

namespace {

// The live file is rotated once it holds more than this many bytes,
// whichever process (this one or an earlier launch) wrote them.
const int kRotateThreshold = 1048576;
// The component of the logger's own message (a level file it could not
// read), written at the default level like every unnamed component.
const char kOwnComponent[] = "log_debug";
// Level of a component the level file does not name: errors and warnings.
const int kDefaultLevel = Logger::L_WARNING;
// Rotation count after Destroy, until the next Initialize sets one.
const int kDestroyedRotateCount = 32;
// Large enough for any month name of any locale.
const size_t kStampBufferSize = 512;
const char kStampFormat[] = "%b %d %H:%M:%S ";
// As fopen creates files: what the umask leaves of read and write for all.
const mode_t kLogFileMode = 0666;

std::string rotated_name(const ustring& path, int index) {
  return std::string(path.c_str()) + "_" + std::to_string(index);
}

bool is_console(FILE* fp) { return fp == stdout || fp == stderr; }

// The bytes the open log file already holds, as the counter's start; a size
// beyond the counter's range counts as just past the threshold.
int size_on_disk(FILE* fp) {
  struct stat st;
  if (fstat(fileno(fp), &st) != 0) return 0;
  return st.st_size > kRotateThreshold ? kRotateThreshold + 1 : static_cast<int>(st.st_size);
}

// Opens the log file for appending. Close-on-exec, so that the start script
// and the client it leaves running do not hold the log (a rotated or
// deleted file would stay allocated for the client's life); never through a
// link, and only a regular file: a FIFO put there would block the open or
// every write.
FILE* open_log_file(const ustring& path) {
  UniqueFd fd(
      open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, kLogFileMode));
  if (!fd) return nullptr;
  struct stat st;
  if (fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || fcntl(fd.get(), F_SETFL, O_APPEND) != 0)
    return nullptr;
  FILE* fp = fdopen(fd.get(), "a");
  // The stream owns the descriptor from here on: the log stays open until
  // CloseLogStream closes the stream.
  if (fp) fd.release();
  return fp;
}

}  // namespace

std::map<ustring, int> Logger::log_level;
Logger::Type Logger::log_type = Logger::STDOUT_LOGGER;
FILE* Logger::log_fp = stderr;
int* Logger::log_size = nullptr;
int Logger::rotate_cnt = 50;
ustring Logger::log_path;
pthread_mutex_t* Logger::log_lock = nullptr;
int Logger::log_flock = -1;
bool Logger::inter_process_safe = false;
uint64_t* Logger::log_rotated_count_shared = nullptr;
uint64_t Logger::log_rotated_count_private = 0;
bool Logger::log_initialized = true;

// ---- set-up -------------------------------------------------------------

int Logger::Initialize(Type type, const ustring& path, const ustring& level_path, int count) {
  DestroySharedData();
  DestroyLock();
  InitializeLock();
  InitializeSharedData();
  if (!log_lock || !log_size || !log_rotated_count_shared) return -1;

  log_level[ustring("default_component")] = kDefaultLevel;
  // Reported once the new back end is in place, not through the half-made one.
  std::string level_file_problem;
  if (!level_path.empty()) ReadLevelFile(level_path, level_file_problem);

  log_type = type;
  switch (type) {
    case SYSLOG_LOGGER:
    case STDOUT_LOGGER:
    case STDERR_LOGGER:
      CloseLogStream();
      log_fp = type == SYSLOG_LOGGER ? nullptr : type == STDOUT_LOGGER ? stdout : stderr;
      log_path.clear();
      *log_size = -1;
      break;
    default: {
      // On failure the previous stream stays in use. The fresh size counter
      // holds -1 and both rotation counts agree, so those messages are
      // neither counted nor rotated and no reload is attempted.
      log_rotated_count_private = 0;
      FILE* fp = path.empty() ? nullptr : open_log_file(path);
      if (!fp) {
        ReportLevelFileProblem(level_file_problem);
        return -1;
      }
      CloseLogStream();
      log_fp = fp;
      *log_size = size_on_disk(fp);
      log_path = path;
      rotate_cnt = count;
      // A file that earlier launches filled is rotated before this run adds
      // to it; every launch writes only a little.
      if (*log_size > kRotateThreshold) {
        Rotate();
        *log_size = 0;
      }
      break;
    }
  }
  *log_rotated_count_shared = 0;
  log_rotated_count_private = 0;
  log_initialized = true;
  ReportLevelFileProblem(level_file_problem);
  return 0;
}

void Logger::ReportLevelFileProblem(const std::string& problem) {
  if (!problem.empty())
    LogMsg(L_WARNING, kOwnComponent, "[WARNING] log(%d): level file ignored: %s\n", __LINE__,
           problem.c_str());
}

void Logger::ReadLevelFile(const ustring& level_path, std::string& problem) {
  Config levels;
  levels.read(level_path, &problem);
  for (const auto& pair : levels.items()) {
    std::istringstream value(pair.second.c_str());
    int level = 0;
    value >> level;
    log_level[pair.first] = level;
  }
}

void Logger::Destroy() {
  log_initialized = false;
  if (log_type == FILE_LOGGER) {
    CloseLogStream();
    log_type = STDERR_LOGGER;
    log_fp = stderr;
    log_path.clear();
    rotate_cnt = kDestroyedRotateCount;
  }
  DestroySharedData();
  DestroyLock();
}

// Closes a file stream of ours; the console streams are never closed.
void Logger::CloseLogStream() {
  if (log_fp && !is_console(log_fp)) fclose(log_fp);
  if (!is_console(log_fp)) log_fp = nullptr;
}

// ---- messages -----------------------------------------------------------

void Logger::LogMsg(Level level, const ustring& comp, const xchar* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  LogMsg2(level, comp, fmt, args);
  va_end(args);
}

void Logger::LogMsg2(Level level, const ustring& comp, const xchar* fmt, va_list args) {
  if (!log_initialized || !fmt) return;
  InitializeLock();
  InitializeSharedData();
  if (!log_lock || !log_size || !log_rotated_count_shared) return;

  Lock();
  // Checked under the lock: a rotation in another thread briefly clears the
  // stream, and a failed one leaves it cleared for good (silent logger).
  if (log_type == SYSLOG_LOGGER || log_fp) {
    if (log_rotated_count_private != *log_rotated_count_shared) {
      ReloadLogFile();
      log_rotated_count_private = *log_rotated_count_shared;
    }
    if (static_cast<int>(level) <= ComponentLevel(comp)) {
      int size = Write(fmt, args);
      if (log_type == FILE_LOGGER && size >= 0 && *log_size >= 0) {
        *log_size += size;
        if (*log_size > kRotateThreshold) {
          Rotate();
          *log_size = 0;
        }
      }
    }
  }
  Unlock();
}

int Logger::ComponentLevel(const ustring& comp) {
  auto it = log_level.find(comp);
  return it == log_level.end() ? kDefaultLevel : it->second;
}

// Returns the number of bytes written, or -1 after a write error.
int Logger::Write(const xchar* fmt, va_list args) {
  switch (log_type) {
    case SYSLOG_LOGGER:
      vsyslog(LOG_ERR, fmt, args);
      return 0;
    case STDOUT_LOGGER:
    case STDERR_LOGGER:
    case FILE_LOGGER: {
      if (!log_fp) return 0;
      char stamp[kStampBufferSize];
      time_t now = time(nullptr);
      struct tm local;
      stamp[0] = 0;
      if (localtime_r(&now, &local)) strftime(stamp, sizeof stamp, kStampFormat, &local);
      int stamp_size = fprintf(log_fp, "%s", stamp);
      int text_size = vfprintf(log_fp, fmt, args);
      fflush(log_fp);
      if (stamp_size < 0 || text_size < 0) return -1;
      return stamp_size + text_size;
    }
    default:
      vfprintf(stderr, fmt, args);
      return 0;
  }
}

// ---- rotation -----------------------------------------------------------

// Called with the lock held. Keeps rotate_cnt - 1 old files, _0 the newest.
int Logger::Rotate() {
  const int count = rotate_cnt;
  for (int i = count - 2; i >= 0; --i) {
    rename(rotated_name(log_path, i).c_str(), rotated_name(log_path, i + 1).c_str());
  }
  if (count >= 1) remove(rotated_name(log_path, count - 1).c_str());

  CloseLogStream();
  if (rename(log_path.c_str(), rotated_name(log_path, 0).c_str()) != 0) return -1;
  FILE* fp = open_log_file(log_path);
  if (!fp) return -1;
  log_fp = fp;
  ++*log_rotated_count_shared;
  ++log_rotated_count_private;
  return 0;
}

void Logger::ReloadLogFile() {
  if (log_type == SYSLOG_LOGGER || log_type == STDOUT_LOGGER || log_type == STDERR_LOGGER) return;
  CloseLogStream();
  FILE* fp = open_log_file(log_path);
  if (!fp) return;
  log_fp = fp;
  *log_size = size_on_disk(fp);
}

// ---- lock and shared counters -------------------------------------------

void Logger::InitializeLock() {
  if (log_lock) return;
  pthread_mutex_t* lock = new (std::nothrow) pthread_mutex_t;
  if (!lock) return;
  pthread_mutex_init(lock, nullptr);
  log_lock = lock;
}

void Logger::DestroyLock() {
  if (!log_lock) return;
  pthread_mutex_destroy(log_lock);
  delete log_lock;
  log_lock = nullptr;
}

void Logger::Lock() { pthread_mutex_lock(log_lock); }

void Logger::Unlock() { pthread_mutex_unlock(log_lock); }

// The file lock would serialise several processes writing one file; this
// system has one writer process, so there is nothing to set up.
void Logger::InitializeFileLock() {}

void Logger::DestroyFileLock() {}

// A fresh size counter holds -1: nothing is counted until a log file opens.
void Logger::InitializeSharedData() {
  if (!log_size) log_size = new (std::nothrow) int(-1);
  if (!log_rotated_count_shared) log_rotated_count_shared = new (std::nothrow) uint64_t(0);
}

void Logger::DestroySharedData() {
  delete log_size;
  log_size = nullptr;
  delete log_rotated_count_shared;
  log_rotated_count_shared = nullptr;
}

void LogMSG_c(int level, char* comp, const xchar* fmt, va_list args) {
  Logger::LogMsg2(static_cast<Logger::Level>(level), ustring(comp ? comp : ""), fmt, args);
}
