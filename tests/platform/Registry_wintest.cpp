#include "platform/Registry.h"

#include <gtest/gtest.h>

namespace {

// A key of its own under the class root, gone before and after each test.
class ClassesRoot : public ::testing::Test {
 protected:
  const std::string wurzel = "zq_registry_test";
  void SetUp() override { platform::ClassesRootDeleteTree(wurzel); }
  void TearDown() override { platform::ClassesRootDeleteTree(wurzel); }
};

}  // namespace

TEST_F(ClassesRoot, CreatesAPathWithItsParentsAndKeepsTheDefaultText) {
  const std::string pfad = wurzel + "\\shell\\Mein Menü-Text ...\\command";
  EXPECT_FALSE(platform::ClassesRootKeyExists(pfad));
  {
    platform::ClassesRootKey key;
    ASSERT_EQ(key.Create(pfad, platform::kKeyWrite), 0);
    EXPECT_EQ(key.WriteDefault("\"C:\\Prog\\x.exe\" \"a b\" \"%1\""), 0);
    EXPECT_EQ(key.Close(), 0);
  }
  EXPECT_TRUE(platform::ClassesRootKeyExists(wurzel + "\\shell"));
  EXPECT_TRUE(platform::ClassesRootKeyExists(pfad));

  platform::ClassesRootKey key;
  ASSERT_EQ(key.Open(pfad, platform::kKeyRead), 0);
  std::string text;
  EXPECT_EQ(key.ReadDefault(text), 0);
  EXPECT_EQ(text, "\"C:\\Prog\\x.exe\" \"a b\" \"%1\"");
}

TEST_F(ClassesRoot, ReadsAMissingDefaultAsAFailureWithEmptyText) {
  platform::ClassesRootKey key;
  ASSERT_EQ(key.Create(wurzel + "\\leer", platform::kKeyRead | platform::kKeyWrite), 0);
  std::string text = "alt";
  EXPECT_NE(key.ReadDefault(text), 0);
  EXPECT_EQ(text, "");
  EXPECT_EQ(key.WriteDefault(""), 0);
  EXPECT_EQ(key.ReadDefault(text), 0);
  EXPECT_EQ(text, "");
}

TEST_F(ClassesRoot, DeletesAKeyWithAllItsSubkeysAndNothingBeside) {
  {
    platform::ClassesRootKey key;
    ASSERT_EQ(key.Create(wurzel + "\\a ...\\command\\tiefer", platform::kKeyWrite), 0);
    ASSERT_EQ(key.WriteDefault("x"), 0);
    ASSERT_EQ(key.Create(wurzel + "\\a ...\\zweiter", platform::kKeyWrite), 0);
    ASSERT_EQ(key.Create(wurzel + "\\b ...\\command", platform::kKeyWrite), 0);
  }
  EXPECT_EQ(platform::ClassesRootDeleteTree(wurzel + "\\a ..."), 0);
  EXPECT_FALSE(platform::ClassesRootKeyExists(wurzel + "\\a ..."));
  EXPECT_TRUE(platform::ClassesRootKeyExists(wurzel + "\\b ...\\command"));
  EXPECT_NE(platform::ClassesRootDeleteTree(wurzel + "\\a ..."), 0);
}

TEST_F(ClassesRoot, OpeningAMissingKeyFails) {
  platform::ClassesRootKey key;
  EXPECT_NE(key.Open(wurzel + "\\fehlt", platform::kKeyRead), 0);
  EXPECT_EQ(key.Close(), 0);
}

TEST_F(ClassesRoot, AKeyOpenedForReadingCannotBeWritten) {
  {
    platform::ClassesRootKey key;
    ASSERT_EQ(key.Create(wurzel + "\\lesen", platform::kKeyWrite), 0);
    ASSERT_EQ(key.WriteDefault("vorher"), 0);
  }
  platform::ClassesRootKey key;
  ASSERT_EQ(key.Open(wurzel + "\\lesen", platform::kKeyRead), 0);
  EXPECT_NE(key.WriteDefault("nachher"), 0);
  std::string text;
  EXPECT_EQ(key.ReadDefault(text), 0);
  EXPECT_EQ(text, "vorher");
}
