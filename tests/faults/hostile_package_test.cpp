// Hostile and broken packages offered as an upgrade over a working copy:
// truncated, empty and random files, one bit flipped in a gzip, xz or zstd
// package (in its data, and in the checks after the tar's end), entries that try to leave the app folder
// (by "..", an absolute name, a hard link, a symbolic link followed by an
// entry through it, a cpio hard link that carries data), entries that would
// take the app folder's place, and sheer size (50,000 entries, a 4-GiB sparse
// entry, names of 4,000 bytes). Whatever the package, nothing outside the app
// folder changes, a failed upgrade leaves the old copy, and the launcher ends
// with status 0 within the bound; with the extracting thread confined by
// Landlock and as on a kernel without it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <sstream>
#include <tuple>

#include "archive_writer.h"
#include "faults_tree.h"

using namespace testutil;

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

struct Hostile {
  LaunchTree& t;
  std::string pkg;     // the package the launcher reads
  std::string work;    // scratch files of the case, outside the checked tree
  std::string canary;  // a folder outside the app folder that must stay untouched
  std::string client;  // the client folder of build 1002
};

enum class Outcome { kFails, kInstalls };

struct HostileCase {
  const char* name;
  std::function<void(const Hostile&)> make;  // writes h.pkg
  Outcome outcome;
  std::function<void(const Hostile&)> check;  // more checks after the launch
};

// The entries every working package holds, from the 1002 client folder.
std::vector<ArchiveEntry> base(const Hostile& h) {
  return {File("INFO", read_file(h.client + "/INFO")), Dir("bin"),
          File("bin/nimbora-backup-ui", read_file(h.client + "/bin/nimbora-backup-ui"), 0755), Dir("package"),
          File("package/start-stop", read_file(h.client + "/package/start-stop"), 0755)};
}

std::vector<ArchiveEntry> with(std::vector<ArchiveEntry> v, const std::vector<ArchiveEntry>& more) {
  v.insert(v.end(), more.begin(), more.end());
  return v;
}

// A real package of the 1002 client with some bulk, cut to `percent` of its size.
std::function<void(const Hostile&)> truncated(int percent) {
  return [percent](const Hostile& h) {
    std::string c = h.work + "/bulky";
    ASSERT_EQ(sh("cp -a '" + h.client + "' '" + c + "'").status, 0);
    for (int i = 0; i < 30; ++i) write_file(c + "/data" + two_digits(i), pseudo_random_bytes(8192, i));
    ASSERT_EQ(h.t.package(c).status, 0);
    write_file(h.t.root() + "/INFO", read_file(h.client + "/INFO"));
    std::string bytes = read_file(h.pkg);
    write_file(h.pkg, bytes.substr(0, bytes.size() * static_cast<size_t>(percent) / 100));
  };
}

// A real package of the 1002 client with real libraries in it, compressed
// by `compress` (a filter from the tar on stdin, "" for the vendor's gzip),
// with one bit flipped `from_end` bytes before its end, or in its middle
// for 0. A flip in the last bytes falls after the tar's end: in gzip's CRC
// and length, xz's index and footer, zstd's checksum.
std::function<void(const Hostile&)> flipped(const std::string& compress, const std::string& from_end) {
  return [compress, from_end](const Hostile& h) {
    std::string c = h.work + "/libs";
    ASSERT_EQ(sh("cp -a '" + h.client + "' '" + c + "' && mkdir '" + c + "/lib' && cp -L " +
                 "/lib/x86_64-linux-gnu/libz.so.1 /lib/x86_64-linux-gnu/libzstd.so.1 '" + c + "/lib/'")
                  .status,
              0);
    ASSERT_EQ(h.t.package(c).status, 0);
    if (!compress.empty()) {
      const std::string recompress =
          "gzip -dc \"$P\" | " + compress + " > \"$P.new\" && mv \"$P.new\" \"$P\"";
      ASSERT_EQ(sh(recompress, {"P=" + h.pkg}).status, 0);
    }
    ASSERT_EQ(sh("python3 -c 'import sys; p=sys.argv[1]; d=bytearray(open(p,\"rb\").read()); "
                 "n=int(sys.argv[2]) or len(d)//2; d[len(d)-n]^=0x04; open(p,\"wb\").write(d)' \"$P\" " +
                     from_end,
                 {"P=" + h.pkg})
                  .status,
              0);
  };
}

