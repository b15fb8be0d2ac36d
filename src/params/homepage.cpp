#include "params/homepage.h"

#include <algorithm>

#include "engine/commform.h"
#include "engine/debugcmd.h"
#include "engine/fields.h"

namespace gx {

namespace {

constexpr uint32_t blockAddress(int step) { return uint32_t(step - 1) * params::kImageBlock; }
// Meaningful bytes of a block: 256, and 108 for the last one.
constexpr int blockBytes(int step) {
  return std::min(params::kImageBlock, params::kImageSize - int(blockAddress(step)));
}

}  // namespace

// ---- thomepage_w

thomepage_w::thomepage_w(CommForm& form) : twritecmd(form) { total_ = params::kImageSteps; }

void thomepage_w::Send() {
  stepAccepted_ = 0;
  if (running_ && step_ == 0) {
    // Gathering the pages can fail on a packet that is not hexadecimal:
    // then nothing is sent, the user sees why, and the window is released.
    if (!params::ShowConversionErrors(form_.dialogs, [this] { image.FillFromFields(form_.fields, form_.dialogs); })) {
      Abandon();
      return;
    }
    writeBuffer_ = image.bytes;
  }
  twritecmd::Send();
}

void thomepage_w::BuildRequest() {
  ClearData();
  SetAddress(blockAddress(step_));
  const int from = int(blockAddress(step_));
  const int n = blockBytes(step_);
  if (n > 0) std::copy_n(writeBuffer_.begin() + from, n, frame_.data.begin());
  frame_.setLength(256);
  twritecmd::BuildRequest();
}

void thomepage_w::OnAnswer() {
  twritecmd::OnAnswer();
  if (!commandAccepted_ || !AcceptStep()) return;
  stepAccepted_ = 1;
  // The gateway's verdict on the block; the transfer goes on either way.
  form_.showinf.ShowProgress(QStringLiteral("write receive"), step_,
                             rx_.at(9) == 1 ? QStringLiteral("normal") : QStringLiteral("error"), total_);
}

void thomepage_w::OnTimeout() {
  form_.fields.setText(QStringLiteral("rzstspn3"), QStringLiteral("time out_cmd_write step:") + StepText());
  twritecmd::OnTimeout();
}

// ---- thomepage_r

thomepage_r::thomepage_r(CommForm& form) : treadcmd(form) { total_ = params::kImageSteps; }

void thomepage_r::Send() {
  stepAccepted_ = 0;
  treadcmd::Send();
}

void thomepage_r::BuildRequest() {
  SetAddress(blockAddress(step_));
  frame_.setLength(0);
  treadcmd::BuildRequest();
}

void thomepage_r::OnAnswer() {
  treadcmd::OnAnswer();
  if (!commandAccepted_ || !AcceptStep()) return;
  stepAccepted_ = 1;
  if (step_ == 1) readBuffer_.fill(0);
  const int from = int(blockAddress(step_));
  // Only the bytes the answer carries: a short answer must not bring in
  // what an earlier answer left in the response copy.
  const int carried = rx_.at(7) * 256 + rx_.at(8);
  const int n = std::min({blockBytes(step_), carried, kBufferSize - 8});
  for (int k = 1; k <= n; ++k) readBuffer_[size_t(from + k - 1)] = rx_.at(8 + k);
  if (step_ == total_) {
    ParameterImageOf(form_).bytes = readBuffer_;
    ParameterImageOf(form_).SpreadOverFields(form_.fields, form_.dialogs);
  }
}

void thomepage_r::OnTimeout() {
  form_.fields.setText(QStringLiteral("rzstspn3"), QStringLiteral("time out_cmd_read step:") + StepText());
  treadcmd::OnTimeout();
}

params::ParameterImage& ParameterImageOf(CommForm& comm) { return comm.homepage_w->image; }

// ---- the reset of the parameter pages

namespace {

enum class Reset : uint8_t { Empty, Untick, First };

// One name, or the names prefix + from ... prefix + to.
struct ResetRun {
  Reset what;
  const char* name;
  int from = -1;
  int to = -1;
};

constexpr ResetRun kReset[] = {
    // Basic settings.
    {Reset::Empty, "RzEdit2"},
    {Reset::Empty, "RzEdit4"},
    {Reset::Empty, "RzEdit8"},
    {Reset::Empty, "RzEdit10"},
    {Reset::Empty, "edt72"},
    {Reset::Untick, "RzCheckBox1"},
    {Reset::Untick, "RzCheckBox3"},
    {Reset::Untick, "rzchckbx2"},
    {Reset::Untick, "rzchckbx115"},
    {Reset::Untick, "RzCheckBox2"},
    // Numbers, their event boxes and the select-all boxes.
    {Reset::Empty, "edt", 2, 11},
    {Reset::Untick, "rzchckbx", 10, 99},
    {Reset::Untick, "rzchckbx", 3, 9},
    {Reset::Untick, "rzchckbx", 112, 114},
    // Relays.
    {Reset::Empty, "edt40"},
    {Reset::Empty, "edt41"},
    {Reset::Untick, "rzchckbx120"},
    {Reset::Empty, "edt38"},
    {Reset::Empty, "edt39"},
    {Reset::Empty, "edt45"},
    {Reset::Empty, "edt44"},
    {Reset::Untick, "rzchckbx121"},
    {Reset::Empty, "edt47"},
    {Reset::Empty, "edt46"},
    // Inputs and the serial port.
    {Reset::First, "cbb", 1, 4},
    {Reset::Empty, "edt16"},
    {Reset::First, "cbb109"},
    {Reset::First, "cbb110"},
    {Reset::First, "cbb111"},
    {Reset::First, "cbb5"},
    {Reset::Empty, "edt17"},
    {Reset::Empty, "edt18"},
    {Reset::Empty, "edt19"},
    {Reset::Empty, "edt", 12, 15},
    {Reset::Empty, "edt", 20, 26},
    // Timers: hours, minutes, then weeks and actions (the enable boxes stay).
    {Reset::First, "cbb", 301, 310},
    {Reset::First, "cbb", 311, 320},
    {Reset::Empty, "edt27"},
    {Reset::First, "cbb13"},
    {Reset::First, "cbb16"},
    {Reset::First, "cbb17"},
    {Reset::First, "cbb20"},
    {Reset::First, "cbb21"},
    {Reset::First, "cbb24"},
    {Reset::First, "cbb25"},
    {Reset::First, "cbb28"},
    {Reset::First, "cbb29"},
    {Reset::First, "cbb32"},
    {Reset::First, "cbb33"},
    {Reset::First, "cbb36"},
    {Reset::First, "cbb37"},
    {Reset::First, "cbb40"},
    {Reset::First, "cbb41"},
    {Reset::First, "cbb44"},
    {Reset::First, "cbb45"},
    {Reset::First, "cbb48"},
    {Reset::First, "cbb49"},
    {Reset::First, "cbb52"},
    // The second cellular and Ethernet sets.
    {Reset::First, "cbb103"},
    {Reset::First, "cbb14"},
    {Reset::First, "cbb106"},
    {Reset::First, "cbb5"},
    {Reset::First, "cbb112"},
    {Reset::First, "cbb6"},
    {Reset::First, "RzComboBox2"},
    {Reset::Empty, "edt51"},
    {Reset::Empty, "edt52"},
    {Reset::Empty, "edt43"},
    {Reset::Empty, "edt48"},
    {Reset::Empty, "edt94"},
    {Reset::Empty, "edt42"},
    {Reset::Empty, "edt49"},
    {Reset::Empty, "edt50"},
    {Reset::Empty, "edt", 53, 56},
    {Reset::Empty, "edt57"},
    {Reset::Empty, "edt58"},
    {Reset::Empty, "edt37"},
    {Reset::Empty, "edt36"},
    {Reset::Empty, "edt35"},
    {Reset::Empty, "edt1"},
    // Input recovery and relay links.
    {Reset::Untick, "rzchckbx", 100, 111},
};

// Fields after the temperature/humidity rows.
constexpr ResetRun kResetLast[] = {
    {Reset::Empty, "edt59"},  {Reset::Empty, "edt67"},  {Reset::Empty, "edt29"},        {Reset::Empty, "edt30"},
    {Reset::Empty, "edt109"}, {Reset::Empty, "edt111"}, {Reset::First, "RzComboBox12"}, {Reset::First, "RzComboBox9"},
};

void apply(FieldAccess& f, Reset what, const QString& name) {
  switch (what) {
    case Reset::Empty:
      f.setText(name, QString());
      break;
    case Reset::Untick:
      f.setChecked(name, false);
      break;
    case Reset::First:
      f.setIndex(name, 0);
      break;
  }
}

void run(FieldAccess& f, std::span<const ResetRun> runs) {
  for (const ResetRun& r : runs) {
    const QString name = QString::fromLatin1(r.name);
    if (r.from < 0) {
      apply(f, r.what, name);
      continue;
    }
    for (int i = r.from; i <= r.to; ++i) apply(f, r.what, name + QString::number(i));
  }
}

// Both rows of the temperature/humidity grid; the current value only when asked.
void resetTemperatureRows(FieldAccess& f, bool currentToo) {
  const QString grid = QStringLiteral("tb_temp");
  const QVariant empty(QStringLiteral("")), zero(0), off(false);
  for (int row = 0; row < 2; ++row) {
    for (const char* c : {"tb_col_name", "tb_col_alarm", "tb_col_hsms", "tb_col_lsms", "tb_col_rsms"})
      f.setCell(grid, row, QString::fromLatin1(c), empty);
    for (const char* c : {"tb_col_highlimit", "tb_col_lowlimit"}) f.setCell(grid, row, QString::fromLatin1(c), zero);
    for (const char* c : {"tb_col_relay1", "tb_col_relay2", "tb_col_recover", "tb_col_enable"})
      f.setCell(grid, row, QString::fromLatin1(c), off);
    if (currentToo) f.setCell(grid, row, QStringLiteral("tb_col_current"), empty);
  }
}

}  // namespace

void ResetParameterFields(FieldAccess& fields) {
  run(fields, kReset);
  resetTemperatureRows(fields, false);
  run(fields, kResetLast);
}

// ---- the workflows

void ReadGatewaySettings(CommForm& comm) {
  if (!DebugGatePasses(comm)) return;
  comm.LockUi();
  ResetParameterFields(comm.fields);
  resetTemperatureRows(comm.fields, true);
  comm.homepage_r->StartTransfer();
}

void WriteGatewaySettings(CommForm& comm) {
  if (!DebugGatePasses(comm)) return;
  comm.LockUi();
  comm.homepage_w->StartTransfer();
  comm.fields.setEnabled(QStringLiteral("edt67"), comm.fields.index(QStringLiteral("cbb116")) == 1);
}

}  // namespace gx
