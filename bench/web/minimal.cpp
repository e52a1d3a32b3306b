// The least an emscripten page can do to show a frame: fill 640 x 350
// pixels and put them on the canvas once. The yardstick for how long the
// program's page takes to show its title.
#include <cstdint>
#include <vector>

extern "C" void minimal_show_frame(const std::uint8_t* rgba, int width, int height);

int main() {
  constexpr int kWidth = 640;
  constexpr int kHeight = 350;
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(kWidth * kHeight) * 4);
  for (std::size_t i = 0; i < rgba.size(); i += 4) {
    rgba[i] = 0x55;
    rgba[i + 1] = 0x55;
    rgba[i + 2] = 0xFF;
    rgba[i + 3] = 0xFF;
  }
  minimal_show_frame(rgba.data(), kWidth, kHeight);
  return 0;
}