// The offset from its end of the last byte of the last block of the xz
// package $P: the last byte of that block's check.
const char kXzLastCheck[] =
    "$(( $(stat -c %s \"$P\") - $(xz --robot -lvv \"$P\" | awk '$1==\"block\"{e=$5+$7}END{print e}') + 1 ))";

// 4,000 bytes in 20 components, each below the 255-byte limit of a name.
std::string long_path() {
  std::string p;
  for (int i = 0; i < 19; ++i) p += std::string(199, static_cast<char>('a' + i)) + "/";
  return p + std::string(200, 'z');
}

const std::string kProbe = "nimbora-escape-probe-" + std::to_string(getpid());

// The package as the vendor's tool makes it, but an uncompressed tar cut at
// the start of its last entry: it ends at a block boundary, with no
// end-of-archive marker.
void plain_tar_cut_between_entries(const Hostile& h) {
  std::vector<ArchiveEntry> v = base(h);
  v.push_back(File("data", pseudo_random_bytes(8192, 1)));
  write_archive(h.pkg, v, "ustar");
  const ArchiveLayout layout = layout_of(h.pkg);
  ASSERT_EQ(truncate(h.pkg.c_str(), static_cast<off_t>(layout.header_offsets.back())), 0);
}

const HostileCase kCases[] = {
    {"truncated_at_1_percent", truncated(1), Outcome::kFails, nullptr},
    {"truncated_at_50_percent", truncated(50), Outcome::kFails, nullptr},
    {"truncated_at_99_percent", truncated(99), Outcome::kFails, nullptr},
    {"gzip_bit_flipped_in_its_data", flipped("", "0"), Outcome::kFails, nullptr},
    {"gzip_bit_flipped_in_its_crc", flipped("", "6"), Outcome::kFails, nullptr},
    {"gzip_bit_flipped_in_its_length", flipped("", "2"), Outcome::kFails, nullptr},
    {"xz_bit_flipped_in_its_data", flipped("xz -T2 --block-size=256KiB", "0"), Outcome::kFails, nullptr},
    {"xz_bit_flipped_in_its_last_check", flipped("xz -T2 --block-size=256KiB", kXzLastCheck), Outcome::kFails,
     nullptr},
    {"xz_bit_flipped_in_its_index", flipped("xz", "14"), Outcome::kFails, nullptr},
    {"zstd_bit_flipped_in_its_data", flipped("zstd -q", "0"), Outcome::kFails, nullptr},
    {"zstd_bit_flipped_in_its_checksum", flipped("zstd -q", "2"), Outcome::kFails, nullptr},
    {"zero_length_file", [](const Hostile& h) { write_file(h.pkg, ""); }, Outcome::kFails, nullptr},
    {"random_bytes", [](const Hostile& h) { write_file(h.pkg, pseudo_random_bytes(65536, 99)); },
     Outcome::kFails, nullptr},
    {"entry_with_dot_dot",
     [](const Hostile& h) { write_archive(h.pkg, with(base(h), {File("../escape", "PWNED\n")})); },
     Outcome::kFails, [](const Hostile& h) { EXPECT_FALSE(exists(h.t.user_dir() + "/escape")); }},
    {"dot_dot_inside_a_path",
     [](const Hostile& h) { write_archive(h.pkg, with(base(h), {File("bin/../../../escape", "PWNED\n")})); },
     Outcome::kFails, [](const Hostile& h) { EXPECT_FALSE(exists(h.t.home() + "/escape")); }},
    {"absolute_path_into_the_canary",
     [](const Hostile& h) { write_archive(h.pkg, with(base(h), {File(h.canary + "/victim", "PWNED\n")})); },
     Outcome::kInstalls,
     [](const Hostile& h) { EXPECT_EQ(read_file(h.t.app_dir() + "/" + h.canary + "/victim"), "PWNED\n"); }},
    {"hard_link_to_etc_passwd",
     [](const Hostile& h) { write_archive(h.pkg, with(base(h), {Hardlink("passwd", "/etc/passwd")})); },
     Outcome::kFails, nullptr},
    {"hard_link_to_etc_passwd_carrying_data",
     [](const Hostile& h) {
       write_archive(h.pkg, with(base(h), {Hardlink("passwd", "/etc/passwd", "PWNED\n")}));
     },
     Outcome::kFails, nullptr},
    // The planted link is replaced by a folder of the app folder's own.
    {"symbolic_link_to_tmp_then_an_entry_through_it",
     [](const Hostile& h) {
       write_archive(h.pkg, with(base(h), {Symlink("tmp", "/tmp"), File("tmp/" + kProbe, "PWNED\n")}));
     },
     Outcome::kInstalls,
     [](const Hostile& h) {
       EXPECT_TRUE(is_dir(h.t.app_dir() + "/tmp"));
       EXPECT_EQ(read_file(h.t.app_dir() + "/tmp/" + kProbe), "PWNED\n");
     }},
    {"symbolic_link_to_the_canary_then_a_folder_through_it",
     [](const Hostile& h) {
       write_archive(h.pkg,
                     with(base(h), {Symlink("c", h.canary), Dir("c/newdir"), File("c/newdir/x", "PWNED\n")}));
     },
     Outcome::kInstalls,
     [](const Hostile& h) {
       EXPECT_TRUE(is_dir(h.t.app_dir() + "/c"));
       EXPECT_EQ(read_file(h.t.app_dir() + "/c/newdir/x"), "PWNED\n");
     }},
    {"fifty_thousand_entries",
     [](const Hostile& h) {
       std::vector<ArchiveEntry> v = base(h);
       for (int d = 0; d < 100; ++d) {
         v.push_back(Dir("many/d" + three_digits(d)));
         for (int f = 0; f < 499; ++f)
           v.push_back(File("many/d" + three_digits(d) + "/f" + three_digits(f), ""));
       }
       write_archive(h.pkg, v, "ustar");
     },
     Outcome::kInstalls,
     [](const Hostile& h) {
       EXPECT_EQ(snapshot(h.t.app_dir() + "/many").size(), 50000u);
       EXPECT_EQ(tree_diff(snapshot(h.t.app_dir() + "/bin"), snapshot(h.client + "/bin")), "");
     }},
    {"sparse_entry_of_4_GiB",
     [](const Hostile& h) {
       std::string c = h.work + "/sparse";
       ASSERT_EQ(
           sh("cp -a '" + h.client + "' '" + c + "' && truncate -s 4G '" + c +
              "/huge' && printf head | dd of='" + c +
              "/huge' conv=notrunc 2>/dev/null && printf tail | dd of='" + c +
              "/huge' bs=1 seek=4294967292 conv=notrunc 2>/dev/null && cd '" + c +
              "' && tar --sparse --format=posix -cf '" + h.pkg + "' INFO bin package huge && rm -f huge")
               .status,
           0);
     },
     Outcome::kInstalls,
     [](const Hostile& h) {
       std::string huge = h.t.app_dir() + "/huge";
       struct stat st;
       ASSERT_EQ(lstat(huge.c_str(), &st), 0);
       EXPECT_EQ(st.st_size, 4294967296LL);
       EXPECT_LT(st.st_blocks * 512LL, 64LL << 20) << "the holes were written out";
       int fd = open(huge.c_str(), O_RDONLY);
       char b[4] = {};
       EXPECT_EQ(pread(fd, b, 4, 0), 4);
       EXPECT_EQ(std::string(b, 4), "head");
       EXPECT_EQ(pread(fd, b, 4, 4294967292LL), 4);
       EXPECT_EQ(std::string(b, 4), "tail");
       EXPECT_EQ(pread(fd, b, 4, 1LL << 31), 4);
       EXPECT_EQ(std::string(b, 4), std::string(4, '\0'));
       close(fd);
       unlink(huge.c_str());  // kept out of the snapshots
     }},
    {"name_that_is_not_utf8",
     [](const Hostile& h) {
       write_archive(h.pkg, with(base(h), {File("bad-\xff\xfe-name", "raw\n")}), "gnutar");
     },
     Outcome::kInstalls,
     [](const Hostile& h) { EXPECT_EQ(read_file(h.t.app_dir() + "/bad-\xff\xfe-name"), "raw\n"); }},
    {"name_of_4000_bytes",
     [](const Hostile& h) {
       write_archive(h.pkg, with(base(h), {File(std::string(4000, 'n'), "long\n")}), "gnutar");
     },
     Outcome::kFails, nullptr},
    {"path_of_4000_bytes",
     [](const Hostile& h) { write_archive(h.pkg, with(base(h), {File(long_path(), "deep\n")}), "gnutar"); },
     Outcome::kInstalls,
     [](const Hostile& h) { EXPECT_EQ(read_file(h.t.app_dir() + "/" + long_path()), "deep\n"); }},
    {"file_named_dot", [](const Hostile& h) { write_archive(h.pkg, with(base(h), {File(".", "PWNED\n")})); },
     Outcome::kFails, nullptr},
    {"file_named_double_slash",
     [](const Hostile& h) { write_archive(h.pkg, with(base(h), {File("//", "PWNED\n")})); }, Outcome::kFails,
     nullptr},
    // Packages that yield no client: the working copy stays.
    {"only_a_link_to_tmp_and_a_file_through_it",
     [](const Hostile& h) {
       write_archive(h.pkg, {Symlink("tmp", "/tmp"), File("tmp/" + kProbe, "PWNED\n")});
     },
     Outcome::kFails, nullptr},
    {"only_an_entry_with_an_empty_name", [](const Hostile& h) { write_archive(h.pkg, {Dir("")}); },
     Outcome::kFails, nullptr},
    {"only_a_link_to_dot_dot_and_a_file_through_it",
     [](const Hostile& h) {
       write_archive(h.pkg, std::vector<ArchiveEntry>{Symlink("up", ".."), File("up/escape", "PWNED\n")});
     },
     Outcome::kFails, [](const Hostile& h) { EXPECT_FALSE(exists(h.t.user_dir() + "/escape")); }},
    {"everything_but_the_start_script",
     [](const Hostile& h) {
       std::vector<ArchiveEntry> v = base(h);
       v.pop_back();
       write_archive(h.pkg, v);
     },
     Outcome::kFails, nullptr},
    // Every later launch would read it as the copy's version file.
    {"info_entry_that_is_a_fifo",
     [](const Hostile& h) {
       std::vector<ArchiveEntry> v = base(h);
       v[0] = Fifo("INFO");
       write_archive(h.pkg, v);
     },
     Outcome::kFails, nullptr},
    {"plain_tar_cut_between_entries", plain_tar_cut_between_entries, Outcome::kFails, nullptr},
    {"folder_named_dot", [](const Hostile& h) { write_archive(h.pkg, with({Dir(".")}, base(h))); },
     Outcome::kInstalls, nullptr},
    {"cpio_hard_link_carrying_data_to_an_outside_path",
     [](const Hostile& h) {
       std::vector<ArchiveEntry> v = base(h);
       for (size_t i = 0; i < v.size(); ++i) v[i].ino = static_cast<long>(i + 1);
       ArchiveEntry first = File(h.canary + "/victim", "");
       first.ino = 42;
       first.nlink = 2;
       ArchiveEntry second = File("inside-link", "PWNED\n");
       second.ino = 42;
       second.nlink = 2;
       v.push_back(first);
       v.push_back(second);
       write_archive(h.pkg, v, "cpio");
     },
     Outcome::kInstalls,
     [](const Hostile& h) {
       // The second member became a hard link to the first, inside.
       struct stat a, b;
       ASSERT_EQ(lstat((h.t.app_dir() + "/inside-link").c_str(), &a), 0);
       ASSERT_EQ(lstat((h.t.app_dir() + "/" + h.canary + "/victim").c_str(), &b), 0);
       EXPECT_EQ(a.st_ino, b.st_ino);
       EXPECT_EQ(read_file(h.t.app_dir() + "/inside-link"), "PWNED\n");
     }},
};

