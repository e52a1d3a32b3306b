// The yardstick for start-up: the least an SDL program does to show one
// 640 x 350 frame at twice its size (bright blue with a white bar), then
// wait for the window to close. "software" uses SDL's software renderer
// straight into the X11 window, as the program does; without it, SDL's
// default renderer.

#include <SDL.h>

#include <cstdint>
#include <cstring>
#include <vector>

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "software") == 0) {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
  }
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
  SDL_Window* window = SDL_CreateWindow("minimal", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                        1280, 700, 0);
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0);
  SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                           SDL_TEXTUREACCESS_STREAMING, 640, 350);
  std::vector<std::uint32_t> pixels(640 * 350, 0xFF5555FF);
  for (int y = 60; y < 70; ++y) {
    for (int x = 240; x < 400; ++x) pixels[static_cast<std::size_t>(y * 640 + x)] = 0xFFFFFFFF;
  }
  SDL_UpdateTexture(texture, nullptr, pixels.data(), 640 * 4);
  SDL_RenderCopy(renderer, texture, nullptr, nullptr);
  SDL_RenderPresent(renderer);
  SDL_Event event;
  while (SDL_WaitEvent(&event) != 0 && event.type != SDL_QUIT) {
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
      SDL_RenderCopy(renderer, texture, nullptr, nullptr);
      SDL_RenderPresent(renderer);
    }
  }
  SDL_Quit();
  return 0;
}
