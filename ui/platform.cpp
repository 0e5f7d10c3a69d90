#include "ui/platform.h"

#include <cassert>

namespace kalmoris {

namespace {
Platform* installed = nullptr;
}

Platform& platform() {
  assert(installed != nullptr);
  return *installed;
}

void installPlatform(Platform* platform) {
  installed = platform;
}

}  // namespace kalmoris
