#pragma once
// The gateway parameter image: the 1132-byte record at the gateway's memory
// offsets 0..1131, field by field, with the controls each field comes from
// and goes to. One table describes it; filling and spreading walk the table.
#include <array>
#include <cstdint>
#include <span>

#include "params/codec.h"

namespace gx {
class FieldAccess;
class Dialogs;
}  // namespace gx

namespace gx::params {

inline constexpr int kImageSize = 1132;
inline constexpr int kImageBlock = 256;
inline constexpr int kImageSteps = 5;  // blocks at 0, 256, 512, 768 and 1024; the last holds 108 bytes

// How a field is stored.
enum class Enc : uint8_t {
  U16,      // edit, 16-bit number; 0 when empty or not a number
  U8,       // edit, one byte; 0 when empty or not a number
  Octets,   // four edits, one IPv4 byte each; 0xFB when empty or not a number
  TextZ,    // edit, zero-padded text of `size` bytes
  Packet,   // edit and its HEX box, 52-byte packet field
  Flags,    // eight boxes, 16-bit flag word
  Timer,    // day, hour, minute, action combos and enable box
  Index,    // combo, selected index
  Mode,     // channel byte: bits 0..3 the mode combo's index, bit 7 the transport combo is UDP
  Options,  // bits 0, 1, 2 from three boxes; bits 3..7 are 0
};

// Fields are filled and spread in groups, in the orders below.
enum class Group : uint8_t {
  Octets,
  Flags,
  Timers,
  DeviceId,
  Options,
  Period,
  EthCopy,
  Numbers,
  Strategy,
  Texts,
  Modes,
  Packets,
};

struct ImageField {
  uint16_t offset;
  uint8_t size;
  Enc enc;
  Group group;
  bool shown;                          // false: written from a control, never shown on reading
  std::array<const char*, 8> names{};  // the controls, in the order their encoding takes them
};

// Every field with a control, by offset. Offsets 0..3 and 6..7 have none.
[[nodiscard]] std::span<const ImageField> imageFields();

// The orders in which a write gathers the groups and a read shows them.
inline constexpr std::array<Group, 12> kFillOrder{Group::Octets,   Group::Flags,  Group::Timers,  Group::DeviceId,
                                                  Group::Options,  Group::Period, Group::EthCopy, Group::Numbers,
                                                  Group::Strategy, Group::Texts,  Group::Modes,   Group::Packets};
inline constexpr std::array<Group, 11> kSpreadOrder{Group::Octets,  Group::Flags,  Group::Timers,  Group::DeviceId,
                                                    Group::Options, Group::Period, Group::Numbers, Group::Strategy,
                                                    Group::Modes,   Group::Texts,  Group::Packets};

using ImageBytes = std::array<uint8_t, kImageSize>;

// The copy the tool keeps from start-up to exit: zeros until the first read.
class ParameterImage {
 public:
  ImageBytes bytes{};

  // Overwrites every field that has a control with the control's value. A
  // hexadecimal packet that is not hexadecimal throws ConversionError and
  // leaves the image as it was.
  void FillFromFields(FieldAccess& fields, Dialogs& dialogs);
  // Shows every field on its controls.
  void SpreadOverFields(FieldAccess& fields, Dialogs& dialogs) const;
};

}  // namespace gx::params
