// A second thread of the process (CreateThread), for work that must not hold up the GUI thread.
// It touches no window: everything the user sees stays on the GUI thread.
#pragma once

namespace platform {

class Thread {
 public:
  Thread() = default;
  Thread(const Thread&) = delete;
  Thread& operator=(const Thread&) = delete;
  // Waits for the thread to end (WaitForSingleObject), since what it works on may end with this
  // object's scope; then closes the handle.
  ~Thread();

  // CreateThread running `routine(context)`; false when the system made no thread.
  bool Start(void (*routine)(void* context), void* context);
  // The thread's handle, signalled once it has ended; null before Start.
  void* Handle() const { return handle_; }

  // What the new thread runs, kept here for it to read.
  struct Work {
    void (*routine)(void* context);
    void* context;
  };

 private:
  void* handle_ = nullptr;
  Work work_{};
};

}  // namespace platform
