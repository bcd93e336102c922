#include "tray/icon_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace tw::tray {
namespace {

// An icon file with the given entries (width, colours); each image a bare 40-byte header.
std::vector<uint8_t> MakeIcon(std::vector<std::pair<uint8_t, uint8_t>> entries,
                              uint16_t reserved = 0, uint16_t type = 1) {
  std::vector<uint8_t> f;
  auto u16 = [&](unsigned v) {
    f.push_back(v & 0xFF);
    f.push_back((v >> 8) & 0xFF);
  };
  auto u32 = [&](unsigned v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
  };
  u16(reserved);
  u16(type);
  u16(static_cast<unsigned>(entries.size()));
  const unsigned first = 6 + 16 * static_cast<unsigned>(entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    f.push_back(entries[i].first);
    f.push_back(entries[i].first);
    f.push_back(entries[i].second);
    f.push_back(0);
    u16(1);
    u16(4);
    u32(40);
    u32(first + 40 * static_cast<unsigned>(i));
  }
  for (auto [width, colours] : entries) {
    u32(40);
    u32(width);
    u32(width * 2u);
    u16(1);
    u16(colours >= 16 ? 4 : 1);
    for (int k = 0; k < 24; ++k) f.push_back(0);
  }
  return f;
}

TEST(IconFile, ChoosesThePreferredWidthWithEnoughColours) {
  const auto file = MakeIcon({{32, 16}, {16, 2}, {16, 16}, {48, 0}});
  auto image = ChooseIconImage(file, 16);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->entryIndex, 2u);  // the 2-colour 16-pixel entry is passed over
  EXPECT_EQ(image->width, 16);
  EXPECT_EQ(image->height, 16);
  EXPECT_EQ(image->bitCount, 4);
  image = ChooseIconImage(file, 32);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->entryIndex, 0u);
  image = ChooseIconImage(file, 24);  // no match: the last entry
  ASSERT_TRUE(image);
  EXPECT_EQ(image->entryIndex, 3u);
}

TEST(IconFile, RefusesBadHeaders) {
  EXPECT_FALSE(ChooseIconImage(MakeIcon({{32, 16}}, 1), 32));
  EXPECT_FALSE(ChooseIconImage(MakeIcon({{32, 16}}, 0, 0), 32));
  EXPECT_FALSE(ChooseIconImage(MakeIcon({{32, 16}}, 0, 3), 32));
  EXPECT_TRUE(ChooseIconImage(MakeIcon({{32, 16}}, 0, 2), 32));  // a cursor file is read too
  EXPECT_FALSE(ChooseIconImage(MakeIcon({}), 32));
  EXPECT_FALSE(ChooseIconImage(std::vector<uint8_t>{0, 0, 1}, 32));
  EXPECT_FALSE(ChooseIconImage(std::vector<uint8_t>{}, 32));
}

TEST(IconFile, RefusesEveryTruncation) {
  const auto file = MakeIcon({{16, 16}, {32, 16}});
  for (size_t n = 0; n < file.size(); ++n) {
    std::vector<uint8_t> cut(file.begin(), file.begin() + static_cast<long>(n));
    EXPECT_FALSE(ChooseIconImage(cut, 32)) << "cut at " << n;
  }
  EXPECT_TRUE(ChooseIconImage(file, 32));
}

TEST(IconFile, RefusesImagesPastTheEndEvenWhenTheSumOverflows) {
  auto file = MakeIcon({{32, 16}});
  file[6 + 8] = 0xFF;  // size 0xFFFFFF28...
  file[6 + 9] = 0xFF;
  file[6 + 10] = 0xFF;
  file[6 + 11] = 0xFF;
  EXPECT_FALSE(ChooseIconImage(file, 32));
  file = MakeIcon({{32, 16}});
  file[6 + 15] = 0xFF;  // offset far away
  EXPECT_FALSE(ChooseIconImage(file, 32));
}

}  // namespace
}  // namespace tw::tray
