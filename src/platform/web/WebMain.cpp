// The program in a browser page. Runs once per page load: the tab that gets
// the program's folder runs it until Quit, then the page says how to start
// again.
#include <exception>
#include <memory>
#include <string>

#include "app/Program.hpp"
#include "platform/web/WebPlatform.hpp"

int main() {
  const std::unique_ptr<WebPlatform> platform = WebPlatform::open();
  if (!platform) return 0;  // another tab runs the program
  std::string problem;
  try {
    Program program(*platform);
    program.run();
  } catch (const std::exception& error) {
    problem = error.what();
  } catch (...) {
    problem = "unexpected error";
  }
  platform->ended(problem);
  return 0;
}
