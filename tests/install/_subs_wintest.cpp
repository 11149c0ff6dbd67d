// The system folders by code, against the folders of the Wine prefix.
#include "install/_subs.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/FileSystem.h"

namespace {

bool IstOrdner(const std::wstring& pfad) {
  const std::uint32_t a = platform::FileAttributes(pfad);
  return a != platform::kInvalidAttributes && (a & platform::kAttributeDirectory);
}

}  // namespace

TEST(SpezialOrdner, GivesThePrefixsFoldersWithATrailingBackslash) {
  struct Fall {
    const char* code;
    const wchar_t* ordner;
  };
  const Fall faelle[] = {
      {"1", L"C:\\users\\Public\\Desktop\\"},
      {"2", L"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\"},
      {"a", L"C:\\ProgramData\\"},
      // A 32-bit process on 64-bit Windows is given the 32-bit program-files folder.
      {"p", sizeof(void*) == 4 ? L"C:\\Program Files (x86)\\" : L"C:\\Program Files\\"},
      {"w", L"C:\\windows\\"},
  };
  for (const Fall& f : faelle) {
    EXPECT_EQ(SpezialOrdner(f.code), f.ordner) << f.code;
    EXPECT_TRUE(IstOrdner(f.ordner)) << f.ordner;
  }
}

TEST(SpezialOrdner, QuickLaunchLiesBelowTheUsersApplicationData) {
  const wchar_t* appdata = _wgetenv(L"APPDATA");
  ASSERT_NE(appdata, nullptr);
  ASSERT_TRUE(IstOrdner(appdata)) << appdata;
  EXPECT_EQ(SpezialOrdner("3"), std::wstring(appdata) + L"\\Microsoft\\Internet Explorer\\Quick Launch\\");
}

TEST(SpezialOrdner, GivesNothingForOtherCodes) {
  const std::string codes[] = {"", "d", "A", "P", "W", "0", "4", "11", "w ", "1\\", "ä", std::string(1, '\0')};
  for (const std::string& code : codes) {
    EXPECT_EQ(SpezialOrdner(code), L"") << code;
  }
}
