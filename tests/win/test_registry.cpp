#include <windows.h>
#include <gtest/gtest.h>
#include "settings/RegistrySubKey.h"
#include "tests/win/TestSupport.h"

TEST(RegistryKeys, CreateForWriteMakesTheWholePath) {
  DeleteTree("Software\\TivoraTest");
  RegistryKey key("Software\\TivoraTest\\Deep\\Path");
  RegistrySubKey sub(key, "Leaf");
  ASSERT_TRUE(sub.CreateForWrite());
  EXPECT_TRUE(sub.WriteDword("Value", 7));
  sub.Close();
  HKEY check;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\TivoraTest\\Deep\\Path\\Leaf", 0,
                          KEY_READ, &check), ERROR_SUCCESS);
  RegCloseKey(check);
  DeleteTree("Software\\TivoraTest");
}
