// Logger: the process-wide log. A line is a local time stamp followed by
// exactly what the caller's format produces; call sites use LOG_MSG so that
// the line number passed is their own.
#pragma once

#include <pthread.h>

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

#include "ustring.h"

typedef char xchar;

class Logger {
 public:
  enum Type { ANDROID_LOGGER = 0, SYSLOG_LOGGER = 1, STDOUT_LOGGER = 2, STDERR_LOGGER = 3, FILE_LOGGER = 4 };
  enum Level {
    L_EMERG = 0,
    L_ALERT = 1,
    L_CRIT = 2,
    L_ERR = 3,
    L_WARNING = 4,
    L_NOTICE = 5,
    L_INFO = 6,
    L_DEBUG = 7
  };

  // 0, or -1 when the counters cannot be allocated or (file back end) the
  // path is empty or cannot be opened for appending. A level file that is
  // there but cannot be read is reported through the new back end (on
  // failure, the previous one). Must not run while another thread logs.
  static int Initialize(Type type, const ustring& log_path, const ustring& level_path, int rotate_cnt);
  static void LogMsg(Level level, const ustring& comp, const xchar* fmt, ...)
      __attribute__((format(printf, 3, 4)));
  static void LogMsg2(Level level, const ustring& comp, const xchar* fmt, va_list args)
      __attribute__((format(printf, 3, 0)));
  // Drops every message until the next Initialize.
  static void Destroy();
  // The log file of the file back end, else empty; changes only with
  // Initialize and Destroy.
  static ustring FilePath() { return log_path; }

 private:
  Logger() = delete;

  static int Rotate();
  static void ReloadLogFile();
  static void InitializeLock();
  static void DestroyLock();
  static void Lock();
  static void Unlock();
  static void InitializeFileLock();
  static void DestroyFileLock();
  static void InitializeSharedData();
  static void DestroySharedData();
  static int ComponentLevel(const ustring& comp);
  static int Write(const xchar* fmt, va_list args);
  static void CloseLogStream();
  static void ReadLevelFile(const ustring& level_path, std::string& problem);
  static void ReportLevelFileProblem(const std::string& problem);

  static std::map<ustring, int> log_level;
  static Type log_type;
  static FILE* log_fp;
  static int* log_size;
  static int rotate_cnt;
  static ustring log_path;
  static pthread_mutex_t* log_lock;
  static int log_flock;
  static bool inter_process_safe;
  static uint64_t* log_rotated_count_shared;
  static uint64_t log_rotated_count_private;
  static bool log_initialized;
};

void LogMSG_c(int level, char* comp, const xchar* fmt, va_list args) __attribute__((format(printf, 3, 0)));

#define LOG_MSG(level, comp, fmt, ...) ::Logger::LogMsg(::Logger::level, comp, fmt, __LINE__, ##__VA_ARGS__)
