#include "platform/Registry.h"

#include <gtest/gtest.h>

namespace {

// A key of its own under the class root, gone before and after each test.
class ClassesRoot : public ::testing::Test {
 protected:
  const std::wstring wurzel = L"zq_registry_test";
  void SetUp() override { platform::ClassesRootDeleteTree(wurzel); }
  void TearDown() override { platform::ClassesRootDeleteTree(wurzel); }
};

}  // namespace

TEST_F(ClassesRoot, CreatesAPathWithItsParentsAndKeepsTheDefaultText) {
  const std::wstring pfad = wurzel + L"\\shell\\Mein Menü-Text \u0141 \u2713 ...\\command";
  EXPECT_FALSE(platform::ClassesRootKeyExists(pfad));
  {
    platform::ClassesRootKey key;
    ASSERT_EQ(key.Create(pfad, platform::kKeyWrite), 0);
    EXPECT_EQ(key.WriteDefault(L"\"C:\\\u65b0 \U0001F600\\x.exe\" \"a b\" \"%1\""), 0);
    EXPECT_EQ(key.Close(), 0);
  }
  EXPECT_TRUE(platform::ClassesRootKeyExists(wurzel + L"\\shell"));
  EXPECT_TRUE(platform::ClassesRootKeyExists(pfad));

  platform::ClassesRootKey key;
  ASSERT_EQ(key.Open(pfad, platform::kKeyRead), 0);
  std::wstring text;
  EXPECT_EQ(key.ReadDefault(text), 0);
  EXPECT_EQ(text, L"\"C:\\\u65b0 \U0001F600\\x.exe\" \"a b\" \"%1\"");
}

TEST_F(ClassesRoot, ReadsAMissingDefaultAsAFailureWithEmptyText) {
  platform::ClassesRootKey key;
  ASSERT_EQ(key.Create(wurzel + L"\\leer", platform::kKeyRead | platform::kKeyWrite), 0);
  std::wstring text = L"alt";
  EXPECT_NE(key.ReadDefault(text), 0);
  EXPECT_EQ(text, L"");
  EXPECT_EQ(key.WriteDefault(L""), 0);
  EXPECT_EQ(key.ReadDefault(text), 0);
  EXPECT_EQ(text, L"");
}

TEST_F(ClassesRoot, DeletesAKeyWithAllItsSubkeysAndNothingBeside) {
  {
    platform::ClassesRootKey key;
    ASSERT_EQ(key.Create(wurzel + L"\\a ...\\command\\tiefer", platform::kKeyWrite), 0);
    ASSERT_EQ(key.WriteDefault(L"x"), 0);
    ASSERT_EQ(key.Create(wurzel + L"\\a ...\\zweiter", platform::kKeyWrite), 0);
    ASSERT_EQ(key.Create(wurzel + L"\\b ...\\command", platform::kKeyWrite), 0);
  }
  EXPECT_EQ(platform::ClassesRootDeleteTree(wurzel + L"\\a ..."), 0);
  EXPECT_FALSE(platform::ClassesRootKeyExists(wurzel + L"\\a ..."));
  EXPECT_TRUE(platform::ClassesRootKeyExists(wurzel + L"\\b ...\\command"));
  EXPECT_NE(platform::ClassesRootDeleteTree(wurzel + L"\\a ..."), 0);
}

TEST_F(ClassesRoot, OpeningAMissingKeyFails) {
  platform::ClassesRootKey key;
  EXPECT_NE(key.Open(wurzel + L"\\fehlt", platform::kKeyRead), 0);
  EXPECT_EQ(key.Close(), 0);
}
