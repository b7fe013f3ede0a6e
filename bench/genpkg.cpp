// genpkg: writes the benchmark packages as plain tar files, the same bytes on
// every run and every machine (a fixed pseudo-random sequence, fixed times
// and owners, entries in the order GNU tar --sort=name writes them).
//
//   genpkg --version          the generator's version, keys the package cache
//   genpkg big OUT.tar        ~250 MB client: libraries, texts, links
//   genpkg tiny OUT.tar       50,000 tiny files
//
// Both packages hold what the launcher needs at the top: INFO, the client
// executable and the start script.
#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// Bump whenever the bytes of a package change, so that cached packages made
// by an older generator are not reused.
constexpr int kGeneratorVersion = 2;

// The build number the packages offer; the harness writes an older one into
// the copy it upgrades.
constexpr int kPackageBuild = 2;

// Fixed time stamp and seed: the same package bytes on every run.
constexpr int64_t kMtime = 1700000000;
constexpr uint64_t kSeed = 0x6e696d626f726131ULL;

// Big package: a few dozen libraries of 1 to 12 MiB (234 MiB in all),
// about 6,000 text files in 300 folders, a few library links.
constexpr int kLibraries = 36;
constexpr int kLibrarySizeSteps = 12;
constexpr size_t kMiB = 1024 * 1024;
constexpr int kTextTopFolders = 20;
constexpr int kTextSubFolders = 15;
constexpr int kTextsPerFolder = 20;
constexpr size_t kTextMinBytes = 200;
constexpr size_t kTextMaxBytes = 3000;
constexpr int kLibraryLinks = 6;

// Library pages: this share is random bytes (stored by every compressor),
// the rest low-entropy bytes like code and tables; gzip keeps about 65 %.
constexpr int kRandomPagePercent = 25;
constexpr size_t kPageBytes = 4096;

// Tiny package: 50,000 files of a few dozen bytes in 500 folders.
constexpr int kTinyFolders = 500;
constexpr int kTinyPerFolder = 100;
constexpr size_t kTinyMaxBytes = 64;

// Tar output is written in records of this size, as tar does.
constexpr int kTarBlockBytes = 10240;

class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  // xorshift64*: fast, and the same sequence everywhere.
  uint64_t Next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545F4914F6CDD1DULL;
  }
  size_t Below(size_t n) { return static_cast<size_t>(Next() % n); }

 private:
  uint64_t state_;
};

struct Entry {
  enum Kind { kDir, kFile, kLink };
  Kind kind = kFile;
  std::string data;  // file contents, or the target of a link
  int mode = 0644;
};

// Path -> entry. The map keeps every path's parents before it, and sorting
// by path within a folder is what the package tool does.
using Tree = std::map<std::string, Entry>;

void AddParents(Tree& tree, const std::string& path) {
  for (size_t slash = path.find('/'); slash != std::string::npos; slash = path.find('/', slash + 1)) {
    Entry dir;
    dir.kind = Entry::kDir;
    dir.mode = 0755;
    tree.emplace(path.substr(0, slash), dir);
  }
}

void AddFile(Tree& tree, const std::string& path, std::string data, int mode = 0644) {
  AddParents(tree, path);
  Entry e;
  e.data = std::move(data);
  e.mode = mode;
  tree[path] = std::move(e);
}

void AddLink(Tree& tree, const std::string& path, const std::string& target) {
  AddParents(tree, path);
  Entry e;
  e.kind = Entry::kLink;
  e.data = target;
  e.mode = 0777;
  tree[path] = std::move(e);
}

// INFO, a client that writes its pid file and exits a little later on its
// own (an upgrade keeps the previous copy until the new client has run a
// moment after writing it), and a start script that starts it in the
// background without spawning anything else (no dirname, no nohup), so that
// the launch measured is the launcher's, not the script's.
void AddClient(Tree& tree) {
  AddFile(tree, "INFO",
          "[Version]\nmajor_version=1\nminor_version=0\nbuild_version=" + std::to_string(kPackageBuild) +
              "\nicon_overlay_version=1\n");
  AddFile(tree, "bin/nimbora-backup-ui",
          "#!/bin/sh\nprintf 'pid=%s\\n' $$ > \"$HOME/.NimboraBackup/ui.pid\"\nsleep 2\n", 0755);
  AddFile(tree, "package/start-stop",
          "#!/bin/sh\n"
          "[ \"$1\" = start ] || exit 0\n"
          "\"${0%/*}/../bin/nimbora-backup-ui\" >/dev/null 2>&1 </dev/null &\n"
          "exit 0\n",
          0755);
}

std::string LibraryBytes(Random& rnd, size_t size) {
  std::string out(size, '\0');
  for (size_t page = 0; page < size; page += kPageBytes) {
    const size_t end = std::min(size, page + kPageBytes);
    const bool random_page = rnd.Below(100) < kRandomPagePercent;
    for (size_t i = page; i < end; i += 8) {
      uint64_t v = rnd.Next();
      for (size_t b = 0; b < 8 && i + b < end; ++b, v >>= 8) {
        // Seven low-entropy bytes out of eight in a code page: small opcodes
        // and zero-heavy immediates.
        unsigned char c = static_cast<unsigned char>(v);
        if (!random_page && (c & 7) != 0) c = static_cast<unsigned char>((c >> 3) & 0x07);
        out[i + b] = static_cast<char>(c);
      }
    }
  }
  return out;
}

