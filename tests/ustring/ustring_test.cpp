// ustring against std::string where their rules agree, the places where they
// deliberately differ, the capacity policy, aliasing and the ICU paths.
#include "ustring.h"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <optional>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const size_t npos = ustring::npos;

// Exposes the protected capacities.
class Probe : public ustring {
 public:
  using ustring::ustring;
  size_t cap() const { return data_cap; }
  size_t wcap() const { return wdata_cap; }
  size_t wlen() const { return wdata_len; }
};

// Collects what is written to std::cerr while it lives.
class CerrCapture {
 public:
  CerrCapture() : old_(std::cerr.rdbuf(buf_.rdbuf())) {}
  ~CerrCapture() { std::cerr.rdbuf(old_); }
  std::string text() const { return buf_.str(); }

 private:
  std::ostringstream buf_;
  std::streambuf* old_;
};

std::string bytes(const ustring& s) { return std::string(s.c_str(), s.length()); }

std::u16string units(const uchar16_t* p) {
  std::u16string r;
  while (*p) r.push_back(static_cast<char16_t>(*p++));
  return r;
}

// Random texts over few bytes, so that needles and sets often match; the
// two-byte UTF-8 "é" makes sets split characters into bytes.
class Generator {
 public:
  explicit Generator(unsigned seed) : rng_(seed) {}
  std::string text(size_t max_len) {
    static const std::vector<std::string> pieces = {"a", "b", "/", ".", " ", "\xC3\xA9", "ab", "\t"};
    std::string s;
    size_t n = pick(max_len + 1);
    while (s.size() < n) s += pieces[pick(pieces.size())];
    return s;
  }
  size_t pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng_); }

 private:
  std::mt19937 rng_;
};

const int kRounds = 4000;

// ---- search family --------------------------------------------------------

TEST(UstringSearch, AgreesWithStdStringInsideTheText) {
  Generator gen(7);
  for (int round = 0; round < kRounds; ++round) {
    std::string text = gen.text(12);
    std::string what = gen.text(3);
    if (text.empty() || what.empty()) continue;  // empty cases differ; see below
    size_t pos = gen.pick(text.size());          // pos < length: no clamping
    ustring u(text);
    SCOPED_TRACE("text '" + text + "' what '" + what + "' pos " + std::to_string(pos));
    EXPECT_EQ(u.find(what.c_str(), pos), text.find(what, pos));
    EXPECT_EQ(u.rfind(what.c_str(), pos), text.rfind(what, pos));
    EXPECT_EQ(u.find_first_of(what.c_str(), pos), text.find_first_of(what, pos));
    EXPECT_EQ(u.find_first_not_of(what.c_str(), pos), text.find_first_not_of(what, pos));
    EXPECT_EQ(u.find_last_of(what.c_str(), pos), text.find_last_of(what, pos));
    EXPECT_EQ(u.find_last_not_of(what.c_str(), pos), text.find_last_not_of(what, pos));
    // The other argument kinds search for the same bytes.
    EXPECT_EQ(u.find(ustring(what), pos), u.find(what.c_str(), pos));
    EXPECT_EQ(u.rfind(what, pos), u.rfind(what.c_str(), pos));
    EXPECT_EQ(u.find_first_of(what[0], pos), text.find_first_of(what[0], pos));
    EXPECT_EQ(u.rfind(what[0], pos), text.rfind(what[0], pos));
  }
}

TEST(UstringSearch, BackwardFormsFromNposAgreeWithStdString) {
  Generator gen(11);
  for (int round = 0; round < kRounds; ++round) {
    std::string text = gen.text(12);
    std::string what = gen.text(3);
    if (text.empty() || what.empty()) continue;
    ustring u(text);
    SCOPED_TRACE("text '" + text + "' what '" + what + "'");
    EXPECT_EQ(u.rfind(what.c_str()), text.rfind(what));
    EXPECT_EQ(u.find_last_of(what.c_str()), text.find_last_of(what));
    EXPECT_EQ(u.find_last_not_of(what.c_str()), text.find_last_not_of(what));
    EXPECT_EQ(u.rfind(what.c_str(), text.size() + 5), text.rfind(what, text.size() + 5));
  }
}

struct SearchCase {
  const char* name;
  const char* text;
  const char* what;
  size_t pos;
  size_t (ustring::*fn)(const char*, size_t) const;
  size_t expected;
};

