// The temporary name generator against an independent reference: textbook
// RC4 key scheduling, the output step with both counters restarting at 0 for
// every group of six bytes, and a 48-bit integer cut into 6-bit digits.
#include "tmp_name_gen.h"

#include <gtest/gtest.h>
#include <sys/time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <set>
#include <string>
#include <thread>
#include <vector>

struct TmpNameGenTestPeer {
  static TmpNameGen& gen() { return TmpNameGen::getInstance(); }
  static void set_state(const unsigned char* s_box) { memcpy(gen().m_s_box, s_box, 256); }
  static void init(unsigned char* S, unsigned char* key) { TmpNameGen::rc4_init(S, key); }
  static void get_key(unsigned char* key, size_t len) { TmpNameGen::get_key(key, len); }
};

namespace {

const char kAlphabet[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";

struct ReferenceRc4 {
  unsigned char S[256];

  explicit ReferenceRc4(const unsigned char key[256]) {
    for (int i = 0; i < 256; ++i) S[i] = static_cast<unsigned char>(i);
    int j = 0;
    for (int i = 0; i < 256; ++i) {
      j = (j + S[i] + key[i]) % 256;
      std::swap(S[i], S[j]);
    }
  }

  // One name: six output bytes from fresh counters, as one 48-bit number
  // read most significant digit first.
  std::string next_name() {
    int i = 0, j = 0;
    uint64_t bits = 0;
    for (int k = 0; k < 6; ++k) {
      i = (i + 1) % 256;
      j = (j + S[i]) % 256;
      std::swap(S[i], S[j]);
      bits = (bits << 8) | S[(S[i] + S[j]) % 256];
    }
    std::string name;
    for (int d = 7; d >= 0; --d) name += kAlphabet[(bits >> (6 * d)) & 63];
    return name;
  }
};

void key_from_text(const char* text, unsigned char key[256]) {
  memset(key, 0, 256);
  memcpy(key, text, strlen(text));
}

std::string S(const ustring& s) { return std::string(s.c_str()); }

TEST(TmpNameGen, KeySchedulingMatchesReference) {
  unsigned char key[256];
  key_from_text("1700000000-123456", key);
  unsigned char S_box[256];
  TmpNameGenTestPeer::init(S_box, key);
  ReferenceRc4 ref(key);
  EXPECT_EQ(memcmp(S_box, ref.S, 256), 0);
}

TEST(TmpNameGen, NamesFromAFixedKeyMatchReference) {
  unsigned char key[256];
  key_from_text("1234567890-654321", key);
  ReferenceRc4 ref(key);
  TmpNameGenTestPeer::set_state(ref.S);
  std::set<char> used;
  for (int n = 0; n < 2000; ++n) {
    const std::string expected = ref.next_name();
    ASSERT_EQ(S(TmpNameGenTestPeer::gen().getTmpName()), expected) << "name " << n;
    used.insert(expected.begin(), expected.end());
  }
  EXPECT_EQ(used.size(), 64u);  // every digit value, 0 and 63 included, was encoded
}

TEST(TmpNameGen, EmptyKeyTextUsesRandFilledKey) {
  const time_t t0 = time(nullptr);
  unsigned char key[256] = {0};
  unsigned char S_box[256];
  TmpNameGenTestPeer::init(S_box, key);
  const time_t t1 = time(nullptr);
  bool matched = false;
  for (time_t t = t0; t <= t1 && !matched; ++t) {
    srand(static_cast<unsigned>(t));
    unsigned char expected_key[256];
    for (int i = 0; i < 256; ++i) expected_key[i] = static_cast<unsigned char>(rand() & 0xFF);
    ReferenceRc4 ref(expected_key);
    matched = memcmp(key, expected_key, 256) == 0 && memcmp(S_box, ref.S, 256) == 0;
  }
  EXPECT_TRUE(matched);
}

// The bounds come from the clock the key is read from: time() reads a coarse
// clock that may still show the previous second when gettimeofday() has
// passed it.
time_t SecondsOfDay() {
  struct timeval tv;
  gettimeofday(&tv, nullptr);
  return tv.tv_sec;
}

TEST(TmpNameGen, KeyIsTheTimeOfDayText) {
  const time_t t0 = SecondsOfDay();
  unsigned char key[256];
  memset(key, 0xAA, sizeof key);
  TmpNameGenTestPeer::get_key(key, sizeof key);
  const time_t t1 = SecondsOfDay();
  const std::string text(reinterpret_cast<char*>(key));
  const size_t dash = text.find('-');
  ASSERT_NE(dash, std::string::npos) << text;
  const std::string sec = text.substr(0, dash);
  const std::string usec = text.substr(dash + 1);
  ASSERT_FALSE(sec.empty() || usec.empty()) << text;
  ASSERT_EQ((sec + usec).find_first_not_of("0123456789"), std::string::npos) << text;
  EXPECT_GE(std::stol(sec), t0);
  EXPECT_LE(std::stol(sec), t1);
  EXPECT_LT(std::stol(usec), 1000000);
  // A short buffer keeps its terminator.
  unsigned char small[4];
  TmpNameGenTestPeer::get_key(small, sizeof small);
  EXPECT_EQ(strlen(reinterpret_cast<char*>(small)), 3u);
}

TEST(TmpNameGen, ManyNamesAreDistinctEightAlphabetCharacters) {
  const int kNames = 100000;
  std::set<std::string> seen;
  for (int n = 0; n < kNames; ++n) {
    const std::string name = S(TmpNameGen::getInstance().getTmpName());
    ASSERT_EQ(name.size(), 8u);
    ASSERT_EQ(name.find_first_not_of(kAlphabet), std::string::npos) << name;
    seen.insert(name);
  }
  EXPECT_EQ(seen.size(), static_cast<size_t>(kNames));
}

TEST(TmpNameGen, TwoThreadsGetDistinctNames) {
  const int kPerThread = 10000;
  std::vector<std::string> a, b;
  auto draw = [&](std::vector<std::string>* out) {
    for (int n = 0; n < kPerThread; ++n) out->push_back(S(TmpNameGen::getInstance().getTmpName()));
  };
  std::thread t1(draw, &a);
  std::thread t2(draw, &b);
  t1.join();
  t2.join();
  std::set<std::string> seen(a.begin(), a.end());
  seen.insert(b.begin(), b.end());
  EXPECT_EQ(seen.size(), static_cast<size_t>(2 * kPerThread));
}

TEST(TmpNameGen, PathJoinsPrefixUnchanged) {
  const struct {
    const char* prefix;
    const char* lead;
  } cases[] = {{"/tmp", "/tmp/"}, {"", "/"}, {"/tmp/", "/tmp//"}, {"rel", "rel/"}};
  for (const auto& c : cases) {
    const std::string p = S(TmpNameGen::getInstance().getTmpPath(c.prefix));
    const std::string lead = c.lead;
    ASSERT_EQ(p.size(), lead.size() + 8) << c.prefix;
    EXPECT_EQ(p.substr(0, lead.size()), lead);
    EXPECT_EQ(p.substr(lead.size()).find_first_not_of(kAlphabet), std::string::npos) << p;
  }
}

}  // namespace
