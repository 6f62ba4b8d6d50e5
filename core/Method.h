// TMethod: a bound method (an object and one of its member functions), the
// allocation-free callback the core uses to call back into a component.
#pragma once

#include <utility>

namespace tessel {

template <class Signature>
class TMethod;

template <class R, class... Args>
class TMethod<R(Args...)> {
 public:
  using Thunk = R (*)(void*, Args...);

  TMethod() = default;
  TMethod(void* object, Thunk thunk) : object_(object), thunk_(thunk) {}

  // Binds member function Fn of class C to `object`.
  template <auto Fn, class C>
  static TMethod Bind(C* object) {
    return TMethod(object,
                   [](void* o, Args... args) -> R { return (static_cast<C*>(o)->*Fn)(std::forward<Args>(args)...); });
  }

  explicit operator bool() const { return thunk_ != nullptr; }
  R operator()(Args... args) const { return thunk_(object_, std::forward<Args>(args)...); }

 private:
  void* object_ = nullptr;
  Thunk thunk_ = nullptr;
};

}  // namespace tessel