TEST(UstringSearch, DeliberateDifferencesFromStdString) {
  const SearchCase cases[] = {
      {"find empty at 0", "ab", "", 0, &ustring::find, 0},
      {"find empty at end finds nothing", "ab", "", 2, &ustring::find, npos},
      {"find empty in empty string", "", "", 0, &ustring::find, npos},
      {"find past the end", "ab", "b", 5, &ustring::find, npos},
      {"rfind empty on empty string", "", "", npos, &ustring::rfind, npos},
      {"rfind anything on empty string", "", "a", npos, &ustring::rfind, npos},
      {"rfind empty clamps to last byte", "abc", "", npos, &ustring::rfind, 2},
      {"rfind empty from inside", "abc", "", 1, &ustring::rfind, 1},
      {"rfind slash from npos", "a/b/c", "/", npos, &ustring::rfind, 3},
      {"rfind match may run past pos", "abcab", "ab", 3, &ustring::rfind, 3},
      {"first_of slash from 2", "a/b/c", "/", 2, &ustring::find_first_of, 3},
      {"first_of empty set", "abc", "", 0, &ustring::find_first_of, npos},
      {"first_not_of empty set", "abc", "", 1, &ustring::find_first_not_of, 1},
      {"first_not_of at end", "abc", "", 3, &ustring::find_first_not_of, npos},
      {"last_of empty set", "abc", "", npos, &ustring::find_last_of, npos},
      {"last_not_of empty set clamps", "abc", "", npos, &ustring::find_last_not_of, 2},
      {"last_not_of empty set from 1", "abc", "", 1, &ustring::find_last_not_of, 1},
      {"last_not_of on empty string", "", "", npos, &ustring::find_last_not_of, npos},
      {"set splits UTF-8 bytes", "x\xC3\xA9", "\xA9", 0, &ustring::find_first_of, 2},
  };
  for (const auto& c : cases) {
    ustring u(c.text);
    EXPECT_EQ((u.*c.fn)(c.what, c.pos), c.expected) << c.name;
  }
}

TEST(UstringSearch, StdStringArgumentStopsAtItsFirstNul) {
  ustring u("abcd");
  EXPECT_EQ(u.find(std::string("cd\0zz", 5)), 2u);
  EXPECT_EQ(u.find_first_of(std::string("\0a", 2)), npos);
}

// ---- substr and trims ------------------------------------------------------

TEST(UstringSubstr, AgreesWithStdStringAndThrowsPastTheEnd) {
  Generator gen(3);
  for (int round = 0; round < kRounds; ++round) {
    std::string text = gen.text(10);
    size_t start = gen.pick(text.size() + 1);
    size_t len = round % 5 == 0 ? npos : gen.pick(text.size() + 3);
    EXPECT_EQ(bytes(ustring(text).substr(start, len)), text.substr(start, len));
  }
  ustring abc("abc");
  EXPECT_EQ(bytes(abc.substr(3, npos)), "");
  EXPECT_EQ(bytes(abc.substr(1, 100)), "bc");
  try {
    abc.substr(4);
    FAIL() << "substr(4) of abc did not throw";
  } catch (const std::out_of_range& e) {
    EXPECT_STREQ(e.what(), "substr");
  }
}

TEST(UstringTrim, AgreesWithStdStringModel) {
  Generator gen(5);
  for (int round = 0; round < kRounds; ++round) {
    std::string text = gen.text(10);
    std::string set = gen.text(3);
    if (set.empty()) continue;
    std::string left = text;
    left.erase(0, std::min(left.find_first_not_of(set), left.size()));
    std::string right = text;
    size_t last = right.find_last_not_of(set);
    right.erase(last == std::string::npos ? 0 : last + 1);
    std::string both = left;
    last = both.find_last_not_of(set);
    both.erase(last == std::string::npos ? 0 : last + 1);

    ustring l(text), r(text), b(text);
    l.ltrim(set.c_str());
    r.rtrim(ustring(set));
    b.trim(set.c_str());
    SCOPED_TRACE("text '" + text + "' set '" + set + "'");
    EXPECT_EQ(bytes(l), left);
    EXPECT_EQ(bytes(r), right);
    EXPECT_EQ(bytes(b), both);
    EXPECT_EQ(strlen(b.c_str()), b.length());
  }
}

