// Draws the application icon (a dial: black disc, dotted rim, coloured scale arc, cyan
// ticks, a needle to the upper right, a blue square at the bottom) and writes it as a
// 766-byte icon file: one 32 x 32 image in the standard 16 colours.
//   make_icon OUT.ico
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

enum Colour : uint8_t {
  kBlack = 0,
  kMaroon,
  kGreen,
  kOlive,
  kNavy,
  kPurple,
  kTeal,
  kSilver,
  kGrey,
  kRed,
  kLime,
  kYellow,
  kBlue,
  kMagenta,
  kCyan,
  kWhite,
  kClear = 0xFF
};

// The standard 16-colour palette, as RGB.
constexpr uint8_t kPalette[16][3] = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},  {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},    {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};

constexpr int kSize = 32;
constexpr double kPi = 3.14159265358979323846;

void Put(std::vector<uint8_t>& px, int x, int y, uint8_t c) {
  if (x >= 0 && y >= 0 && x < kSize && y < kSize) px[y * kSize + x] = c;
}

void Append16(std::vector<uint8_t>& out, unsigned v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void Append32(std::vector<uint8_t>& out, unsigned v) {
  Append16(out, v & 0xFFFF);
  Append16(out, v >> 16);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon OUT.ico\n");
    return 2;
  }
  std::vector<uint8_t> px(kSize * kSize, kClear);
  const double c = 15.5;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const double r = std::hypot(x - c, y - c);
      if (r <= 15.6) px[y * kSize + x] = kBlack;
      if (r > 14.2 && r <= 15.6) px[y * kSize + x] = ((x + y) % 2) ? kWhite : kSilver;
    }
  }
  // The scale arc: from the lower left (225 degrees) over the top to the lower right
  // (-45 degrees), green, yellow, magenta, red.
  for (double a = 225.0; a >= -45.0; a -= 0.5) {
    const double t = (225.0 - a) / 270.0;
    const uint8_t colour = t < 0.25 ? kLime : t < 0.5 ? kYellow : t < 0.75 ? kMagenta : kRed;
    for (double r = 11.0; r <= 12.6; r += 0.4) {
      const double rad = a * kPi / 180.0;
      Put(px, static_cast<int>(std::lround(c + r * std::cos(rad))),
          static_cast<int>(std::lround(c - r * std::sin(rad))), colour);
    }
  }
  // Tick marks, every 45 degrees along the scale.
  for (double a = 225.0; a >= -45.0; a -= 45.0) {
    const double rad = a * kPi / 180.0;
    for (double r = 8.0; r <= 10.0; r += 0.5) {
      Put(px, static_cast<int>(std::lround(c + r * std::cos(rad))),
          static_cast<int>(std::lround(c - r * std::sin(rad))), kCyan);
    }
  }
  // The needle, from the centre towards the upper right, and its hub.
  for (double r = 0.0; r <= 10.0; r += 0.25) {
    const double rad = 50.0 * kPi / 180.0;
    Put(px, static_cast<int>(std::lround(c + r * std::cos(rad))),
        static_cast<int>(std::lround(c - r * std::sin(rad))), kWhite);
  }
  for (int y = 15; y <= 16; ++y)
    for (int x = 15; x <= 16; ++x) Put(px, x, y, kSilver);
  // The small blue square at the bottom.
  for (int y = 22; y <= 25; ++y)
    for (int x = 14; x <= 17; ++x) Put(px, x, y, kBlue);

  std::vector<uint8_t> image;
  Append32(image, 40);         // biSize
  Append32(image, kSize);      // biWidth
  Append32(image, kSize * 2);  // biHeight: colour and mask
  Append16(image, 1);          // biPlanes
  Append16(image, 4);          // biBitCount
  Append32(image, 0);          // biCompression
  Append32(image, 512 + 128);  // biSizeImage
  Append32(image, 0);
  Append32(image, 0);
  Append32(image, 0);  // biClrUsed: all 16
  Append32(image, 0);
  for (const auto& rgb : kPalette) {
    image.push_back(rgb[2]);
    image.push_back(rgb[1]);
    image.push_back(rgb[0]);
    image.push_back(0);
  }
  for (int y = kSize - 1; y >= 0; --y) {  // colour bits, bottom-up, two pixels a byte
    for (int x = 0; x < kSize; x += 2) {
      auto nibble = [&](int xx) {
        const uint8_t v = px[y * kSize + xx];
        return v == kClear ? 0 : v;
      };
      image.push_back(static_cast<uint8_t>((nibble(x) << 4) | nibble(x + 1)));
    }
  }
  for (int y = kSize - 1; y >= 0; --y) {  // mask bits: 1 is transparent
    for (int x = 0; x < kSize; x += 8) {
      uint8_t bits = 0;
      for (int b = 0; b < 8; ++b)
        if (px[y * kSize + x + b] == kClear) bits |= static_cast<uint8_t>(0x80 >> b);
      image.push_back(bits);
    }
  }

  std::vector<uint8_t> file;
  Append16(file, 0);  // reserved
  Append16(file, 1);  // type: icon
  Append16(file, 1);  // one image
  file.push_back(kSize);
  file.push_back(kSize);
  file.push_back(16);  // colours
  file.push_back(0);
  Append16(file, 1);  // planes
  Append16(file, 4);  // bits per pixel
  Append32(file, static_cast<unsigned>(image.size()));
  Append32(file, 22);
  file.insert(file.end(), image.begin(), image.end());

  FILE* f = std::fopen(argv[1], "wb");
  if (!f || std::fwrite(file.data(), 1, file.size(), f) != file.size() || std::fclose(f) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  std::printf("%s: %zu bytes\n", argv[1], file.size());
  return file.size() == 766 ? 0 : 1;
}