const char* const kWords[] = {"backup",  "restore", "folder", "schedule", "version", "network",  "proxy",
                              "account", "server",  "client", "task",     "file",    "retain",   "policy",
                              "error",   "warning", "status", "update",   "upload",  "download", "quota",
                              "encrypt", "key",     "share",  "sync",     "index",   "chunk",    "verify"};
constexpr size_t kWordCount = sizeof(kWords) / sizeof(kWords[0]);

std::string TextBytes(Random& rnd, size_t size) {
  std::string out;
  out.reserve(size + 16);
  while (out.size() < size) {
    out += kWords[rnd.Below(kWordCount)];
    out += rnd.Below(10) == 0 ? "\n" : (rnd.Below(4) == 0 ? " = " : " ");
    if (rnd.Below(6) == 0) out += std::to_string(rnd.Below(100000));
  }
  out.resize(size);
  out.back() = '\n';
  return out;
}

Tree BigPackage() {
  Random rnd(kSeed);
  Tree tree;
  AddClient(tree);
  for (int i = 0; i < kLibraries; ++i) {
    const size_t mib = 1 + static_cast<size_t>(i % kLibrarySizeSteps);
    const size_t size = mib * kMiB + rnd.Below(kMiB / 4);
    const std::string name = "libnimbora-part" + std::to_string(i) + ".so";
    AddFile(tree, "lib/" + name + ".1.0", LibraryBytes(rnd, size), 0755);
    if (i < kLibraryLinks) AddLink(tree, "lib/" + name, name + ".1.0");
  }
  for (int top = 0; top < kTextTopFolders; ++top) {
    for (int sub = 0; sub < kTextSubFolders; ++sub) {
      const std::string folder =
          "share/nimbora/module" + std::to_string(top) + "/section" + std::to_string(sub) + "/";
      for (int n = 0; n < kTextsPerFolder; ++n) {
        const size_t size = kTextMinBytes + rnd.Below(kTextMaxBytes - kTextMinBytes);
        AddFile(tree, folder + "text" + std::to_string(n) + ".conf", TextBytes(rnd, size));
      }
    }
  }
  return tree;
}

Tree TinyPackage() {
  Random rnd(kSeed + 1);
  Tree tree;
  AddClient(tree);
  for (int f = 0; f < kTinyFolders; ++f) {
    for (int n = 0; n < kTinyPerFolder; ++n) {
      const std::string path = "data/d" + std::to_string(f) + "/f" + std::to_string(n);
      AddFile(tree, path, TextBytes(rnd, 1 + rnd.Below(kTinyMaxBytes)));
    }
  }
  return tree;
}

struct ArchiveWriteFree {
  void operator()(archive* a) const { archive_write_free(a); }
};
struct EntryFree {
  void operator()(archive_entry* e) const { archive_entry_free(e); }
};

int WriteTar(const Tree& tree, const char* out_path) {
  std::unique_ptr<archive, ArchiveWriteFree> a(archive_write_new());
  if (!a || archive_write_set_format_pax_restricted(a.get()) != ARCHIVE_OK ||
      archive_write_set_bytes_per_block(a.get(), kTarBlockBytes) != ARCHIVE_OK ||
      archive_write_open_filename(a.get(), out_path) != ARCHIVE_OK) {
    fprintf(stderr, "genpkg: cannot write '%s': %s\n", out_path, a ? archive_error_string(a.get()) : "");
    return 1;
  }
  for (const auto& item : tree) {
    std::unique_ptr<archive_entry, EntryFree> e(archive_entry_new());
    const Entry& entry = item.second;
    archive_entry_copy_pathname(e.get(), item.first.c_str());
    archive_entry_set_mtime(e.get(), kMtime, 0);
    archive_entry_set_uid(e.get(), 0);
    archive_entry_set_gid(e.get(), 0);
    archive_entry_copy_uname(e.get(), "root");
    archive_entry_copy_gname(e.get(), "root");
    archive_entry_set_perm(e.get(), static_cast<mode_t>(entry.mode));
    switch (entry.kind) {
      case Entry::kDir:
        archive_entry_set_filetype(e.get(), AE_IFDIR);
        break;
      case Entry::kLink:
        archive_entry_set_filetype(e.get(), AE_IFLNK);
        archive_entry_copy_symlink(e.get(), entry.data.c_str());
        break;
      case Entry::kFile:
        archive_entry_set_filetype(e.get(), AE_IFREG);
        archive_entry_set_size(e.get(), static_cast<la_int64_t>(entry.data.size()));
        break;
    }
    if (archive_write_header(a.get(), e.get()) != ARCHIVE_OK ||
        (entry.kind == Entry::kFile && !entry.data.empty() &&
         archive_write_data(a.get(), entry.data.data(), entry.data.size()) < 0)) {
      fprintf(stderr, "genpkg: '%s': %s\n", item.first.c_str(), archive_error_string(a.get()));
      return 1;
    }
  }
  if (archive_write_close(a.get()) != ARCHIVE_OK) {
    fprintf(stderr, "genpkg: closing '%s': %s\n", out_path, archive_error_string(a.get()));
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && strcmp(argv[1], "--version") == 0) {
    printf("%d\n", kGeneratorVersion);
    return 0;
  }
  if (argc == 3 && strcmp(argv[1], "big") == 0) return WriteTar(BigPackage(), argv[2]);
  if (argc == 3 && strcmp(argv[1], "tiny") == 0) return WriteTar(TinyPackage(), argv[2]);
  fprintf(stderr, "usage: genpkg --version | genpkg big|tiny OUT.tar\n");
  return 2;
}
