// A fresh, empty folder for one test, removed with everything in it at the end of the test.
// Its own path is plain ASCII, so std::filesystem's encoding does not matter; names inside it may
// be any, through the wide forms on Windows.
#pragma once
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

class Testordner {
 public:
  Testordner() {
    static std::atomic<int> zaehler{0};
    const auto stempel = std::chrono::steady_clock::now().time_since_epoch().count();
    pfad_ = std::filesystem::temp_directory_path() /
            ("zq_" + std::to_string(stempel) + "_" + std::to_string(zaehler++));
    std::filesystem::create_directories(pfad_);
  }
  ~Testordner() {
    std::error_code egal;
    std::filesystem::remove_all(pfad_, egal);
  }
  Testordner(const Testordner&) = delete;
  Testordner& operator=(const Testordner&) = delete;

  // The folder's path with a trailing separator, in the platform's form.
  std::string Pfad() const { return MitTrenner(pfad_.string()); }

  // The same as the system's wide text, for the Windows tests' Unicode names.
  std::wstring BreitPfad() const { return pfad_.wstring() + static_cast<wchar_t>(std::filesystem::path::preferred_separator); }

  // Writes `inhalt` into the file `name` inside the folder and returns its full path.
  std::string Datei(const std::string& name, const std::string& inhalt) const {
    const std::string voll = Pfad() + name;
    std::FILE* f = std::fopen(voll.c_str(), "wb");
    EXPECT_NE(f, nullptr) << voll;
    if (f != nullptr) {
      std::fwrite(inhalt.data(), 1, inhalt.size(), f);
      std::fclose(f);
    }
    return voll;
  }
#ifdef _WIN32
  std::wstring BreitDatei(const std::wstring& name, const std::string& inhalt) const {
    const std::wstring voll = BreitPfad() + name;
    std::FILE* f = _wfopen(voll.c_str(), L"wb");
    EXPECT_NE(f, nullptr) << voll;
    if (f != nullptr) {
      std::fwrite(inhalt.data(), 1, inhalt.size(), f);
      std::fclose(f);
    }
    return voll;
  }
#endif

 private:
  static std::string MitTrenner(std::string p) {
    const char trenner = static_cast<char>(std::filesystem::path::preferred_separator);
    if (p.empty() || p.back() != trenner) p += trenner;
    return p;
  }
  std::filesystem::path pfad_;
};