TEST(UstringTrim, EdgeCases) {
  ustring s("  a b \t");
  s.trim(" \t");
  EXPECT_EQ(bytes(s), "a b");
  ustring slashes("///");
  slashes.rtrim("/");
  EXPECT_EQ(bytes(slashes), "");
  ustring kept(" x ");
  kept.trim("");
  EXPECT_EQ(bytes(kept), " x ");
  ustring blanks(" \n x\r\n");
  blanks.trim();
  EXPECT_EQ(bytes(blanks), "x");
}

// ---- compare ---------------------------------------------------------------

int sign(int v) { return (v > 0) - (v < 0); }

TEST(UstringCompare, SignAgreesWithStdStringAndCaselessFoldsAsciiOnly) {
  Generator gen(9);
  for (int round = 0; round < kRounds; ++round) {
    std::string a = gen.text(5), b = gen.text(5);
    if (round % 3 == 0) b = a + gen.text(2);
    ustring ua(a), ub(b);
    EXPECT_EQ(sign(ua.compare(ub)), sign(a.compare(b))) << a << " vs " << b;
    EXPECT_EQ(ua < ub, a < b);
    EXPECT_EQ(ua > ub, a > b);
    EXPECT_EQ(ua == ub, a == b);
    EXPECT_EQ(ua != ub, a != b);
    size_t n = gen.pick(6);
    EXPECT_EQ(sign(ua.compare(ub, n)), sign(a.substr(0, n).compare(b.substr(0, n))));
  }
  EXPECT_LT(ustring::compare("a", "B", true), 0);
  EXPECT_EQ(ustring::compare("a", "B", false), 31);
  EXPECT_EQ(ustring::compare("HeLLo", "hello", true), 0);
  // No Unicode folding: É and é differ in their second byte.
  EXPECT_NE(ustring::compare("\xC3\x89", "\xC3\xA9", true), 0);
  // Bytes compare unsigned: 0xC3 sorts after every ASCII byte.
  EXPECT_GT(ustring("\xC3\xA9").compare("z"), 0);
  EXPECT_EQ(ustring("abc").compare("abd", 2), 0);
  EXPECT_EQ(ustring("abc").compare("xyz", 0), 0);
  EXPECT_EQ(ustring("ab").compare("abc"), -'c');
}

// ---- capacity ----------------------------------------------------------------

TEST(UstringCapacity, ExactSizesWithHalfCapacityHysteresis) {
  Probe s;
  EXPECT_EQ(s.cap(), 4u);
  s.append("0123456789");
  EXPECT_EQ(s.cap(), 11u);
  s += 'x';
  EXPECT_EQ(s.cap(), 12u);

  Probe big;
  big.append('y', 99);
  ASSERT_EQ(big.cap(), 100u);
  big.assign(std::string(60, 'z'));
  EXPECT_EQ(big.cap(), 100u) << "60 bytes fit and use more than half";
  big.assign(std::string(49, 'z'));
  EXPECT_EQ(big.cap(), 100u) << "a need of exactly half the capacity keeps it";
  big.assign(std::string(48, 'z'));
  EXPECT_EQ(big.cap(), 49u) << "one byte less shrinks to the need";
  big.assign('q', 1);
  EXPECT_EQ(big.cap(), 2u);
  EXPECT_EQ(bytes(big), "q");

  Probe shrink;
  shrink.append('y', 99);
  shrink = "a";
  EXPECT_EQ(shrink.cap(), 2u);
}

TEST(UstringCapacity, StaysBetweenNeedAndTwiceTheNeed) {
  Generator gen(13);
  Probe s;
  std::string model;
  for (int round = 0; round < kRounds; ++round) {
    std::string piece = gen.text(40);
    if (gen.pick(3) == 0) {
      s.assign(piece.c_str());
      model = piece;
    } else {
      s.append(piece.c_str());
      model += piece;
    }
    ASSERT_EQ(bytes(s), model);
    ASSERT_GE(s.cap(), model.size() + 1);
    ASSERT_LE(s.cap(), 2 * (model.size() + 1) + 1);
  }
}

TEST(UstringCapacity, ClearKeepsTheAllocation) {
  Probe s;
  s.append('a', 30);
  s.clear();
  EXPECT_EQ(s.cap(), 31u);
  EXPECT_TRUE(s.empty());
  EXPECT_STREQ(s.c_str(), "");
}

TEST(UstringCapacity, ImpossibleSizeThrowsAndKeepsTheText) {
  ustring s("keep");
  EXPECT_THROW(s.append('x', npos / 2), std::bad_alloc);
  EXPECT_EQ(bytes(s), "keep");
}

// ---- append, assign and aliasing -------------------------------------------------

