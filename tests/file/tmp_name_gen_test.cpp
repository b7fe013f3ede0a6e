// The temporary name generator: eight characters of its alphabet, distinct
// over many names and across threads, joined to a prefix as given.
#include "tmp_name_gen.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

const char kAlphabet[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";

std::string S(const ustring& s) { return std::string(s.c_str()); }

TEST(TmpNameGen, ManyNamesAreDistinctEightAlphabetCharacters) {
  const int kNames = 100000;
  std::set<std::string> seen;
  std::set<char> used;
  for (int n = 0; n < kNames; ++n) {
    const std::string name = S(TmpNameGen::getInstance().getTmpName());
    ASSERT_EQ(name.size(), 8u);
    ASSERT_EQ(name.find_first_not_of(kAlphabet), std::string::npos) << name;
    seen.insert(name);
    used.insert(name.begin(), name.end());
  }
  EXPECT_EQ(seen.size(), static_cast<size_t>(kNames));
  EXPECT_EQ(used.size(), 64u) << "every character of the alphabet, first and last included, occurs";
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
