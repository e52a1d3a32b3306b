#include <cstdio>

// Placeholder entry point until the front-ends are built.
int main() {
  std::puts("Tubalyzer 2.20: the screens are not built yet.");
  return 0;
}
