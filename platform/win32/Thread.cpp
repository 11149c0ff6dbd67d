#include "platform/Thread.h"

#include <windows.h>

namespace platform {

namespace {

// CreateThread's calling convention (stdcall on i686) is not that of a plain function.
DWORD WINAPI Einstieg(void* work) {
  const auto* w = static_cast<const Thread::Work*>(work);
  w->routine(w->context);
  return 0;
}

}  // namespace

Thread::~Thread() {
  if (handle_ == nullptr) return;
  ::WaitForSingleObject(handle_, INFINITE);
  ::CloseHandle(handle_);
}

bool Thread::Start(void (*routine)(void*), void* context) {
  work_ = {routine, context};
  handle_ = ::CreateThread(nullptr, 0, &Einstieg, &work_, 0, nullptr);
  return handle_ != nullptr;
}

}  // namespace platform
