// Runs one logger scenario given on the command line, one step after the
// other, in a fresh process. Steps:
//   init TYPE LOG_PATH LEVEL_PATH COUNT   ("-" for an empty path)
//   msg LEVEL COMP TEXT                   one line "TEXT\n"
//   fill LEVEL COMP COUNT BYTES           COUNT lines of BYTES bytes each
//   threads N LINES                       N threads logging LINES lines each
//   macro                                 one LOG_MSG line (prints its line)
//   exists PATH                           prints "PATH yes" or "PATH no"
//   mkdir DIR | rmtree DIR | chmod MODE PATH
//   destroy
//   syslog-listen | syslog-read           own /dev/log (in a private mount
//                                         namespace) and print what arrived
// Results go to standard output, as lines starting with "probe: ".
#include <pthread.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "log.h"

namespace {

const char kThreadComponent[] = "launcher_debug";

struct ThreadJob {
  int id;
  int lines;
};

void* thread_main(void* arg) {
  const ThreadJob* job = static_cast<const ThreadJob*>(arg);
  // Long enough that a torn write would show, short enough to be quick.
  const std::string padding(60, static_cast<char>('a' + job->id));
  for (int i = 0; i < job->lines; ++i) {
    Logger::LogMsg(Logger::L_ERR, kThreadComponent, "T%d %06d %s\n", job->id, i, padding.c_str());
  }
  return nullptr;
}

void run_threads(int n, int lines) {
  std::vector<pthread_t> threads(n);
  std::vector<ThreadJob> jobs(n);
  for (int i = 0; i < n; ++i) {
    jobs[i] = {i, lines};
    pthread_create(&threads[i], nullptr, thread_main, &jobs[i]);
  }
  for (auto& t : threads) pthread_join(t, nullptr);
}

// Lines "fill <seq> xxx...\n" of exactly `bytes` bytes.
void fill(Logger::Level level, const char* comp, int count, int bytes) {
  static int seq = 0;
  for (int i = 0; i < count; ++i) {
    std::string text = "fill " + std::to_string(seq++) + " ";
    if (static_cast<int>(text.size()) < bytes - 1) text.append(bytes - 1 - text.size(), 'x');
    Logger::LogMsg(level, comp, "%s\n", text.c_str());
  }
}

int syslog_socket = -1;

void syslog_listen() {
  syslog_socket = socket(AF_UNIX, SOCK_DGRAM, 0);
  sockaddr_un addr = {};
  addr.sun_family = AF_UNIX;
  strcpy(addr.sun_path, "/dev/log");
  unlink(addr.sun_path);
  if (bind(syslog_socket, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
    printf("probe: bind failed\n");
}

void syslog_read() {
  char buf[4096];
  ssize_t n;
  while ((n = recv(syslog_socket, buf, sizeof buf - 1, MSG_DONTWAIT)) > 0) {
    buf[n] = 0;
    printf("probe: syslog %s\n", buf);
  }
}

ustring path_arg(const char* s) { return strcmp(s, "-") == 0 ? ustring() : ustring(s); }

Logger::Level level_arg(const char* s) { return static_cast<Logger::Level>(atoi(s)); }

}  // namespace

int main(int argc, char** argv) {
  setlocale(LC_ALL, "");
  setvbuf(stdout, nullptr, _IONBF, 0);
  for (int i = 1; i < argc;) {
    std::string step = argv[i++];
    auto need = [&](int n) {
      if (i + n > argc) {
        fprintf(stderr, "probe: step %s needs %d arguments\n", step.c_str(), n);
        exit(2);
      }
    };
    if (step == "init") {
      need(4);
      int rc = Logger::Initialize(static_cast<Logger::Type>(atoi(argv[i])), path_arg(argv[i + 1]),
                                  path_arg(argv[i + 2]), atoi(argv[i + 3]));
      printf("probe: init %d\n", rc);
      i += 4;
    } else if (step == "msg") {
      need(3);
      Logger::LogMsg(level_arg(argv[i]), argv[i + 1], "%s\n", argv[i + 2]);
      i += 3;
    } else if (step == "fill") {
      need(4);
      fill(level_arg(argv[i]), argv[i + 1], atoi(argv[i + 2]), atoi(argv[i + 3]));
      i += 4;
    } else if (step == "threads") {
      need(2);
      run_threads(atoi(argv[i]), atoi(argv[i + 1]));
      i += 2;
    } else if (step == "macro") {
      printf("probe: line %d\n", __LINE__ + 1);
      LOG_MSG(L_ERR, "launcher_debug", "[ERROR] log_probe(%d): macro %s\n", "call");
    } else if (step == "exists") {
      need(1);
      printf("probe: %s %s\n", argv[i], access(argv[i], F_OK) == 0 ? "yes" : "no");
      i += 1;
    } else if (step == "mkdir") {
      need(1);
      mkdir(argv[i++], 0755);
    } else if (step == "rmtree") {
      need(1);
      std::string cmd = std::string("rm -rf '") + argv[i++] + "'";
      if (system(cmd.c_str()) != 0) printf("probe: rmtree failed\n");
    } else if (step == "chmod") {
      need(2);
      chmod(argv[i + 1], static_cast<mode_t>(strtol(argv[i], nullptr, 8)));
      i += 2;
    } else if (step == "syslog-listen") {
      syslog_listen();
    } else if (step == "syslog-read") {
      syslog_read();
    } else if (step == "destroy") {
      Logger::Destroy();
    } else {
      fprintf(stderr, "probe: unknown step %s\n", step.c_str());
      return 2;
    }
  }
  printf("probe: done\n");
  return 0;
}
