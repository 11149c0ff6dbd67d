// The program's allocation and the C++ library's reports, without exceptions. Linked into the
// programs as an object of its own (not from a library), so that these definitions are the ones
// taken and the library's exception machinery stays out.
#include "lib/_zq_Ende_1.h"

#include <cstdlib>
#include <new>

namespace std {
void __throw_bad_alloc() { Beenden(TZQEnde::SpeicherFehlt); }
void __throw_bad_array_new_length() { Beenden(TZQEnde::SpeicherFehlt); }
void __throw_length_error(const char*) { Beenden(TZQEnde::SpeicherFehlt); }
void __throw_bad_exception() { Beenden(TZQEnde::InnererFehler); }
void __throw_bad_cast() { Beenden(TZQEnde::InnererFehler); }
void __throw_bad_typeid() { Beenden(TZQEnde::InnererFehler); }
void __throw_logic_error(const char*) { Beenden(TZQEnde::InnererFehler); }
void __throw_domain_error(const char*) { Beenden(TZQEnde::InnererFehler); }
void __throw_invalid_argument(const char*) { Beenden(TZQEnde::InnererFehler); }
void __throw_out_of_range(const char*) { Beenden(TZQEnde::InnererFehler); }
void __throw_out_of_range_fmt(const char*, ...) { Beenden(TZQEnde::InnererFehler); }
void __throw_runtime_error(const char*) { Beenden(TZQEnde::InnererFehler); }
void __throw_range_error(const char*) { Beenden(TZQEnde::InnererFehler); }
void __throw_overflow_error(const char*) { Beenden(TZQEnde::InnererFehler); }
void __throw_underflow_error(const char*) { Beenden(TZQEnde::InnererFehler); }
void __throw_system_error(int) { Beenden(TZQEnde::InnererFehler); }
}  // namespace std

extern "C" void __cxa_pure_virtual() { Beenden(TZQEnde::InnererFehler); }
extern "C" void __cxa_deleted_virtual() { Beenden(TZQEnde::InnererFehler); }

void* operator new(std::size_t groesse) {
  void* p = std::malloc(groesse != 0 ? groesse : 1);
  if (p == nullptr) Beenden(TZQEnde::SpeicherFehlt);
  return p;
}
void* operator new[](std::size_t groesse) { return operator new(groesse); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
