#include "params/image.h"

#include <algorithm>

#include "engine/fields.h"

namespace gx::params {

namespace {

constexpr bool kShown = true;
constexpr bool kWriteOnly = false;

// The image, by offset. Names are the controls' component names.
// clang-format off
constexpr ImageField kImage[] = {
    {4, 2, Enc::U16, Group::DeviceId, kShown, {"RzEdit4"}},
    {8, 2, Enc::U16, Group::Period, kShown, {"edt72"}},
    {10, 2, Enc::U16, Group::EthCopy, kWriteOnly, {"RzEdit41"}},
    {12, 22, Enc::TextZ, Group::Texts, kShown, {"RzEdit39"}},
    {34, 60, Enc::TextZ, Group::Texts, kShown, {"RzEdit8"}},
    {94, 22, Enc::TextZ, Group::Texts, kShown, {"edt2"}},
    {116, 22, Enc::TextZ, Group::Texts, kShown, {"edt3"}},
    {138, 22, Enc::TextZ, Group::Texts, kShown, {"edt4"}},
    {160, 22, Enc::TextZ, Group::Texts, kShown, {"edt5"}},
    {182, 22, Enc::TextZ, Group::Texts, kShown, {"edt6"}},
    {204, 22, Enc::TextZ, Group::Texts, kShown, {"edt7"}},
    {226, 22, Enc::TextZ, Group::Texts, kShown, {"edt8"}},
    {248, 22, Enc::TextZ, Group::Texts, kShown, {"edt9"}},
    {270, 22, Enc::TextZ, Group::Texts, kShown, {"edt10"}},
    {292, 22, Enc::TextZ, Group::Texts, kShown, {"edt11"}},
    {314, 2, Enc::Flags, Group::Flags, kShown, {"rzchckbx10", "rzchckbx11", "rzchckbx13", "rzchckbx14", "rzchckbx15", "rzchckbx16", "rzchckbx17", "rzchckbx18"}},
    {316, 2, Enc::Flags, Group::Flags, kShown, {"rzchckbx19", "rzchckbx20", "rzchckbx22", "rzchckbx23", "rzchckbx24", "rzchckbx25", "rzchckbx26", "rzchckbx27"}},
    {318, 2, Enc::Flags, Group::Flags, kShown, {"rzchckbx28", "rzchckbx29", "rzchckbx31", "rzchckbx32", "rzchckbx33", "rzchckbx34", "rzchckbx35", "rzchckbx36"}},
    {320, 2, Enc::Flags, Group::Flags, kShown, {"rzchckbx37", "rzchckbx38", "rzchckbx40", "rzchckbx41", "rzchckbx42", "rzchckbx43", "rzchckbx44", "rzchckbx45"}},
    {322, 2, Enc::Flags, Group::Flags, kShown, {"rzchckbx46", "rzchckbx47", "rzchckbx49", "rzchckbx50", "rzchckbx51", "rzchckbx52", "rzchckbx53", "rzchckbx54"}},
    {324, 2, Enc::Flags, Group::Flags, kShown, {"rzchckbx55", "rzchckbx56", "rzchckbx58", "rzchckbx59", "rzchckbx60", "rzchckbx61", "rzchckbx62", "rzchckbx63"}},
    {326, 2, Enc::Flags, Group::Flags, kShown, {"rzchckbx64", "rzchckbx65", "rzchckbx67", "rzchckbx68", "rzchckbx69", "rzchckbx70", "rzchckbx71", "rzchckbx72"}},
    {328, 2, Enc::Flags, Group::Flags, kShown, {"rzchckbx73", "rzchckbx74", "rzchckbx76", "rzchckbx77", "rzchckbx78", "rzchckbx79", "rzchckbx80", "rzchckbx81"}},
    {330, 2, Enc::Flags, Group::Flags, kShown, {"rzchckbx82", "rzchckbx83", "rzchckbx85", "rzchckbx86", "rzchckbx87", "rzchckbx88", "rzchckbx89", "rzchckbx90"}},
    {332, 2, Enc::Flags, Group::Flags, kShown, {"rzchckbx91", "rzchckbx92", "rzchckbx94", "rzchckbx95", "rzchckbx96", "rzchckbx97", "rzchckbx98", "rzchckbx99"}},
    {334, 4, Enc::Timer, Group::Timers, kShown, {"cbb13", "cbb301", "cbb311", "cbb16", "rzchckbx124"}},
    {338, 4, Enc::Timer, Group::Timers, kShown, {"cbb17", "cbb302", "cbb312", "cbb20", "rzchckbx125"}},
    {342, 4, Enc::Timer, Group::Timers, kShown, {"cbb21", "cbb303", "cbb313", "cbb24", "rzchckbx126"}},
    {346, 4, Enc::Timer, Group::Timers, kShown, {"cbb25", "cbb304", "cbb314", "cbb28", "rzchckbx127"}},
    {350, 4, Enc::Timer, Group::Timers, kShown, {"cbb29", "cbb305", "cbb315", "cbb32", "rzchckbx128"}},
    {354, 4, Enc::Timer, Group::Timers, kShown, {"cbb33", "cbb306", "cbb316", "cbb36", "rzchckbx129"}},
    {358, 4, Enc::Timer, Group::Timers, kShown, {"cbb37", "cbb307", "cbb317", "cbb40", "rzchckbx130"}},
    {362, 4, Enc::Timer, Group::Timers, kShown, {"cbb41", "cbb308", "cbb318", "cbb44", "rzchckbx131"}},
    {366, 4, Enc::Timer, Group::Timers, kShown, {"cbb45", "cbb309", "cbb319", "cbb48", "rzchckbx132"}},
    {370, 4, Enc::Timer, Group::Timers, kShown, {"cbb49", "cbb310", "cbb320", "cbb52", "rzchckbx133"}},
    {374, 1, Enc::Mode, Group::Modes, kShown, {"RzComboBox3", "RzComboBox2"}},
    {375, 1, Enc::Mode, Group::Modes, kShown, {"RzComboBox10", "RzComboBox9"}},
    {376, 32, Enc::TextZ, Group::Texts, kShown, {"RzEdit27"}},
    {408, 2, Enc::U16, Group::Numbers, kShown, {"RzEdit26"}},
    {410, 2, Enc::U16, Group::Numbers, kShown, {"RzEdit17"}},
    {412, 2, Enc::U16, Group::Numbers, kShown, {"RzEdit30"}},
    {414, 4, Enc::Octets, Group::Octets, kShown, {"RzEdit64", "RzEdit65", "RzEdit66", "RzEdit67"}},
    {418, 2, Enc::U16, Group::Numbers, kShown, {"RzEdit36"}},
    {420, 4, Enc::Octets, Group::Octets, kShown, {"RzEdit33", "RzEdit37", "RzEdit50", "RzEdit59"}},
    {424, 4, Enc::Octets, Group::Octets, kShown, {"RzEdit60", "RzEdit61", "RzEdit62", "RzEdit63"}},
    {428, 2, Enc::U16, Group::Numbers, kShown, {"edt32"}},
    {430, 2, Enc::U16, Group::Numbers, kShown, {"RzEdit28"}},
    {432, 2, Enc::U16, Group::Numbers, kShown, {"RzEdit40"}},
    {434, 2, Enc::U16, Group::Numbers, kShown, {"edt111"}},
    {436, 40, Enc::TextZ, Group::Texts, kShown, {"RzEdit16"}},
    {476, 40, Enc::TextZ, Group::Texts, kShown, {"RzEdit19"}},
    {516, 40, Enc::TextZ, Group::Texts, kShown, {"RzEdit20"}},
    {556, 52, Enc::Packet, Group::Packets, kShown, {"RzEdit21", "chk1"}},
    {608, 52, Enc::Packet, Group::Packets, kShown, {"RzEdit22", "CheckBox1"}},
    {660, 52, Enc::Packet, Group::Packets, kShown, {"RzEdit23", "CheckBox2"}},
    {712, 52, Enc::Packet, Group::Packets, kShown, {"RzEdit24", "CheckBox3"}},
    {764, 52, Enc::Packet, Group::Packets, kShown, {"RzEdit25", "CheckBox4"}},
    {816, 32, Enc::TextZ, Group::Texts, kShown, {"RzEdit391"}},
    {848, 2, Enc::U16, Group::Numbers, kShown, {"RzEdit47"}},
    {850, 4, Enc::Octets, Group::Octets, kShown, {"RzEdit51", "RzEdit52", "RzEdit53", "RzEdit54"}},
    {854, 4, Enc::Octets, Group::Octets, kShown, {"RzEdit55", "RzEdit56", "RzEdit57", "RzEdit58"}},
    {858, 2, Enc::U16, Group::Numbers, kShown, {"RzEdit18"}},
    {860, 1, Enc::U8, Group::Numbers, kShown, {"RzEdit29"}},
    {861, 1, Enc::U8, Group::Numbers, kWriteOnly, {"RzEdit41"}},
    {862, 1, Enc::Index, Group::Strategy, kShown, {"RzComboBox11"}},
    {863, 1, Enc::U8, Group::Numbers, kShown, {"RzEdit72"}},
    {864, 52, Enc::Packet, Group::Packets, kShown, {"RzEdit38", "CheckBox5"}},
    {916, 52, Enc::Packet, Group::Packets, kShown, {"RzEdit43", "CheckBox6"}},
    {968, 52, Enc::Packet, Group::Packets, kShown, {"RzEdit44", "CheckBox7"}},
    {1020, 52, Enc::Packet, Group::Packets, kShown, {"RzEdit45", "CheckBox8"}},
    {1072, 52, Enc::Packet, Group::Packets, kShown, {"RzEdit46", "CheckBox9"}},
    {1124, 2, Enc::U16, Group::Numbers, kShown, {"RzEdit35"}},
    {1126, 1, Enc::U8, Group::Numbers, kShown, {"RzEdit41"}},
    {1127, 1, Enc::U8, Group::Numbers, kWriteOnly, {"RzEdit41"}},
    {1128, 1, Enc::Index, Group::Strategy, kShown, {"RzComboBox8"}},
    {1129, 1, Enc::Options, Group::Options, kShown, {"RzCheckBox2", "RzCheckBox1", "RzCheckBox6"}},
    {1130, 2, Enc::U16, Group::Numbers, kShown, {"RzEdit42"}},
};
// clang-format on

QString nameOf(const char* n) { return QString::fromLatin1(n); }

void putWord(uint8_t* p, int value) {
  p[0] = uint8_t(value % 256);
  p[1] = uint8_t((value / 256) % 256);
}

void fillField(const ImageField& f, uint8_t* p, FieldAccess& fields, FieldCodec& codec) {
  auto text = [&](int i) { return fields.text(nameOf(f.names[size_t(i)])); };
  switch (f.enc) {
    case Enc::U16:
      putWord(p, StrToIntDef(text(0), 0));
      break;
    case Enc::U8:
      p[0] = uint8_t(StrToIntDef(text(0), 0) % 256);
      break;
    case Enc::Octets:
      for (int i = 0; i < 4; ++i) p[i] = uint8_t(StrToIntDef(text(i), 0xFB) % 256);
      break;
    case Enc::TextZ:
      PackTextZ(text(0), Buffer(p, f.size), f.size - 1);
      break;
    case Enc::Packet:
      codec.PackPacketField(Buffer(p, f.size), nameOf(f.names[0]), nameOf(f.names[1]));
      break;
    case Enc::Flags: {
      FlagBoxes boxes{};
      std::copy_n(f.names.begin(), boxes.size(), boxes.begin());
      putWord(p, codec.PackFlagWord(boxes));
      break;
    }
    case Enc::Timer:
      codec.PackTimer(Buffer(p, 4), {f.names[0], f.names[1], f.names[2], f.names[3], f.names[4]});
      break;
    case Enc::Index:
      p[0] = codec.GetComboIndex(nameOf(f.names[0]));
      break;
    case Enc::Mode:
      p[0] = codec.GetComboIndex(nameOf(f.names[0]));
      if (fields.index(nameOf(f.names[1])) == 1) p[0] |= 0x80;
      break;
    case Enc::Options:
      p[0] = 0;
      for (int bit = 0; bit < 3; ++bit)
        if (fields.checked(nameOf(f.names[size_t(bit)]))) p[0] = uint8_t(p[0] | (1u << bit));
      break;
  }
}

void spreadField(const ImageField& f, const uint8_t* p, FieldAccess& fields, FieldCodec& codec) {
  auto setText = [&](int i, const QString& t) { fields.setText(nameOf(f.names[size_t(i)]), t); };
  switch (f.enc) {
    case Enc::U16:
      setText(0, QString::number(p[0] + 256 * p[1]));
      break;
    case Enc::U8:
      setText(0, QString::number(p[0]));
      break;
    case Enc::Octets:
      for (int i = 0; i < 4; ++i) setText(i, ByteOr251Text(p[i]));
      break;
    case Enc::TextZ:
      setText(0, UnpackTextZ(ConstBuffer(p, f.size), f.size - 1));
      break;
    case Enc::Packet:
      codec.UnpackPacketField(ConstBuffer(p, f.size), nameOf(f.names[0]), nameOf(f.names[1]));
      break;
    case Enc::Flags: {
      FlagBoxes boxes{};
      std::copy_n(f.names.begin(), boxes.size(), boxes.begin());
      codec.UnpackFlagWord(uint16_t(p[0] | (p[1] << 8)), boxes);
      break;
    }
    case Enc::Timer:
      codec.UnpackTimer(ConstBuffer(p, 4), {f.names[0], f.names[1], f.names[2], f.names[3], f.names[4]});
      break;
    case Enc::Index:
      codec.SetComboIndex(nameOf(f.names[0]), p[0]);
      break;
    case Enc::Mode:
      codec.SetComboIndex(nameOf(f.names[0]), p[0] & 0x0F);
      codec.SetComboIndex(nameOf(f.names[1]), 0);
      if (p[0] & 0x80) codec.SetComboIndex(nameOf(f.names[1]), 1);
      break;
    case Enc::Options:
      for (int bit = 0; bit < 3; ++bit) fields.setChecked(nameOf(f.names[size_t(bit)]), false);
      for (int bit = 0; bit < 3; ++bit)
        if (p[0] & (1u << bit)) fields.setChecked(nameOf(f.names[size_t(bit)]), true);
      break;
  }
}

}  // namespace

std::span<const ImageField> imageFields() { return kImage; }

void ParameterImage::FillFromFields(FieldAccess& fields, Dialogs& dialogs) {
  FieldCodec codec(fields, dialogs);
  // Filled on a copy: a conversion error half way must not leave a half-filled image.
  ImageBytes next = bytes;
  for (Group g : kFillOrder)
    for (const ImageField& f : kImage)
      if (f.group == g) fillField(f, next.data() + f.offset, fields, codec);
  bytes = next;
}

void ParameterImage::SpreadOverFields(FieldAccess& fields, Dialogs& dialogs) const {
  FieldCodec codec(fields, dialogs);
  for (Group g : kSpreadOrder)
    for (const ImageField& f : kImage)
      if (f.group == g && f.shown) spreadField(f, bytes.data() + f.offset, fields, codec);
}

}  // namespace gx::params
