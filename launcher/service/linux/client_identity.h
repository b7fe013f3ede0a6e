// ClientIdentity: which processes run a copy's client executable. A pid file
// may be stale and its number taken since by any program of the user, also
// one that merely names a file of the copy (find, tail, less); those are
// never the client. Used to stop the client before an upgrade, and to see
// whether a client started from a new copy runs.
#pragma once

#include <sys/types.h>

#include <string>

#include "ustring.h"

class ClientIdentity {
 public:
  // client: the client executable's path in the copy; resolved once, here.
  explicit ClientIdentity(const ustring& client);

  // Whether pid runs the client: its own program, or, for a client script,
  // its interpreter with the script as the first argument that is no
  // option.
  bool Runs(pid_t pid) const;
  // Whether any process this user may look at runs the client.
  bool AnyRuns() const;

 private:
  std::string real_;         // "" when the client is no regular file
  std::string interpreter_;  // of a client script, else ""
};
