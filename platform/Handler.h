// An event slot: a method of the object that handles the event (the form, as a rule), bound as a
// plain function pointer and the object's address. Two pointers, no allocation, no type erasure
// beyond the one small function that each bound method gets.
//
//   BuClose.OnClick = platform::Bind<&Taa::BuCloseClick>(this);
#pragma once

namespace platform {

template <class... Args>
class Handler {
 public:
  using Function = void (*)(void* target, Args... args);

  Handler() = default;
  Handler(void* target, Function function) : target_(target), function_(function) {}

  explicit operator bool() const { return function_ != nullptr; }
  void operator()(Args... args) const {
    if (function_ != nullptr) function_(target_, args...);
  }

 private:
  void* target_ = nullptr;
  Function function_ = nullptr;
};

namespace detail {

template <auto Method, class T, class Class, class... Args>
Handler<Args...> Bind(T* target, void (Class::*)(Args...)) {
  return Handler<Args...>(static_cast<Class*>(target), [](void* t, Args... args) {
    (static_cast<Class*>(t)->*Method)(args...);
  });
}

}  // namespace detail

// The handler that calls `Method` (a member function) on `target`.
template <auto Method, class T>
auto Bind(T* target) {
  return detail::Bind<Method>(target, Method);
}

}  // namespace platform
