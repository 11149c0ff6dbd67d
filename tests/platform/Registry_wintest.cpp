#include "platform/Registry.h"

#include <windows.h>
#include <sddl.h>

#include <gtest/gtest.h>

namespace {

// A key of its own under the class root, gone before and after each test.
class ClassesRoot : public ::testing::Test {
 protected:
  const std::wstring wurzel = L"zq_registry_test";
  void SetUp() override { platform::ClassesRootDeleteTree(wurzel); }
  void TearDown() override { platform::ClassesRootDeleteTree(wurzel); }
};

// Sets the key's access list, in the system's own notation.
void SetzeZugriff(HKEY key, const wchar_t* sddl) {
  PSECURITY_DESCRIPTOR sd = nullptr;
  ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &sd, nullptr));
  EXPECT_EQ(::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd), ERROR_SUCCESS);
  ::LocalFree(sd);
}

// A symbolic link key at `pfad` under the class root, pointing to the registry path `ziel`.
void Verweis(const std::wstring& pfad, const std::wstring& ziel) {
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(HKEY_CLASSES_ROOT, pfad.c_str(), 0, nullptr, REG_OPTION_CREATE_LINK, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr), ERROR_SUCCESS);
  EXPECT_EQ(::RegSetValueExW(key, L"SymbolicLinkValue", 0, REG_LINK, reinterpret_cast<const BYTE*>(ziel.c_str()),
                             static_cast<DWORD>(ziel.size() * sizeof(wchar_t))), ERROR_SUCCESS);
  ::RegCloseKey(key);
}

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

// A subkey that may not be listed (Wine, like Windows, withholds KEY_ENUMERATE_SUB_KEYS that the
// key's access list denies; it grants DELETE whatever the list says) stops the deletion between
// the subkeys that sort before it, gone, and those after it, kept as they were.
TEST_F(ClassesRoot, ADeletionStoppedHalfWayFailsKeepsTheRestAndCanBeDoneAgain) {
  const std::wstring baum = wurzel + L"\\baum ...";
  {
    platform::ClassesRootKey key;
    ASSERT_EQ(key.Create(baum + L"\\a\\command", platform::kKeyWrite), 0);
    ASSERT_EQ(key.Create(baum + L"\\c\\command", platform::kKeyWrite), 0);
    ASSERT_EQ(key.Create(wurzel + L"\\daneben", platform::kKeyWrite), 0);
  }
  HKEY hindernis = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(HKEY_CLASSES_ROOT, (baum + L"\\b").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &hindernis, nullptr), ERROR_SUCCESS);
  SetzeZugriff(hindernis, L"D:(D;;0x8;;;WD)(A;;KA;;;WD)");

  EXPECT_EQ(platform::ClassesRootDeleteTree(baum), ERROR_ACCESS_DENIED);
  EXPECT_FALSE(platform::ClassesRootKeyExists(baum + L"\\a"));
  platform::ClassesRootKey b;
  EXPECT_EQ(b.Open(baum + L"\\b", KEY_QUERY_VALUE), 0);
  b.Close();
  EXPECT_TRUE(platform::ClassesRootKeyExists(baum + L"\\c\\command"));

  SetzeZugriff(hindernis, L"D:(A;;KA;;;WD)");
  ::RegCloseKey(hindernis);
  EXPECT_EQ(platform::ClassesRootDeleteTree(baum), 0);
  EXPECT_FALSE(platform::ClassesRootKeyExists(baum));
  EXPECT_TRUE(platform::ClassesRootKeyExists(wurzel + L"\\daneben"));
}

// A symbolic link in the tree goes as a key of its own: what it points to lies outside the tree,
// and a link that points nowhere can be neither opened nor deleted through.
TEST_F(ClassesRoot, DeletesLinksInTheTreeAndNotWhatTheyPointTo) {
  const std::wstring baum = wurzel + L"\\baum";
  {
    platform::ClassesRootKey key;
    ASSERT_EQ(key.Create(wurzel + L"\\daneben\\command", platform::kKeyWrite), 0);
    ASSERT_EQ(key.Create(baum + L"\\shell", platform::kKeyWrite), 0);
  }
  const std::wstring klassen = L"\\Registry\\Machine\\Software\\Classes\\" + wurzel;
  Verweis(baum + L"\\shell\\hinaus", klassen + L"\\daneben");
  Verweis(baum + L"\\shell\\ins Leere", klassen + L"\\fehlt");
  ASSERT_TRUE(platform::ClassesRootKeyExists(baum + L"\\shell\\hinaus\\command"));

  EXPECT_EQ(platform::ClassesRootDeleteTree(baum), 0);
  EXPECT_FALSE(platform::ClassesRootKeyExists(baum));
  EXPECT_TRUE(platform::ClassesRootKeyExists(wurzel + L"\\daneben\\command"));
}

TEST_F(ClassesRoot, OpeningAMissingKeyFails) {
  platform::ClassesRootKey key;
  EXPECT_NE(key.Open(wurzel + L"\\fehlt", platform::kKeyRead), 0);
  EXPECT_EQ(key.Close(), 0);
}
