// Draws the application icon, a white seven-segment 5 on an orange-red
// square, and writes it as the Windows icon (one 32 x 32, 24-bit image with
// an all-opaque mask), as PNG images for the Linux desktop and as a scalable
// SVG of the same 32 x 32 figure, so that none can differ from the others.
//
//   icon_maker ICO_PATH PNG_DIR
// writes ICO_PATH, PNG_DIR/corvane-SIZE.png for each desktop size and
// PNG_DIR/corvane.svg.

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 32;

struct Rgb {
  std::uint8_t r, g, b;
};

// The figure: bars at rows 6-9, 14-17 and 22-25 across columns 6-25, the
// upper-left upright at columns 6-9 and the lower-right one at 22-25.
bool InFigure(int x, int y) {
  if (x < 6 || x > 25 || y < 6 || y > 25) return false;
  const bool bar = (y <= 9) || (y >= 14 && y <= 17) || (y >= 22);
  const bool left_upright = x <= 9 && y >= 10 && y <= 13;
  const bool right_upright = x >= 22 && y >= 18 && y <= 21;
  return bar || left_upright || right_upright;
}

bool OnFigureEdge(int x, int y) {
  return InFigure(x, y) && !(InFigure(x - 1, y) && InFigure(x + 1, y) && InFigure(x, y - 1) && InFigure(x, y + 1));
}

// Saturated orange-red with a faint diagonal shading, about (255, 79, 1).
Rgb Ground(int x, int y) {
  const int green = 72 + (x + y) * 14 / 62;
  const int blue = (x * 7 + y * 3) % 9 == 0 ? 9 : 0;
  return {255, static_cast<std::uint8_t>(green), static_cast<std::uint8_t>(blue)};
}

Rgb Pixel(int x, int y) {
  if (!InFigure(x, y)) return Ground(x, y);
  if (!OnFigureEdge(x, y)) return {255, 255, 255};
  // The figure's outermost pixels: a pale tint of the ground, for a soft edge.
  const Rgb ground = Ground(x, y);
  const auto tint = [](int c) { return static_cast<std::uint8_t>((255 * 3 + c) / 4); };
  return {255, tint(ground.g), tint(ground.b)};
}

// Nearest-neighbour scaling keeps the segments crisp at every size.
Rgb ScaledPixel(int x, int y, int size) { return Pixel(x * kSize / size, y * kSize / size); }

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void PutBig32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::vector<std::uint8_t> IconFile() {
  constexpr std::uint32_t kImageBytes = 40 + kSize * kSize * 3 + kSize * 4;  // 3,240
  std::vector<std::uint8_t> out;
  Put16(out, 0), Put16(out, 1), Put16(out, 1);  // reserved, type icon, one image
  out.push_back(kSize), out.push_back(kSize), out.push_back(0), out.push_back(0);
  Put16(out, 1), Put16(out, 24), Put32(out, kImageBytes), Put32(out, 22);
  // BITMAPINFOHEADER: the height counts the colour image and the mask.
  Put32(out, 40), Put32(out, kSize), Put32(out, kSize * 2), Put16(out, 1), Put16(out, 24);
  Put32(out, 0), Put32(out, 0), Put32(out, 2835), Put32(out, 2835), Put32(out, 0), Put32(out, 0);
  for (int y = kSize - 1; y >= 0; --y) {
    for (int x = 0; x < kSize; ++x) {
      const Rgb p = Pixel(x, y);
      out.push_back(p.b), out.push_back(p.g), out.push_back(p.r);
    }
  }
  out.insert(out.end(), kSize * 4, 0);  // the mask: every pixel opaque
  return out;
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0) {
  crc = ~crc;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}

void PutChunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data) {
  PutBig32(out, static_cast<std::uint32_t>(data.size()));
  std::vector<std::uint8_t> body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  out.insert(out.end(), body.begin(), body.end());
  PutBig32(out, Crc32(body.data(), body.size()));
}

// A PNG of RGB pixels in stored (uncompressed) deflate blocks.
std::vector<std::uint8_t> PngFile(int size) {
  std::vector<std::uint8_t> raw;
  for (int y = 0; y < size; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < size; ++x) {
      const Rgb p = ScaledPixel(x, y, size);
      raw.push_back(p.r), raw.push_back(p.g), raw.push_back(p.b);
    }
  }
  std::vector<std::uint8_t> zlib = {0x78, 0x01};
  for (std::size_t pos = 0; pos < raw.size() || pos == 0;) {
    const std::size_t take = std::min<std::size_t>(65535, raw.size() - pos);
    zlib.push_back(pos + take == raw.size() ? 1 : 0);
    Put16(zlib, static_cast<std::uint32_t>(take));
    Put16(zlib, static_cast<std::uint32_t>(~take & 0xFFFF));
    zlib.insert(zlib.end(), raw.begin() + static_cast<long>(pos), raw.begin() + static_cast<long>(pos + take));
    pos += take;
    if (pos == raw.size()) break;
  }
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : raw) a = (a + byte) % 65521, b = (b + a) % 65521;
  PutBig32(zlib, b << 16 | a);

  std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  PutBig32(header, static_cast<std::uint32_t>(size)), PutBig32(header, static_cast<std::uint32_t>(size));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", zlib);
  PutChunk(out, "IEND", {});
  return out;
}

// The figure's pixels as squares of the SVG's 32 x 32 user space, a rect
// for each run of one colour along a row; crisp edges keep it the bitmap.
std::string SvgFile() {
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 32\" "
      "shape-rendering=\"crispEdges\">\n";
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize;) {
      const Rgb p = Pixel(x, y);
      int run = 1;
      while (x + run < kSize) {
        const Rgb q = Pixel(x + run, y);
        if (q.r != p.r || q.g != p.g || q.b != p.b) break;
        ++run;
      }
      char rect[128];
      std::snprintf(rect, sizeof rect, "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"1\" fill=\"#%02x%02x%02x\"/>\n", x,
                    y, run, p.r, p.g, p.b);
      svg += rect;
      x += run;
    }
  }
  return svg + "</svg>\n";
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: icon_maker ICO_PATH PNG_DIR\n");
    return 2;
  }
  bool ok = WriteFile(argv[1], IconFile());
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    ok = WriteFile(std::string(argv[2]) + "/corvane-" + std::to_string(size) + ".png", PngFile(size)) && ok;
  const std::string svg = SvgFile();
  ok = WriteFile(std::string(argv[2]) + "/corvane.svg", std::vector<std::uint8_t>(svg.begin(), svg.end())) && ok;
  return ok ? 0 : 1;
}