struct FileId {
  std::string bytes;
  ino_t ino = 0;
  nlink_t nlink = 0;
  bool operator==(const FileId& o) const { return bytes == o.bytes && ino == o.ino && nlink == o.nlink; }
};

FileId id_of(const std::string& path) {
  FileId f;
  struct stat st;
  if (lstat(path.c_str(), &st) == 0) {
    f.ino = st.st_ino;
    f.nlink = st.st_nlink;
  }
  f.bytes = read_file(path);
  return f;
}

// A difference of two trees, each path cut to a readable length.
std::string short_diff(const TreeSnapshot& a, const TreeSnapshot& b) {
  std::string out;
  std::istringstream lines(tree_diff(a, b));
  for (std::string line; std::getline(lines, line);) out += line.substr(0, 120) + "\n";
  return out;
}

enum class Confinement { kLandlock, kNone };

class HostilePackage : public ::testing::TestWithParam<std::tuple<HostileCase, Confinement>> {
 protected:
  const HostileCase& Case() const { return std::get<0>(GetParam()); }
  std::vector<std::string> Argv(const LaunchTree& t) const {
    if (std::get<1>(GetParam()) == Confinement::kNone) return {WITHOUT_LANDLOCK, t.launcher()};
    return {t.launcher()};
  }
};

