// The program's own data files: the icon file and the picture.
#include <gtest/gtest.h>

#include <vector>

#include "testing/files.h"
#include "tray/icon_file.h"

namespace tw::app {
namespace {

using tw::testing::ReadSourceFile;

TEST(IconFile, IsOne32By32SixteenColourImageOf766Bytes) {
  const auto file = ReadSourceFile("app/data/tarnwick.ico");
  ASSERT_EQ(file.size(), 766u);
  EXPECT_EQ(file[6], 32);   // width
  EXPECT_EQ(file[7], 32);   // height
  EXPECT_EQ(file[8], 16);   // colours
  EXPECT_EQ(file[18], 22);  // image offset
  // The tray asks for 16 pixels first: there is no such entry, so the only one is taken.
  const auto image = tray::ChooseIconImage(file, 16);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->bytes.size(), 744u);
  EXPECT_EQ(image->width, 32);
  EXPECT_EQ(image->height, 32);
  EXPECT_EQ(image->bitCount, 4);
}

TEST(PictureFile, IsABaselineJfif101JpegOf519By300) {
  const auto jpeg = ReadSourceFile("app/data/picture.jpg");
  ASSERT_GT(jpeg.size(), 20u);
  EXPECT_NEAR(static_cast<double>(jpeg.size()), 27448.0, 1000.0);
  EXPECT_EQ(jpeg[0], 0xFF);
  EXPECT_EQ(jpeg[1], 0xD8);
  EXPECT_EQ(std::string(jpeg.begin() + 6, jpeg.begin() + 11), std::string("JFIF\0", 5));
  EXPECT_EQ(jpeg[11], 1);  // version 1.01
  EXPECT_EQ(jpeg[12], 1);
  // The frame header is SOF0 (baseline) with 300 rows, 519 columns and three components.
  size_t at = 2;
  bool found = false;
  while (at + 9 < jpeg.size() && jpeg[at] == 0xFF) {
    const int marker = jpeg[at + 1];
    const size_t length = static_cast<size_t>(jpeg[at + 2] << 8 | jpeg[at + 3]);
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
      EXPECT_EQ(marker, 0xC0);
      EXPECT_EQ(jpeg[at + 5] << 8 | jpeg[at + 6], 300);
      EXPECT_EQ(jpeg[at + 7] << 8 | jpeg[at + 8], 519);
      EXPECT_EQ(jpeg[at + 9], 3);
      found = true;
      break;
    }
    at += 2 + length;
  }
  EXPECT_TRUE(found);
}

}  // namespace
}  // namespace tw::app
