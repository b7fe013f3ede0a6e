// The decoder run ahead on its own thread hands the reader exactly what the
// decoder gives, in order, with its last step repeated, and stops cleanly
// when the reader leaves early; it runs ahead only while other processes
// leave a core free.
#include "decode_ahead.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <string>
#include <vector>

#include "child.h"
#include "testutil.h"
#include "usable_cores.h"

namespace {

using Step = PackageDecoder::Step;

// What one call of the decoder gives: a step and, for data, its bytes.
struct Call {
  Step step;
  std::string bytes;
};

// Plays a script of calls, then repeats its last one.
class ScriptedDecoder : public PackageDecoder {
 public:
  explicit ScriptedDecoder(std::vector<Call> script) : script_(std::move(script)) {}
  Step Next(uint8_t* out, size_t capacity, size_t* size) override {
    const Call& call = script_[std::min(next_++, script_.size() - 1)];
    *size = std::min(call.bytes.size(), capacity);
    std::copy_n(call.bytes.data(), *size, out);
    if (call.step == Step::kReadFailed) errno = EIO;
    return call.step;
  }
  int filter() const override { return 0; }
  const char* name() const override { return "script"; }

 private:
  std::vector<Call> script_;
  size_t next_ = 0;
};

std::string Big(char c) { return std::string(300000, c); }

TEST(DecodeAhead, ReaderGetsTheDecodersStepsInOrderAndTheLastOneAgain) {
  const std::vector<std::vector<Call>> scripts = {
      {{Step::kData, "a"}, {Step::kData, Big('b')}, {Step::kEnd, ""}},
      {{Step::kData, Big('a')}, {Step::kGiveUp, ""}},
      {{Step::kData, "a"}, {Step::kReadFailed, ""}},
      {{Step::kEnd, ""}},
  };
  for (const std::vector<Call>& script : scripts) {
    for (bool ahead : {false, true}) {
      SCOPED_TRACE(std::to_string(script.size()) + " calls, ahead " + std::to_string(ahead));
      DecodeAhead decoding(std::make_unique<ScriptedDecoder>(script), {ahead, nullptr});
      for (size_t i = 0; i < script.size() + 2; ++i) {
        const Call& want = script[std::min(i, script.size() - 1)];
        const uint8_t* out = nullptr;
        size_t size = 0;
        errno = 0;
        ASSERT_EQ(decoding.Next(&out, &size), want.step) << "call " << i;
        if (want.step == Step::kData) {
          EXPECT_EQ(std::string(reinterpret_cast<const char*>(out), size), want.bytes);
        }
        if (want.step == Step::kReadFailed) {
          EXPECT_EQ(errno, EIO);
        }
      }
    }
  }
}

TEST(DecodeAhead, ReaderThatLeavesEarlyStopsTheThread) {
  // Endless data: the thread fills every chunk and waits for the reader.
  std::vector<Call> endless = {{Step::kData, Big('x')}};
  for (int taken : {0, 1, 7}) {
    DecodeAhead decoding(std::make_unique<ScriptedDecoder>(endless), {true, nullptr});
    for (int i = 0; i < taken; ++i) {
      const uint8_t* out = nullptr;
      size_t size = 0;
      ASSERT_EQ(decoding.Next(&out, &size), Step::kData);
    }
  }  // each destructor returns: the test ends
}

// Other processes that keep every core busy leave none to spare, with or
// without a count of the package running beside; nor do this process's own
// threads that keep the other cores busy.
TEST(DecodeAhead, CoreIsSpareOnlyWhileOtherProcessesLeaveOne) {
  const int cores = UsableCores();
  if (cores < 2) GTEST_SKIP() << "one core: never a core to spare";
  // This process's own threads that keep a core busy take theirs too:
  // with one beside the caller for every core but one, none is left.
  EXPECT_FALSE(DecodeAhead::CoreToSpare(cores - 1));
  testutil::TempDir tmp;
  std::vector<std::unique_ptr<testutil::Child>> spinners;
  for (int i = 0; i < cores; ++i)
    spinners.push_back(
        std::make_unique<testutil::Child>(std::vector<std::string>{"sh", "-c", "while :; do :; done"},
                                          std::vector<std::string>{}, tmp / ("spinner" + std::to_string(i))));
  // Asked while the spinners have every core: whatever else runs, no core is free.
  EXPECT_FALSE(DecodeAhead::CoreToSpare(0));
  EXPECT_FALSE(DecodeAhead::CoreToSpare(1));
}

}  // namespace
