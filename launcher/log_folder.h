// The launcher's log folder below the user's tree, made ready before the
// logger opens its file there. Paths are taken byte for byte: a home whose
// name is not UTF-8 gets its log folder in that very home.
#pragma once

#include "ustring.h"

class LogFolder {
 public:
  // Makes dir (and its missing parents). An object of the user's own in its
  // place that is no folder (a file, a dangling link) is moved aside to a
  // fresh name beside it, given in moved_to, and the folder is made. False
  // when the folder still cannot be had; the reason has been logged, which
  // before the logger has a file means standard error.
  static bool Prepare(const ustring& dir, ustring& moved_to);

 private:
  LogFolder() = delete;

  static bool IsFolder(const ustring& dir);
  static bool MoveAside(const ustring& dir, ustring& moved_to);
};
