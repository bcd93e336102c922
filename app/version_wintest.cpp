// The program file's version record, read back with the version API.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::string Query(const std::vector<char>& block, const char* name) {
  char* value = nullptr;
  UINT length = 0;
  const std::string path = std::string("\\StringFileInfo\\080404B0\\") + name;
  if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) {
    return "(missing)";
  }
  return std::string(value, length && value[length - 1] == '\0' ? length - 1 : length);
}

TEST(VersionRecord, IsChineseWithTheProgramsNames) {
  const char* exe = getenv("TW_EXE");
  ASSERT_NE(exe, nullptr) << "TW_EXE names the program file";
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(exe, &ignored);
  ASSERT_GT(size, 0u) << exe;
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(exe, 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  EXPECT_EQ(translation[0], 0x0804);
  EXPECT_EQ(translation[1], 1200);  // Unicode
  EXPECT_EQ(Query(block, "FileVersion"), "1.0.0.0");
  EXPECT_EQ(Query(block, "ProductVersion"), "1.0.0.0");
  EXPECT_EQ(Query(block, "CompanyName"), "Tarnwick");
  EXPECT_EQ(Query(block, "ProductName"), "Tarnwick定时关机工具");
  EXPECT_EQ(Query(block, "FileDescription"), "您可以选择相应时间，定时关机或待机。");
}

TEST(CodePage, IsGbk) { EXPECT_EQ(GetACP(), 936u); }

}  // namespace