TEST(UstringAppend, OwnBufferIsRecognised) {
  // Each row edits what the row before left (or a fresh text where it names
  // one), with a piece of the text's own buffer as the source.
  struct Row {
    const char* fresh;
    std::function<void(ustring&)> edit;
    const char* expected;
  };
  const Row rows[] = {
      {"ab", [](ustring& s) { s.append(s.c_str()); }, "abab"},
      {nullptr, [](ustring& s) { s.append(s.c_str(), 3); }, "abababa"},
      {nullptr, [](ustring& s) { s.append(s.c_str(), 100); }, "abababaabababa"},
      {"abc", [](ustring& s) { s.assign(s.c_str(), 1); }, "a"},
      {nullptr, [](ustring& s) { s.assign(s.c_str()); }, "a"},
      {nullptr, [](ustring& s) { s.assign(s.c_str(), 10); }, "a"},
      {"hello", [](ustring& s) { s.append(s, 1, 3); }, "helloell"},
      {nullptr, [](ustring& s) { s.assign(s, 5); }, "ell"},
      {nullptr, [](ustring& s) { s = s; }, "ell"},
      {nullptr, [](ustring& s) { s += s; }, "ellell"},
  };
  std::optional<ustring> s;
  for (const auto& row : rows) {
    if (row.fresh) s.emplace(row.fresh);
    row.edit(*s);
    EXPECT_EQ(bytes(*s), row.expected);
  }
}

TEST(UstringAppend, EveryInputKind) {
  ustring s;
  s += "a";
  s += 'b';
  s += std::string("c");
  s += ustring("d");
  s.append("efgh", 2);
  s.append("xy", 10);
  s.append('z', 3);
  s.append(std::string("0123"), 1, 2);
  s.append(ustring("4567"), 2);
  EXPECT_EQ(bytes(s), "abcdefxyzzz1267");
  EXPECT_EQ(bytes(ustring("a") + ustring("b") + "c" + 'd'), "abcd");
  // Embedded NULs end the text.
  EXPECT_EQ(bytes(ustring(std::string("ab\0cd", 5))), "ab");
  EXPECT_EQ(bytes(ustring('\0')), "");
}

TEST(UstringAssign, RangeErrorsAndWhatTheyLeave) {
  ustring s("text");
  EXPECT_THROW(s.append(std::string("ab"), 3), std::out_of_range);
  EXPECT_EQ(bytes(s), "text");
  EXPECT_THROW(s.assign(ustring("ab"), 3), std::out_of_range);
  EXPECT_EQ(bytes(s), "") << "an assign clears before the range check of another string";
  ustring self("self");
  EXPECT_THROW(self.assign(self, 5), std::out_of_range);
  EXPECT_EQ(bytes(self), "self") << "assigning from itself stays unchanged";
}

// ---- UTF-16 path -------------------------------------------------------------

TEST(UstringUtf16, EditsGoThroughTheUtf16Copy) {
  Probe s("a");
  s += static_cast<uchar16_t>(0x00FC);
  EXPECT_EQ(bytes(s), "a\xC3\xBC");
  EXPECT_EQ(s.wlen(), 2u);
  const uchar16_t* first = s.c_str_utf16();
  EXPECT_EQ(units(first), u"a\u00FC");
  EXPECT_EQ(s.c_str_utf16(), first) << "the held copy is reused";

  const uchar16_t gclef[] = {0xD834, 0xDD1E, 0};
  ustring g(gclef);
  EXPECT_EQ(bytes(g), "\xF0\x9D\x84\x9E");
  g.append(g.c_str_utf16());
  EXPECT_EQ(bytes(g), "\xF0\x9D\x84\x9E\xF0\x9D\x84\x9E");
  g.assign(g.c_str_utf16(), 2);
  EXPECT_EQ(bytes(g), "\xF0\x9D\x84\x9E");

  ustring x("x");
  x.append(static_cast<uchar16_t>('y'), 3);
  EXPECT_EQ(bytes(x + static_cast<uchar16_t>('!') + gclef), "xyyy!\xF0\x9D\x84\x9E");
}

TEST(UstringUtf16, Utf8EditsDropTheCopy) {
  ustring s("a/b");
  EXPECT_EQ(units(s.c_str_utf16()), u"a/b");
  s.replace('/', '_');
  EXPECT_EQ(units(s.c_str_utf16()), u"a_b");
  s.append("\xC3\xA9");
  EXPECT_EQ(units(s.c_str_utf16()), u"a_b\u00E9");
  s.rtrim("\xA9\xC3");
  EXPECT_EQ(units(s.c_str_utf16()), u"a_b");
  ustring copy(s);
  EXPECT_EQ(units(copy.c_str_utf16()), u"a_b");
  EXPECT_EQ(units(ustring().c_str_utf16()), u"");
}

