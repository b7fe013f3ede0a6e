// Builds real archives entry by entry with libarchive's writer, including
// the hostile ones that no ordinary tool produces ("..", absolute names,
// hard links to outside paths, names that are not UTF-8).
#pragma once

#include <archive.h>
#include <archive_entry.h>

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace testutil {

struct ArchiveEntry {
  enum Kind { kFile, kDir, kSymlink, kHardlink, kFifo };
  std::string name;
  Kind kind = kFile;
  std::string data;  // contents of a file (also of a hard link that carries data)
  std::string link;  // target of a symbolic or hard link
  int mode = 0644;
  long ino = 0;  // cpio links members by inode: set on every member of a link group
  int nlink = 1;
};

inline ArchiveEntry File(const std::string& name, const std::string& data, int mode = 0644) {
  return {name, ArchiveEntry::kFile, data, "", mode};
}
inline ArchiveEntry Dir(const std::string& name, int mode = 0755) {
  return {name, ArchiveEntry::kDir, "", "", mode};
}
inline ArchiveEntry Fifo(const std::string& name) { return {name, ArchiveEntry::kFifo, "", "", 0644}; }
inline ArchiveEntry Symlink(const std::string& name, const std::string& target) {
  return {name, ArchiveEntry::kSymlink, "", target, 0777};
}
inline ArchiveEntry Hardlink(const std::string& name, const std::string& target,
                             const std::string& data = "") {
  return {name, ArchiveEntry::kHardlink, data, target, 0644};
}

// format: "pax", "ustar", "gnutar", "zip", "cpio" (newc), "7zip";
// filter: "", "gzip", "bzip2", "xz", "zstd".
inline void write_archive(const std::string& path, const std::vector<ArchiveEntry>& entries,
                          const std::string& format = "pax", const std::string& filter = "") {
  using Setup = int (*)(archive*);
  static const std::map<std::string, Setup> formats = {
      {"pax", archive_write_set_format_pax_restricted}, {"ustar", archive_write_set_format_ustar},
      {"gnutar", archive_write_set_format_gnutar},      {"zip", archive_write_set_format_zip},
      {"cpio", archive_write_set_format_cpio_newc},     {"7zip", archive_write_set_format_7zip},
  };
  // Any other filter name writes the archive unfiltered.
  static const std::map<std::string, Setup> filters = {
      {"gzip", archive_write_add_filter_gzip},
      {"bzip2", archive_write_add_filter_bzip2},
      {"xz", archive_write_add_filter_xz},
      {"zstd", archive_write_add_filter_zstd},
  };
  std::unique_ptr<archive, decltype(&archive_write_free)> a(archive_write_new(), &archive_write_free);
  const auto set_format = formats.find(format);
  if (set_format == formats.end()) throw std::runtime_error("unknown format " + format);
  if (set_format->second(a.get()) != ARCHIVE_OK) throw std::runtime_error("format " + format);
  const auto add_filter = filters.find(filter);
  int r = add_filter == filters.end() ? ARCHIVE_OK : add_filter->second(a.get());
  if (r != ARCHIVE_OK) throw std::runtime_error("filter " + filter);
  if (archive_write_open_filename(a.get(), path.c_str()) != ARCHIVE_OK)
    throw std::runtime_error(std::string("open ") + archive_error_string(a.get()));

  for (const auto& e : entries) {
    std::unique_ptr<archive_entry, decltype(&archive_entry_free)> ae(archive_entry_new(),
                                                                     &archive_entry_free);
    archive_entry_copy_pathname(ae.get(), e.name.c_str());
    archive_entry_set_perm(ae.get(), e.mode);
    archive_entry_set_mtime(ae.get(), 1700000000, 0);
    if (e.ino != 0) {
      archive_entry_set_dev(ae.get(), 1);
      archive_entry_set_ino(ae.get(), e.ino);
      archive_entry_set_nlink(ae.get(), static_cast<unsigned>(e.nlink));
    }
    switch (e.kind) {
      case ArchiveEntry::kFile:
        archive_entry_set_filetype(ae.get(), AE_IFREG);
        archive_entry_set_size(ae.get(), static_cast<la_int64_t>(e.data.size()));
        break;
      case ArchiveEntry::kDir:
        archive_entry_set_filetype(ae.get(), AE_IFDIR);
        archive_entry_set_size(ae.get(), 0);
        break;
      case ArchiveEntry::kFifo:
        archive_entry_set_filetype(ae.get(), AE_IFIFO);
        archive_entry_set_size(ae.get(), 0);
        break;
      case ArchiveEntry::kSymlink:
        archive_entry_set_filetype(ae.get(), AE_IFLNK);
        archive_entry_copy_symlink(ae.get(), e.link.c_str());
        archive_entry_set_size(ae.get(), 0);
        break;
      case ArchiveEntry::kHardlink:
        archive_entry_set_filetype(ae.get(), AE_IFREG);
        archive_entry_copy_hardlink(ae.get(), e.link.c_str());
        archive_entry_set_size(ae.get(), static_cast<la_int64_t>(e.data.size()));
        break;
    }
    if (archive_write_header(a.get(), ae.get()) < ARCHIVE_WARN)
      throw std::runtime_error(std::string("header ") + archive_error_string(a.get()));
    if (!e.data.empty()) archive_write_data(a.get(), e.data.data(), e.data.size());
  }
  archive_write_close(a.get());
}

}  // namespace testutil