TEST_P(HostilePackage, NothingOutsideChangesAndTheLaunchEndsWell) {
  ScratchTmp scratch;
  LaunchTree t;
  ProcessSweeper sweeper(t.tmp());
  t.set_levels("service_debug=6\nextractor_debug=7\n");
  Hostile h{t, t.root() + "/package/nimbora.nbpk", t.tmp() + "/work", t.tmp() + "/canary",
            t.tmp() + "/work/client-1002"};
  make_dirs(h.work);
  make_dirs(h.canary + "/sub");
  write_file(h.canary + "/victim", "original\n");
  write_file(h.canary + "/sub/file", "original\n");
  write_client(t.tmp() + "/client-1001", "1001", "old-only.txt");
  write_client(h.client, "1002", "new-feature.txt");
  make_dirs(t.user_dir());
  ASSERT_EQ(sh("cp -a '" + t.tmp() + "/client-1001' '" + t.app_dir() + "'").status, 0);
  make_dirs(t.root() + "/package");
  write_file(t.root() + "/INFO", read_file(h.client + "/INFO"));
  Case().make(h);
  if (::testing::Test::HasFatalFailure()) return;

  const std::vector<std::string> skip = {"home/user/.NimboraBackup", "home/user/started", "work"};
  const TreeSnapshot outside = snapshot_outside(t.tmp(), skip);
  const TreeSnapshot old_copy = snapshot(t.app_dir());
  const FileId passwd = id_of("/etc/passwd");
  ASSERT_FALSE(exists("/tmp/" + kProbe));

  Child c(Argv(t), {"HOME=" + t.home(), "QT_QPA_PLATFORM=offscreen"}, h.work + "/launch.out");
  const int status = c.wait();
  EXPECT_EQ(status, 0) << (status < 0 ? "hung" : "ended badly") << "\n" << c.output() << t.log();

  EXPECT_EQ(short_diff(snapshot_outside(t.tmp(), skip), outside), "");
  EXPECT_TRUE(id_of("/etc/passwd") == passwd) << "/etc/passwd was touched";
  EXPECT_FALSE(exists("/tmp/" + kProbe));
  unlink(("/tmp/" + kProbe).c_str());
  // A failed upgrade leaves the record that holds the package back.
  const bool failed = Case().outcome == Outcome::kFails;
  for (const auto& n : list_dir(t.user_dir()))
    EXPECT_TRUE(n == "Nimbora.app" || n == "log" || n == "ui.pid" || (failed && n == "upgrade.attempt")) << n;

  const std::string log = t.log();
  if (Case().outcome == Outcome::kFails) {
    EXPECT_EQ(short_diff(snapshot(t.app_dir()), old_copy), "") << log;
    EXPECT_THAT(log, HasSubstr("Failed to upgrade package\n"));
    EXPECT_THAT(t.started(), EndsWith("start 1001\n"));
  } else {
    EXPECT_EQ(read_file(t.app_dir() + "/INFO"), read_file(h.client + "/INFO")) << log;
    EXPECT_THAT(log, Not(HasSubstr("Failed to upgrade package\n")));
    EXPECT_THAT(t.started(), EndsWith("start 1002\n"));
    EXPECT_THAT(log, HasSubstr(std::get<1>(GetParam()) == Confinement::kNone
                                   ? "the extracting thread runs unconfined: Landlock is not available"
                                   : "the extracting thread confined by Landlock ABI"));
  }
  if (Case().check) Case().check(h);
}

INSTANTIATE_TEST_SUITE_P(Packages, HostilePackage,
                         ::testing::Combine(::testing::ValuesIn(kCases),
                                            ::testing::Values(Confinement::kLandlock, Confinement::kNone)),
                         [](const ::testing::TestParamInfo<std::tuple<HostileCase, Confinement>>& i) {
                           return std::string(std::get<0>(i.param).name) +
                                  (std::get<1>(i.param) == Confinement::kNone ? "_unconfined" : "_confined");
                         });

}  // namespace
