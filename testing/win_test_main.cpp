// The Win32 tests' main: GoogleTest, with the refusing power seam already installed by
// win_test_support (nothing here can reach the real power calls).
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
