#pragma once
// A 300-byte buffer addressed from 1, as the protocol counts positions.
#include <array>
#include <cstdint>

#include "link/frame.h"

namespace gx {

struct Bytes300 {
  std::array<uint8_t, kBufferSize> b{};
  uint8_t& at(int pos) { return b[size_t(pos - 1)]; }
  [[nodiscard]] uint8_t at(int pos) const { return b[size_t(pos - 1)]; }
  uint8_t* data() { return b.data(); }
  [[nodiscard]] const uint8_t* data() const { return b.data(); }
  void fill(uint8_t v) { b.fill(v); }
};

}  // namespace gx
