#include "app/picture.h"

#include <gtest/gtest.h>

#include <vector>

#include "testing/files.h"

namespace tw::app {
namespace {

using tw::testing::ReadSourceFile;

TEST(Picture, DecodesToBottomUpBgrRows) {
  const auto jpeg = ReadSourceFile("app/data/picture.jpg");
  const auto pixels = DecodeJpeg(jpeg);
  ASSERT_TRUE(pixels);
  EXPECT_EQ(pixels->width, 519);
  EXPECT_EQ(pixels->height, 300);
  EXPECT_EQ(pixels->stride, 1560u);  // 519 * 3 = 1557, padded to 4
  // The top rows are the dark teal night sky; the bottom rows are snow.
  const uint8_t* top = pixels->bgr.data() + pixels->stride * 299 + size_t{30};
  const uint8_t* bottom = pixels->bgr.data() + size_t{30};
  EXPECT_LT(top[2], 60);      // little red
  EXPECT_GT(top[0], top[2]);  // more blue than red
  EXPECT_GT(bottom[0], 200);
  EXPECT_GT(bottom[1], 200);
  EXPECT_GT(bottom[2], 200);
}

TEST(Picture, RefusesTruncatedCopies) {
  const auto jpeg = ReadSourceFile("app/data/picture.jpg");
  for (size_t n : {size_t{0}, size_t{1}, size_t{2}, size_t{100}, size_t{620}, jpeg.size() / 2,
                   jpeg.size() - 3}) {
    std::vector<uint8_t> cut(jpeg.begin(), jpeg.begin() + static_cast<long>(n));
    EXPECT_FALSE(DecodeJpeg(cut)) << "cut at " << n;
  }
}

TEST(Picture, RefusesCorruptedCopiesWithoutEndingTheProcess) {
  const auto jpeg = ReadSourceFile("app/data/picture.jpg");
  int refused = 0;
  for (size_t at = 2; at < jpeg.size(); at += 97) {
    auto bad = jpeg;
    bad[at] ^= 0xFF;
    if (!DecodeJpeg(bad)) ++refused;  // some flips only change pixels; none may crash
  }
  EXPECT_GT(refused, 0);
  std::vector<uint8_t> garbage(5000, 0xFF);
  EXPECT_FALSE(DecodeJpeg(garbage));
}

}  // namespace
}  // namespace tw::app
