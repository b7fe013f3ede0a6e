// TaskThread: the one way the launcher runs work on a thread of its own, and
// Shared, the state such a thread and its owner hand each other. A task
// thread runs one task; where no thread can be started (the process is out
// of threads or memory) started() is false and the owner does the work
// itself. The destructor waits for the task, unless the thread was let go.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

class TaskThread {
 public:
  TaskThread() = default;
  explicit TaskThread(std::function<void()> task);
  ~TaskThread() { Join(); }
  TaskThread(TaskThread&&) noexcept = default;
  // Waits for the task this one ran before taking the other's.
  TaskThread& operator=(TaskThread&& other) noexcept;
  TaskThread(const TaskThread&) = delete;
  TaskThread& operator=(const TaskThread&) = delete;

  bool started() const { return thread_.joinable(); }
  void Join();
  // The task runs on without an owner, to its end or the process's: for a
  // task that may never return.
  void LetGo();

 private:
  std::thread thread_;
};

// A task thread's state and its owner's, changed under one lock; every change
// wakes whoever waits for the state to become something.
template <typename State>
class Shared {
 public:
  // Runs change(state) under the lock and wakes the waiters: its result.
  template <typename Fn>
  auto Change(Fn&& change) {
    std::lock_guard<std::mutex> lock(mutex_);
    struct Wake {
      std::condition_variable& changed;
      ~Wake() { changed.notify_all(); }
    } wake{changed_};
    return change(state_);
  }
  // Waits until ready(state) holds: a copy of the state then.
  template <typename Pred>
  State WaitUntil(Pred&& ready) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return ready(state_); });
    return state_;
  }
  // The same, for at most `timeout`: none when it did not come to hold.
  template <typename Pred>
  std::optional<State> WaitFor(std::chrono::milliseconds timeout, Pred&& ready) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!changed_.wait_for(lock, timeout, [&] { return ready(state_); })) return std::nullopt;
    return state_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  State state_{};
};
