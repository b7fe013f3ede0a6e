// Reading a small regular file whole, writing a buffer whole and copying
// the bytes of one descriptor to another, without logging: the logger reads
// its level file with them, and every caller reports a failure in words of
// its own.
#pragma once

#include <cstddef>
#include <string>

#include "ustring.h"

// 0 with the file's bytes; -1 empty path; -2 nothing there; -3 refused or
// failed, with the reason in why ("'<path>' is not a regular file", ...):
// not a regular file (a FIFO, a device, a folder, a link), larger than
// limit, unreadable. The open never blocks and never follows a link, so no
// planted object can hang the caller. bytes and why are emptied first.
int FSReadSmallFileQuiet(const ustring& path, size_t limit, std::string& bytes, std::string& why);

// Writes all size bytes of bytes to fd, going on after partial writes and
// interruptions. 0, or -1 with errno set (a write that makes no progress
// keeps the errno it left).
int FSWriteAll(int fd, const char* bytes, size_t size);

// Copies the bytes of in, from its offset to its end, to out: in the kernel
// (copy_file_range) where it can, `block` bytes a call, else from where the
// kernel stopped through a buffer of `block` bytes. 0; -1 reading failed,
// -2 writing failed, -3 no buffer; errno set.
int FSCopyBytes(int in, int out, size_t block);
