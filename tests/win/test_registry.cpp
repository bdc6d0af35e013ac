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
  char buf[8] = "garbage";
  sub.ReadString("Any", buf, sizeof buf, "a default longer than the buffer");
  EXPECT_STREQ(buf, "a defau");
  // Nothing was created by reading.
  EXPECT_FALSE(KeyExists(kScratch));
}

TEST_F(RegistryKeys, TextsOfCapacityMinusOneFitOneMoreDoesNot) {
  {
    RegistryKey key(kScratch);
    RegistrySubKey sub(key, "S");
    ASSERT_TRUE(sub.CreateForWrite());
    EXPECT_TRUE(sub.WriteString("Fits", std::string(15, 'x').c_str()));
    EXPECT_TRUE(sub.WriteString("TooLong", std::string(16, 'y').c_str()));
    EXPECT_TRUE(sub.WriteString("Empty", ""));
  }
  RegistryKey key(kScratch);
  RegistrySubKey sub(key, "S");
  ASSERT_TRUE(sub.OpenForRead());
  char buf[16];
  EXPECT_EQ(sub.ReadString("Fits", buf, sizeof buf, "d"), 15u);
  EXPECT_EQ(std::string(buf), std::string(15, 'x'));
  sub.ReadString("TooLong", buf, sizeof buf, "d");
  EXPECT_STREQ(buf, "d");
  sub.ReadString("Empty", buf, sizeof buf, "d");
  EXPECT_STREQ(buf, "") << "an empty text is a text, not a missing one";
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
  char buf[8];
  sub.ReadString("Number", buf, sizeof buf, "n");
  EXPECT_STREQ(buf, "n");
  sub.ReadString("Binary", buf, sizeof buf, "b");
  EXPECT_STREQ(buf, "b");
  // Eight bytes of text without a terminator do not fit eight bytes.
  buf[7] = 'z';
  sub.ReadString("NoNul", buf, sizeof buf, "t");
  EXPECT_LT(lstrlenA(buf), 8);
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
