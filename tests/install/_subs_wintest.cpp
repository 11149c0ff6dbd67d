// The system folders by code, against the folders of the Wine prefix.
#include "install/_subs.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/FileSystem.h"

namespace {

bool IstOrdner(const std::string& pfad) {
  const std::uint32_t a = platform::FileAttributes(pfad);
  return a != platform::kInvalidAttributes && (a & platform::kAttributeDirectory);
}

}  // namespace

TEST(SpezialOrdner, GivesThePrefixsFoldersWithATrailingBackslash) {
  struct Fall {
    const char* code;
    const char* ordner;
  };
  const Fall faelle[] = {
      {"1", "C:\\users\\Public\\Desktop\\"},
      {"2", "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\"},
      {"a", "C:\\ProgramData\\"},
      // A 32-bit process on 64-bit Windows is given the 32-bit program-files folder.
      {"p", sizeof(void*) == 4 ? "C:\\Program Files (x86)\\" : "C:\\Program Files\\"},
      {"w", "C:\\windows\\"},
  };
  for (const Fall& f : faelle) {
    EXPECT_EQ(SpezialOrdner(f.code), f.ordner) << f.code;
    EXPECT_TRUE(IstOrdner(f.ordner)) << f.ordner;
  }
}

TEST(SpezialOrdner, QuickLaunchLiesBelowTheUsersApplicationData) {
  const char* appdata = std::getenv("APPDATA");
  ASSERT_NE(appdata, nullptr);
  ASSERT_TRUE(IstOrdner(appdata)) << appdata;
  EXPECT_EQ(SpezialOrdner("3"), std::string(appdata) + "\\Microsoft\\Internet Explorer\\Quick Launch\\");
}

TEST(SpezialOrdner, GivesNothingForOtherCodes) {
  const std::string codes[] = {"", "d", "A", "P", "W", "0", "4", "11", "w ", "1\\", "ä", std::string(1, '\0')};
  for (const std::string& code : codes) {
    EXPECT_EQ(SpezialOrdner(code), "") << code;
  }
}
