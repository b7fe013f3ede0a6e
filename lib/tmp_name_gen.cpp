#include "tmp_name_gen.h"

#include <sys/time.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <utility>

namespace {

// Index i of a 6-bit group selects character i.
const char kAlphabet[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";
// Six random bytes are 48 bits, exactly eight 6-bit characters.
const int kNameBytes = 6;
const int kNameChars = 8;
const int kKeySize = 256;

// Three bytes, most significant bits first, give four 6-bit indices.
void encode_group(const unsigned char* b, char* out) {
  out[0] = kAlphabet[b[0] >> 2];
  out[1] = kAlphabet[((b[0] & 3) << 4) | (b[1] >> 4)];
  out[2] = kAlphabet[((b[1] & 15) << 2) | (b[2] >> 6)];
  out[3] = kAlphabet[b[2] & 63];
}

}  // namespace

pthread_mutex_t TmpNameGen::m_lock = PTHREAD_MUTEX_INITIALIZER;

TmpNameGen& TmpNameGen::getInstance() {
  static TmpNameGen instance;
  return instance;
}

TmpNameGen::TmpNameGen() : m_s_box(), m_key(), m_buffer() {
  get_key(m_key, sizeof m_key);
  rc4_init(m_s_box, m_key);
}

void TmpNameGen::get_key(unsigned char* key, size_t len) {
  struct timeval tv;
  gettimeofday(&tv, nullptr);
  snprintf(reinterpret_cast<char*>(key), len, "%lu-%lu", static_cast<unsigned long>(tv.tv_sec),
           static_cast<unsigned long>(tv.tv_usec));
}

void TmpNameGen::rc4_init(unsigned char* S, unsigned char* key) {
  for (int i = 0; i < 256; ++i) S[i] = static_cast<unsigned char>(i);
  if (key[0] == 0) {
    srand(static_cast<unsigned>(time(nullptr)));
    for (int i = 0; i < kKeySize; ++i) key[i] = static_cast<unsigned char>(rand() & 0xFF);
  }
  unsigned j = 0;
  for (int i = 0; i < 256; ++i) {
    j = (j + S[i] + key[i % kKeySize]) & 0xFF;
    std::swap(S[i], S[j]);
  }
}

void TmpNameGen::rc4_randomize(unsigned char* S, unsigned char* buffer, int length) {
  unsigned i = 0;
  unsigned j = 0;
  for (int k = 0; k < length; ++k) {
    i = (i + 1) & 0xFF;
    j = (j + S[i]) & 0xFF;
    std::swap(S[i], S[j]);
    buffer[k] = S[(S[i] + S[j]) & 0xFF];
  }
}

void TmpNameGen::lock() { pthread_mutex_lock(&m_lock); }

void TmpNameGen::unlock() { pthread_mutex_unlock(&m_lock); }

ustring TmpNameGen::getTmpName() {
  char name[kNameChars + 1];
  lock();
  rc4_randomize(m_s_box, m_buffer, kNameBytes);
  encode_group(m_buffer, name);
  encode_group(m_buffer + 3, name + 4);
  unlock();
  name[kNameChars] = '\0';
  return ustring(name);
}

ustring TmpNameGen::getTmpPath(const ustring& prefix) { return prefix + "/" + getTmpName(); }
