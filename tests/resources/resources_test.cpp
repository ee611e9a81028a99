// The Windows executable's resources, read back with wrestool (icoutils):
// an icon, its group and the version block, all Chinese (Simplified).

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "app/credit.h"
#include "runtime/unicode.h"

#ifndef CORVANE_WINDOWS_EXE
#error "CORVANE_WINDOWS_EXE names the executable under test"
#endif

namespace corvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string Shell(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  pclose(pipe);
  return out;
}

Bytes Extract(int type, int name) {
  const std::string raw = Shell("wrestool -x --raw --type=" + std::to_string(type) + " --name=" + std::to_string(name) +
                              " '" CORVANE_WINDOWS_EXE "'");
  return Bytes(raw.begin(), raw.end());
}

std::uint32_t U16(const Bytes& b, std::size_t at) { return b.at(at) | b.at(at + 1) << 8; }
std::uint32_t U32(const Bytes& b, std::size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

TEST(Resources, AreAnIconItsGroupAndAVersionBlockInChinese) {
  const std::string listing = Shell("wrestool -l '" CORVANE_WINDOWS_EXE "'");
  EXPECT_THAT(listing, ::testing::MatchesRegex(
                           "--type=3 --name=1 --language=2052 \\[type=icon offset=0x[0-9a-f]+ size=3240\\]\n"
                           "--type=14 --name=129 --language=2052 \\[type=group_icon offset=0x[0-9a-f]+ size=20\\]\n"
                           "--type=16 --name=1 --language=2052 \\[type=version offset=0x[0-9a-f]+ size=[0-9]+\\]\n"));
}

TEST(Resources, TheIconGroupHoldsOneEntryForIconOne) {
  const Bytes group = Extract(14, 129);
  ASSERT_EQ(group.size(), 20u);
  EXPECT_EQ((std::array{U16(group, 0), U16(group, 2), U16(group, 4)}), (std::array<std::uint32_t, 3>{0, 1, 1}));
  EXPECT_EQ((std::array<std::uint32_t, 4>{group[6], group[7], group[8], group[9]}),
            (std::array<std::uint32_t, 4>{32, 32, 0, 0}));
  EXPECT_EQ(U16(group, 10), 1u);     // planes
  EXPECT_EQ(U16(group, 12), 24u);    // bits per pixel
  EXPECT_EQ(U32(group, 14), 3240u);  // bytes in resource
  EXPECT_EQ(U16(group, 18), 1u);     // image identifier
}

struct Rgb {
  int r, g, b;
};

bool InFigure(int x, int y) {
  if (x < 6 || x > 25 || y < 6 || y > 25) return false;
  return y <= 9 || (y >= 14 && y <= 17) || y >= 22 || (x <= 9 && y <= 13) || (x >= 22 && y >= 18);
}

TEST(Resources, TheIconIsAWhiteSevenSegmentFiveOnOrangeRed) {
  const Bytes icon = Extract(3, 1);
  ASSERT_EQ(icon.size(), 3240u);
  const std::array<std::uint32_t, 11> header = {U32(icon, 0),  U32(icon, 4),  U32(icon, 8),  U16(icon, 12),
                                                U16(icon, 14), U32(icon, 16), U32(icon, 20), U32(icon, 24),
                                                U32(icon, 28), U32(icon, 32), U32(icon, 36)};
  EXPECT_EQ(header, (std::array<std::uint32_t, 11>{40, 32, 64, 1, 24, 0, 0, 2835, 2835, 0, 0}));
  const auto pixel = [&](int x, int y) {  // rows are stored bottom first, blue green red
    const std::size_t at = 40 + static_cast<std::size_t>((31 - y) * 96 + x * 3);
    return Rgb{icon[at + 2], icon[at + 1], icon[at]};
  };
  long green = 0, blue = 0, ground = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const Rgb p = pixel(x, y);
      SCOPED_TRACE(::testing::Message() << "pixel " << x << "," << y);
      if (!InFigure(x, y)) {
        EXPECT_EQ(p.r, 255);
        EXPECT_TRUE(p.g >= 72 && p.g <= 86) << p.g;
        EXPECT_TRUE(p.b >= 0 && p.b <= 9) << p.b;
        green += p.g, blue += p.b, ++ground;
      } else if (InFigure(x - 1, y) && InFigure(x + 1, y) && InFigure(x, y - 1) && InFigure(x, y + 1)) {
        EXPECT_TRUE(p.r == 255 && p.g == 255 && p.b == 255) << "the figure's inside is pure white";
      } else {
        // An outermost pixel of the figure: a pale tint of the orange.
        EXPECT_EQ(p.r, 255);
        EXPECT_TRUE(p.g >= 160 && p.g < 255 && p.b >= 160 && p.b < 255) << p.g << " " << p.b;
      }
    }
  }
  EXPECT_NEAR(static_cast<double>(green) / ground, 79, 3);
  EXPECT_NEAR(static_cast<double>(blue) / ground, 1, 1);
  for (std::size_t at = 40 + 32 * 96; at < icon.size(); ++at) ASSERT_EQ(icon[at], 0) << "the mask: all opaque";
}

