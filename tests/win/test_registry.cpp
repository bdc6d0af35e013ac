#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include "settings/RegistrySubKey.h"
#include "tests/win/TestSupport.h"

namespace {

const char kScratch[] = "Software\\TivoraTest";

class RegistryKeys : public testing::Test {
protected:
  void SetUp() override { DeleteTree(kScratch); }
  void TearDown() override { DeleteTree(kScratch); }
};

TEST_F(RegistryKeys, CreateForWriteMakesTheWholePath) {
  RegistryKey key("Software\\TivoraTest\\Deep\\Path");
  RegistrySubKey sub(key, "Leaf");
  ASSERT_TRUE(sub.CreateForWrite());
  EXPECT_TRUE(sub.WriteDword("Value", 7));
  sub.Close();
  EXPECT_TRUE(KeyExists("Software\\TivoraTest\\Deep\\Path\\Leaf"));
}

TEST_F(RegistryKeys, MissingKeyStaysClosedAndEveryReadGivesItsDefault) {
  RegistryKey key(kScratch);
  RegistrySubKey sub(key, "Nothing");
  EXPECT_FALSE(sub.OpenForRead());
  EXPECT_EQ(sub.ReadDword("Any", 99), 99u);
  wchar_t buf[8] = L"garbage";
  sub.ReadString("Any", buf, 8, L"a default longer than the buffer");
  EXPECT_STREQ(buf, L"a defau");
  // Nothing was created by reading.
  EXPECT_FALSE(KeyExists(kScratch));
}

TEST_F(RegistryKeys, TextsOfCapacityMinusOneFitOneMoreDoesNot) {
  {
    RegistryKey key(kScratch);
    RegistrySubKey sub(key, "S");
    ASSERT_TRUE(sub.CreateForWrite());
    EXPECT_TRUE(sub.WriteString("Fits", std::wstring(15, L'x').c_str()));
    EXPECT_TRUE(sub.WriteString("TooLong", std::wstring(16, L'y').c_str()));
    EXPECT_TRUE(sub.WriteString("Empty", L""));
  }
  RegistryKey key(kScratch);
  RegistrySubKey sub(key, "S");
  ASSERT_TRUE(sub.OpenForRead());
  wchar_t buf[16];
  EXPECT_EQ(sub.ReadString("Fits", buf, 16, L"d"), 15u);
  EXPECT_EQ(std::wstring(buf), std::wstring(15, L'x'));
  sub.ReadString("TooLong", buf, 16, L"d");
  EXPECT_STREQ(buf, L"d");
  sub.ReadString("Empty", buf, 16, L"d");
  EXPECT_STREQ(buf, L"") << "an empty text is a text, not a missing one";
}

TEST_F(RegistryKeys, ANumberReadAsTextAndBinaryDataStayTerminated) {
  {
    RegistryKey key(kScratch);
    RegistrySubKey sub(key, "S");
    ASSERT_TRUE(sub.CreateForWrite());
    EXPECT_TRUE(sub.WriteDword("Number", 0x41414141));
    const BYTE bytes[8] = {'b', 'b', 'b', 'b', 'b', 'b', 'b', 'b'};
    RegSetValueExA(sub.Handle, "Binary", 0, REG_BINARY, bytes, sizeof bytes);
    RegSetValueExA(sub.Handle, "NoNul", 0, REG_SZ, bytes, sizeof bytes);
    RegSetValueExA(sub.Handle, "Short", 0, REG_DWORD, bytes, 2);
  }
  RegistryKey key(kScratch);
  RegistrySubKey sub(key, "S");
  ASSERT_TRUE(sub.OpenForRead());
  wchar_t buf[8];
  sub.ReadString("Number", buf, 8, L"n");
  EXPECT_STREQ(buf, L"n");
  sub.ReadString("Binary", buf, 8, L"b");
  EXPECT_STREQ(buf, L"b");
  // Eight characters of text without a terminator do not fit eight.
  buf[7] = L'z';
  sub.ReadString("NoNul", buf, 8, L"t");
  EXPECT_LT(lstrlenW(buf), 8);
  EXPECT_EQ(sub.ReadDword("Short", 5), 5u);
  EXPECT_EQ(sub.ReadDword("Binary", 6), 6u);
}

TEST_F(RegistryKeys, ASubkeyFollowsItsParentsMode) {
  {
    RegistryKey key(kScratch);
    RegistrySubKey sub(key, "S");
    ASSERT_TRUE(sub.CreateForWrite());
  }
  RegistryKey key(kScratch);
  ASSERT_TRUE(key.OpenForRead());
  EXPECT_EQ(key.Access, REGSAM(KEY_READ));
  RegistrySubKey sub(key, "S");
  ASSERT_TRUE(sub.CreateForWrite());   // opened, in the parent's read mode
  EXPECT_FALSE(sub.WriteDword("Value", 1));
  key.Close();
  EXPECT_EQ(key.Access, REGSAM(0));
  EXPECT_FALSE(key.IsOpen);
}

}  // namespace
