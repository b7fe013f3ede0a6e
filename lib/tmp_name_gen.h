// TmpNameGen: short random names for temporary files and folders, eight
// characters of a 64-character alphabet. The bytes come from an RC4
// permutation keyed once per process from the time of day: the names are
// meant to be unlikely to collide, not to be unpredictable.
#pragma once

#include <pthread.h>

#include <cstddef>

#include "ustring.h"

class TmpNameGen {
 public:
  static TmpNameGen& getInstance();

  // A new name of exactly eight characters.
  ustring getTmpName();
  // prefix + "/" + getTmpName(); the prefix is taken unchanged.
  ustring getTmpPath(const ustring& prefix);

 private:
  TmpNameGen();
  ~TmpNameGen() = default;
  TmpNameGen(const TmpNameGen&) = delete;
  TmpNameGen& operator=(const TmpNameGen&) = delete;

  // Writes the time of day as "<seconds>-<microseconds>" into key.
  static void get_key(unsigned char* key, size_t len);
  // RC4 key scheduling over all 256 key bytes; an empty key text is first
  // replaced by bytes from rand().
  static void rc4_init(unsigned char* S, unsigned char* key);
  // RC4 output steps; both counters start at 0 on every call.
  static void rc4_randomize(unsigned char* S, unsigned char* buffer, int length);
  static void lock();
  static void unlock();

  static pthread_mutex_t m_lock;
  unsigned char m_s_box[256];
  unsigned char m_key[256];
  unsigned char m_buffer[6];
};
