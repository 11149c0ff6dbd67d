// A Testordner on drive C: of the Windows tests, with helpers for Unicode names (made through C
// stdio and the platform layer), relative to the folder.
#pragma once
#include <cstdio>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "tests/support/Testordner.h"

class Dateiordner : public Testordner {
 public:
  Dateiordner() { EXPECT_EQ(BreitPfad().substr(0, 3), L"C:\\") << BreitPfad(); }

  std::wstring Voll(const std::wstring& relativ) const { return BreitPfad() + relativ; }

  std::wstring Unterordner(const std::wstring& relativ) const {
    const std::wstring voll = Voll(relativ);
    EXPECT_TRUE(platform::MakeFolder(voll)) << voll;
    return voll + L"\\";
  }

  std::wstring Schreiben(const std::wstring& relativ, const std::string& inhalt) const { return BreitDatei(relativ, inhalt); }

  std::string Lesen(const std::wstring& relativ) const {
    std::string inhalt;
    std::FILE* f = _wfopen(Voll(relativ).c_str(), L"rb");
    if (f == nullptr) return "(fehlt)";
    for (int c; (c = std::fgetc(f)) != EOF;) inhalt += static_cast<char>(c);
    std::fclose(f);
    return inhalt;
  }

  bool Da(const std::wstring& relativ) const {
    return platform::FileAttributes(Voll(relativ)) != platform::kInvalidAttributes;
  }

  // The entry names of a folder, as the system spells them.
  std::set<std::wstring> Namen(const std::wstring& relativ) const {
    std::set<std::wstring> namen;
    platform::EntrySearch suche;
    platform::FoundEntry e;
    for (bool ok = suche.First(Voll(relativ) + L"\\*", e); ok; ok = suche.Next(e)) {
      if (e.name != L"." && e.name != L"..") namen.insert(e.name);
    }
    return namen;
  }
};
