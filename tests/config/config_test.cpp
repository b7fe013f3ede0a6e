// Config reading real files: the line syntax, the all-or-nothing store and
// the 8192-byte read pieces of the flat files; one section of an INI file.
#include "config.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "testutil.h"

namespace {

using Pairs = std::map<std::string, std::string>;

Pairs pairs_of(const Config& config) {
  Pairs out;
  for (const auto& kv : config.items()) out[kv.first.c_str()] = kv.second.c_str();
  return out;
}

struct ReadResult {
  int result;
  Pairs store;
};

ReadResult read_content(const std::string& content) {
  testutil::TempDir dir;
  testutil::write_file(dir / "file", content);
  Config config;
  int result = config.read(ustring((dir / "file").c_str()));
  return {result, pairs_of(config)};
}

struct Row {
  const char* name;
  const char* content;
  Pairs store;
  int result;
};

TEST(ConfigRead, LineSyntax) {
  const Row rows[] = {
      {"plain pair", "pid=1234\n", {{"pid", "1234"}}, 0},
      {"blanks and trailing comment", "pid = 1234 # running\n", {{"pid", "1234"}}, 0},
      {"spaced pair", "key = value\n", {{"key", "value"}}, 0},
      {"comment right after value blank", "key=value # note\n", {{"key", "value"}}, 0},
      {"unquoted empty value", "pid=\n", {}, -1},
      {"later malformed line drops all", "a=1\nb c\n", {}, -1},
      {"CR LF ending", "a=1\r\n", {{"a", "1"}}, 0},
      {"comment then empty line", "# comment\n\n", {}, 0},
      {"unterminated quote", "a='x\n", {}, -1},
      {"hash right after equals is the value", "a= #\n", {{"a", "#"}}, 0},
      {"hash value then more text", "a= # note\n", {}, -1},
      {"later key replaces", "x=1\nx=2\n", {{"x", "2"}}, 0},
      {"blank inside unquoted value", "a=b c\n", {}, -1},
      {"hash inside unquoted value", "a=b#c\n", {{"a", "b#c"}}, 0},
      {"single-quoted value with blank", "a='b c'\n", {{"a", "b c"}}, 0},
      {"double-quoted value with hash", "a=\"b # c\"  # tail\n", {{"a", "b # c"}}, 0},
      {"empty quoted value", "a=\"\"\n", {{"a", ""}}, 0},
      {"mismatched quotes", "a=\"b'\n", {}, -1},
      {"tab inside quotes", "a='b\tc'\n", {}, -1},
      {"bare key with newline", "key\n", {}, -1},
      {"bare key at end of file", "a=1\nkey", {{"a", "1"}}, 0},
      {"key directly followed by hash", "key#x\n", {}, 0},
      {"empty key", "=v\n", {{"", "v"}}, 0},
      {"section header", "[Version]\n", {}, -1},
      {"key characters", "A-z_0.9=1\n", {{"A-z_0.9", "1"}}, 0},
      {"other key character", "a+b=1\n", {}, -1},
      {"indented pair", " \t a=1\n", {{"a", "1"}}, 0},
      {"UTF-8 value", "name=gr\xC3\xBC\xC3\x9F\n", {{"name", "gr\xC3\xBC\xC3\x9F"}}, 0},
      {"DEL ends a value", "a=b\x7f\n", {}, -1},
      {"equals inside value", "a=b=c\n", {{"a", "b=c"}}, 0},
      {"empty file", "", {}, 0},
      {"no newline at end", "a=1", {{"a", "1"}}, 0},
  };
  for (const auto& row : rows) {
    ReadResult r = read_content(row.content);
    EXPECT_EQ(r.result, row.result) << row.name;
    EXPECT_EQ(r.store, row.store) << row.name;
  }
}

TEST(ConfigReadSection, KeysOfTheSectionInQtsIniDialect) {
  const Row rows[] = {
      {"keys of the section only", "a=0\n[V]\nb=1\n[W]\nc=2\n", {{"b", "1"}}, 0},
      {"blanks dropped, comment line", "[V]\n ; x=1\n  k  =  v w  \r\n", {{"k", "v w"}}, 0},
      {"quotes keep blanks", "[V]\nk=\" 42\"\n", {{"k", " 42"}}, 0},
      {"backslash escapes", "[V]\nk=a\\,b\\\\c\n", {{"k", "a,b\\c"}}, 0},
      {"a list is left out", "[V]\nk=1\nk=2,3\n", {{"k", "1"}}, 0},
      {"no pair skipped, header without ']'", "[W]\njunk\n[V\nk=1\n", {{"k", "1"}}, 0},
      {"section met twice, later wins", "[V]\nk=1\n[W]\n[V]\nk=2", {{"k", "2"}}, 0},
      {"empty value", "[V]\nk=\n", {{"k", ""}}, 0},
  };
  for (const auto& row : rows) {
    testutil::TempDir dir;
    testutil::write_file(dir / "INFO", row.content);
    Config config;
    EXPECT_EQ(config.read_section(ustring((dir / "INFO").c_str()), "V"), row.result) << row.name;
    EXPECT_EQ(pairs_of(config), row.store) << row.name;
  }
  Config config;
  EXPECT_EQ(config.read_section(ustring("/nonexistent/INFO"), "V"), -1);
}

TEST(ConfigRead, EmbeddedNulEndsTheLine) {
  ReadResult r = read_content(std::string("a=1\0junk here\nb=2\n", 18));
  EXPECT_EQ(r.result, 0);
  EXPECT_EQ(r.store, (Pairs{{"a", "1"}, {"b", "2"}}));
}

TEST(ConfigRead, LongLinesArriveInPieces) {
  // 9000 bytes: the first 8191 form one piece, the rest another.
  std::string key_only(9000, 'k');
  ReadResult r = read_content("a=1\n" + key_only + "\n");
  EXPECT_EQ(r.result, -1);
  EXPECT_TRUE(r.store.empty());

  // A value of exactly 8191 - 2 bytes plus "a=" fills one piece; the newline
  // then arrives as a piece of its own, a blank line.
  std::string fits = "a=" + std::string(8189, 'v');
  r = read_content(fits + "\nb=2\n");
  EXPECT_EQ(r.result, 0);
  EXPECT_EQ(r.store["a"].size(), 8189u);
  EXPECT_EQ(r.store["b"], "2");

  // One byte longer: the second piece is the lone byte "v", a bare key.
  r = read_content("a=" + std::string(8190, 'v') + "\n");
  EXPECT_EQ(r.result, -1);

  // A piece that happens to be a valid pair of its own is stored as one.
  std::string split = "c=" + std::string(8189, 'x') + "d=4\n";
  r = read_content(split);
  EXPECT_EQ(r.result, 0);
  EXPECT_EQ(r.store["d"], "4");
}

TEST(ConfigRead, FailuresLeaveTheStoreAsItWas) {
  Config config;
  config[ustring("kept")] = ustring("yes");
  EXPECT_EQ(config.read(ustring()), -1);
  EXPECT_EQ(config.read(ustring("/nonexistent/folder/file")), -1);
  testutil::TempDir dir;
  EXPECT_EQ(config.read(ustring(dir.path().c_str())), -1) << "a folder is not a file";
  EXPECT_EQ(pairs_of(config), (Pairs{{"kept", "yes"}}));
}

TEST(ConfigRead, SecondFileAddsAndOverridesButMalformedDropsEverything) {
  testutil::TempDir dir;
  testutil::write_file(dir / "one", "a=1\nb=2\n");
  testutil::write_file(dir / "two", "b=3\nc=4\n");
  testutil::write_file(dir / "bad", "d=5\nbad line\n");
  Config config;
  ASSERT_EQ(config.read(ustring((dir / "one").c_str())), 0);
  ASSERT_EQ(config.read(ustring((dir / "two").c_str())), 0);
  EXPECT_EQ(pairs_of(config), (Pairs{{"a", "1"}, {"b", "3"}, {"c", "4"}}));
  EXPECT_EQ(config.read(ustring((dir / "bad").c_str())), -1);
  EXPECT_TRUE(config.items().empty());
}

}  // namespace
