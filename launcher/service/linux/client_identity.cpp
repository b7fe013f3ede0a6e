#include "linux/client_identity.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "file-op.h"
#include "unique-dir.h"
#include "unique-fd.h"
#include "unique-file.h"

namespace {

std::string ReadLink(const std::string& path) {
  std::vector<char> buf(PATH_MAX + 1);
  ssize_t n = readlink(path.c_str(), buf.data(), buf.size() - 1);
  return n > 0 ? std::string(buf.data(), static_cast<size_t>(n)) : std::string();
}

std::string RealPath(const std::string& path) {
  ustring real;
  return FSRealPath(path, real) == 0 ? std::string(real.c_str()) : std::string();
}

// The arguments of a process, split at their NUL bytes.
std::vector<std::string> ReadCmdline(pid_t pid) {
  std::vector<std::string> args;
  UniqueFile f(fopen(("/proc/" + std::to_string(pid) + "/cmdline").c_str(), "re"));
  if (!f) return args;
  std::string cur;
  for (int c; (c = fgetc(f.get())) != EOF;) {
    if (c == '\0') {
      args.push_back(cur);
      cur.clear();
    } else {
      cur += static_cast<char>(c);
    }
  }
  if (!cur.empty()) args.push_back(cur);
  return args;
}

// The longest "#!" line looked at; the kernel itself reads no more than this
// of a script (BINPRM_BUF_SIZE).
constexpr size_t kShebangMax = 256;

// The text after "#!" on the first line of the regular file `script`; ""
// when it starts with no "#!".
std::string ShebangLine(const std::string& script) {
  UniqueFd fd(open(script.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (!fd) return std::string();
  char buf[kShebangMax];
  struct stat st;
  const ssize_t n = fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode) ? read(fd.get(), buf, sizeof buf) : -1;
  if (n < 2 || buf[0] != '#' || buf[1] != '!') return std::string();
  const std::string line(buf + 2, static_cast<size_t>(n) - 2);
  return line.substr(0, line.find('\n'));
}

// The interpreter that a "#!" line at the start of the regular file `script`
// names, with its real path; "" when the file is none. "#!/usr/bin/env NAME"
// names NAME as found on PATH.
std::string InterpreterOf(const std::string& script) {
  const std::string line = ShebangLine(script);
  std::vector<std::string> words;
  for (size_t p = line.find_first_not_of(" \t"); p != std::string::npos;
       p = line.find_first_not_of(" \t", p)) {
    const size_t e = line.find_first_of(" \t", p);
    words.push_back(line.substr(p, e == std::string::npos ? std::string::npos : e - p));
    p = e;
  }
  if (words.empty()) return std::string();
  std::string interpreter = RealPath(words[0]);
  if (interpreter.size() < 4 || interpreter.compare(interpreter.size() - 4, 4, "/env") != 0)
    return interpreter;
  for (size_t i = 1; i < words.size(); ++i) {
    if (words[i][0] == '-') continue;
    if (words[i].find('/') != std::string::npos) return RealPath(words[i]);
    const char* path = getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    for (size_t p = 0; p <= dirs.size();) {
      size_t e = dirs.find(':', p);
      if (e == std::string::npos) e = dirs.size();
      const std::string found = dirs.substr(p, e - p) + "/" + words[i];
      if (access(found.c_str(), X_OK) == 0) return RealPath(found);
      p = e + 1;
    }
    return std::string();
  }
  return std::string();
}

}  // namespace

ClientIdentity::ClientIdentity(const ustring& client) {
  const std::string real = RealPath(client.c_str());
  struct stat st;
  if (real.empty() || stat(real.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
  real_ = real;
  interpreter_ = InterpreterOf(real_);
}

bool ClientIdentity::Runs(pid_t pid) const {
  if (real_.empty()) return false;
  const std::string proc = "/proc/" + std::to_string(pid);
  const std::string exe = ReadLink(proc + "/exe");
  // The client of a copy replaced under it reads as "<path> (deleted)".
  if (exe == real_ || exe == real_ + " (deleted)") return true;

  if (interpreter_.empty() || exe != interpreter_) return false;
  const std::vector<std::string> args = ReadCmdline(pid);
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.empty() || arg[0] == '-') continue;  // interpreter options
    const std::string script = arg[0] == '/' ? arg : ReadLink(proc + "/cwd") + "/" + arg;
    return RealPath(script) == real_;
  }
  return false;
}

// Only the user's own processes show where their executable is, so the walk
// sees no other user's.
bool ClientIdentity::AnyRuns() const {
  if (real_.empty()) return false;
  UniqueDir proc(opendir("/proc"));
  if (!proc) return false;
  const pid_t self = getpid();
  while (const struct dirent* e = readdir(proc.get())) {
    char* end = nullptr;
    const long pid = strtol(e->d_name, &end, 10);
    if (pid <= 1 || *end != '\0' || pid == self || pid > INT_MAX) continue;
    if (Runs(static_cast<pid_t>(pid))) return true;
  }
  return false;
}
