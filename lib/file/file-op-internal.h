// Internals shared by the sources of the file operations (file-op.cpp,
// file-op-move.cpp, file-op-remove.cpp, small-file.cpp); no part of the
// library's interface, which is file-op.h and small-file.h.
#pragma once

#include <dirent.h>
#include <sys/types.h>

#include <string>

#include "file-op.h"
#include "unique-dir.h"

namespace fileop_detail {

// The component every file-operation message is logged under.
inline constexpr char kLogComp[] = "file_op_debug";

// The operating system's text for the error number e.
std::string err_text(int e);

FILE_TYPE type_from_mode(mode_t mode);

bool is_dot_entry(const char* name);

// The next entry of dp, or null at the end (errno 0) or on error (errno set).
struct dirent* next_entry(DIR* dp);

// Reads the target text of a symbolic link. 0, or -1 with errno.
int read_link_text(const char* path, std::string& target);

// FSRename's fallback when from and to lie on different file systems
// (file-op-move.cpp): the codes of FSRename.
int move_across(const ustring& from, const ustring& to, bool do_case_check);

// FSRemove (grant false) and FSRemoveOwnTree (grant true), in
// file-op-remove.cpp: the codes of FSRemove.
int remove_path(const ustring& path, bool grant);

}  // namespace fileop_detail
