// Reading a small regular file whole without logging, for readers that the
// logger itself uses (its level file): they return what went wrong and
// leave the reporting to their caller.
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