TEST(UstringUtf16, InvalidUtf8PrintsTheWarning) {
  ustring bad("a\xFF");
  CerrCapture cerr;
  EXPECT_EQ(units(bad.c_str_utf16()), u"");
  EXPECT_EQ(cerr.text(), "Warning: u_strFromUTF8: error code 10 at line 921\n");
  EXPECT_FALSE(ustring::is_valid(bad));
  EXPECT_EQ(bad.length(), 2u);
  EXPECT_EQ(bytes(bad), "a\xFF");
  EXPECT_TRUE(ustring::is_valid(ustring()));
  EXPECT_TRUE(ustring::is_valid("gr\xC3\xBC\xC3\x9F"));
}

TEST(UstringUtf16, LoneSurrogateEmptiesBoth) {
  const uchar16_t lone[] = {'a', 0xD800, 0};
  CerrCapture cerr;
  ustring s(lone);
  EXPECT_EQ(cerr.text(), "Warning: u_strToUTF8: error code 10 at line 888\n");
  EXPECT_TRUE(s.empty());
  EXPECT_EQ(units(s.c_str_utf16()), u"");
}

// ---- normalisation ---------------------------------------------------------------

struct NormCase {
  const char* name;
  const char* input;
  ustring::normalization_form form;
  const char* expected;
};

TEST(UstringNormalize, Vectors) {
  const NormCase cases[] = {
      {"e + acute composes", "e\xCC\x81", ustring::NFC, "\xC3\xA9"},
      {"e-acute decomposes", "\xC3\xA9", ustring::NFD, "e\xCC\x81"},
      {"ascii unchanged", "plain/path.txt", ustring::NFC, "plain/path.txt"},
      {"angstrom sign becomes A-ring", "\xE2\x84\xAB", ustring::NFC, "\xC3\x85"},
      {"hangul syllable decomposes", "\xED\x95\x9C", ustring::NFD, "\xE1\x84\x92\xE1\x85\xA1\xE1\x86\xAB"},
      {"hangul jamo compose", "\xE1\x84\x92\xE1\x85\xA1\xE1\x86\xAB", ustring::NFC, "\xED\x95\x9C"},
      {"combining marks reorder", "a\xCC\x81\xCC\xA8", ustring::NFD, "a\xCC\xA8\xCC\x81"},
      {"composed stays in NFC", "\xC3\xBC", ustring::NFC, "\xC3\xBC"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(bytes(ustring(c.input).normalize(c.form)), c.expected) << c.name;
    EXPECT_EQ(bytes(ustring::normalize(ustring(c.input), c.form)), c.expected) << c.name;
  }
}

TEST(UstringNormalize, EmptyAndInvalidInput) {
  {
    CerrCapture cerr;
    EXPECT_TRUE(ustring().normalize(ustring::NFC).empty());
    EXPECT_EQ(cerr.text(), "");
  }
  CerrCapture cerr;
  EXPECT_TRUE(ustring("x\xFF").normalize(ustring::NFD).empty());
  EXPECT_EQ(cerr.text(),
            "Warning: u_strFromUTF8: error code 10 at line 921\n"
            "Warning: u_strFromUTF8: error code 10 at line 921\n");
}

// ---- misc ------------------------------------------------------------------------

TEST(UstringMisc, StreamsSwapAndReplace) {
  std::istringstream in("  hello world");
  ustring word("old");
  in >> word;
  EXPECT_EQ(bytes(word), "hello");
  in >> word >> word;
  EXPECT_EQ(bytes(word), "world") << "a failed extraction keeps the last word";

  std::ostringstream out;
  out << ustring("x\xC3\xA9") << '|' << ustring();
  EXPECT_EQ(out.str(), "x\xC3\xA9|");

  ustring a("first"), b("second");
  swap(a, b);
  EXPECT_EQ(bytes(a), "second");
  EXPECT_EQ(bytes(b), "first");

  ustring path("a/b/c");
  path.replace('/', '\0');
  EXPECT_EQ(path.length(), 1u) << "a NUL ends the text where it is written";
  EXPECT_STREQ(path.c_str(), "a");
}

}  // namespace
