#include "task_thread.h"

#include <system_error>
#include <utility>

TaskThread::TaskThread(std::function<void()> task) {
  try {
    thread_ = std::thread(std::move(task));
  } catch (const std::system_error&) {
    // Not started: the owner does the work itself.
  }
}

TaskThread& TaskThread::operator=(TaskThread&& other) noexcept {
  Join();
  thread_ = std::move(other.thread_);
  return *this;
}

void TaskThread::Join() {
  if (thread_.joinable()) thread_.join();
}

void TaskThread::LetGo() {
  if (thread_.joinable()) thread_.detach();
}