// One node of the version block: its key, its value and its children.
struct Node {
  std::u16string key;
  Bytes value;
  std::uint32_t value_length = 0, type = 0;
  std::vector<Node> children;
};

std::size_t Align4(std::size_t at) { return (at + 3) & ~std::size_t{3}; }

Node Parse(const Bytes& b, std::size_t at) {
  Node node;
  const std::size_t end = at + U16(b, at);
  node.value_length = U16(b, at + 2);
  node.type = U16(b, at + 4);
  std::size_t pos = at + 6;
  for (; U16(b, pos) != 0; pos += 2) node.key += static_cast<char16_t>(U16(b, pos));
  pos = Align4(pos + 2);
  const std::size_t value_bytes = node.type == 1 ? node.value_length * 2 : node.value_length;
  node.value.assign(b.begin() + static_cast<long>(pos), b.begin() + static_cast<long>(std::min(pos + value_bytes, end)));
  for (pos = Align4(pos + value_bytes); pos < end; pos = Align4(pos + U16(b, pos))) node.children.push_back(Parse(b, pos));
  return node;
}

std::u16string TextValue(const Node& node) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < node.value.size(); i += 2) {
    const char16_t c = static_cast<char16_t>(node.value[i] | node.value[i + 1] << 8);
    if (c == 0) break;
    text += c;
  }
  return text;
}

TEST(Resources, TheVersionBlockSaysCorvaneOneZeroZeroZero) {
  const Node root = Parse(Extract(16, 1), 0);
  EXPECT_EQ(root.key, u"VS_VERSION_INFO");
  ASSERT_EQ(root.value.size(), 52u);
  const std::array<std::uint32_t, 13> fixed = {
      U32(root.value, 0),  U32(root.value, 8),  U32(root.value, 12), U32(root.value, 16), U32(root.value, 20),
      U32(root.value, 24), U32(root.value, 28), U32(root.value, 32), U32(root.value, 36), U32(root.value, 40),
      U32(root.value, 44), U32(root.value, 48), U32(root.value, 4) >> 16 == 1 ? 1u : 0u};
  // signature; file version 1.0.0.0; product version 1.0.0.0; flags mask, flags,
  // OS 32-bit Windows, type application, subtype 0, date 0; structure version 1.x
  EXPECT_EQ(fixed, (std::array<std::uint32_t, 13>{0xFEEF04BD, 0x00010000, 0, 0x00010000, 0, 0, 0, 4, 1, 0, 0, 0, 1}));

  ASSERT_EQ(root.children.size(), 2u);
  const Node& strings = root.children[0];
  EXPECT_EQ(strings.key, u"StringFileInfo");
  ASSERT_EQ(strings.children.size(), 1u);
  const Node& table = strings.children[0];
  EXPECT_EQ(table.key, u"080404B0");
  const std::u16string credit = unicode::Utf8ToUtf16(CORVANE_CREDIT);
  const std::vector<std::pair<std::u16string, std::u16string>> expected = {
      {u"FileVersion", u"1.0.0.0"},  {u"FileDescription", u"Corvane"}, {u"ProductName", u"Corvane"},
      {u"ProductVersion", u"1.0.0.0"}, {u"CompanyName", credit},
      {u"LegalCopyright", unicode::Utf8ToUtf16(CORVANE_COPYRIGHT)}, {u"Comments", u"Corvane"},
  };
  std::vector<std::pair<std::u16string, std::u16string>> actual;
  for (const Node& value : table.children) actual.emplace_back(value.key, TextValue(value));
  EXPECT_EQ(actual, expected);
  const std::u16string copyright = unicode::Utf8ToUtf16(CORVANE_COPYRIGHT);
  EXPECT_EQ(copyright.substr(0, credit.size()), credit) << "the credit, then a rights notice";
  EXPECT_GT(copyright.size(), credit.size());

  const Node& variables = root.children[1];
  EXPECT_EQ(variables.key, u"VarFileInfo");
  ASSERT_EQ(variables.children.size(), 1u);
  EXPECT_EQ(variables.children[0].key, u"Translation");
  EXPECT_EQ(variables.children[0].value, (Bytes{0x04, 0x08, 0xB0, 0x04})) << "one pair: 0x0804, 0x04B0";
}

}  // namespace
}  // namespace corvane
