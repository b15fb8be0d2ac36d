// Reading and writing the gateway parameters: the five-step transfers, their
// progress, verification stops and time-outs, the page reset and the gate.
#include <QTest>

#include "engine/commform.h"
#include "engine/debugcmd.h"
#include "engine/virtualclock.h"
#include "link/opencom.h"
#include "params/homepage.h"
#include "sim/gateway.h"
#include "sim/simline.h"
#include "support/memoryfields.h"

using namespace gx;

namespace {

QByteArray hx(const char* text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }

// Memory fields that also keep every position the progress bar was given.
class ProgressFields final : public FieldAccess {
 public:
  test::MemoryFields m;
  std::vector<int> pb1;

  QString text(const QString& n) const override { return m.text(n); }
  void setText(const QString& n, const QString& t) override { m.setText(n, t); }
  void setEnabled(const QString& n, bool on) override { m.setEnabled(n, on); }
  void setFill(const QString& n, uint32_t rgb) override { m.setFill(n, rgb); }
  void setValue(const QString& n, int v) override {
    if (n == QLatin1String("pb1")) pb1.push_back(v);
    m.setValue(n, v);
  }
  void setItems(const QString& n, const QStringList& items, int sel) override { m.setItems(n, items, sel); }
  int itemCount(const QString& n) const override { return m.itemCount(n); }
  void addItem(const QString& n, const QString& t) override { m.addItem(n, t); }
  void clearItems(const QString& n) override { m.clearItems(n); }
  void scrollToLast(const QString& n) override { m.scrollToLast(n); }
  bool checked(const QString& n) const override { return m.checked(n); }
  void setChecked(const QString& n, bool on) override { m.setChecked(n, on); }
  int index(const QString& n) const override { return m.index(n); }
  void setIndex(const QString& n, int i) override { m.setIndex(n, i); }
  QDate date(const QString& n) const override { return m.date(n); }
  void setDate(const QString& n, const QDate& d) override { m.setDate(n, d); }
  QTime time(const QString& n) const override { return m.time(n); }
  void setTime(const QString& n, const QTime& t) override { m.setTime(n, t); }
  void setVisible(const QString& n, bool on) override { m.setVisible(n, on); }
  int rowCount(const QString& g) const override { return m.rowCount(g); }
  QVariant cell(const QString& g, int r, const QString& c) const override { return m.cell(g, r, c); }
  void setCell(const QString& g, int r, const QString& c, const QVariant& v) override { m.setCell(g, r, c, v); }
};

// The engine on virtual time; the device is either the script (manual) or
// the built-in gateway.
struct Rig {
  explicit Rig(bool withGateway = false) : line(clock, withGateway ? &gateway : nullptr) {}
  VirtualClock clock;
  ProgressFields fields;
  test::RecordingDialogs dialogs;
  Captions captions;
  sim::Gateway gateway;
  sim::SimLine line;
  CommForm form{fields, dialogs, captions, clock, line};

  void openPort() {
    fields.m.texts["cbb114"] = QStringLiteral("sim0");
    form.opencom->TogglePort();
  }
  QByteArray takeSent() {
    if (line.written.empty()) return {};
    QByteArray b = line.written.front();
    line.written.pop_front();
    return b;
  }
  bool buttons(bool on) const {
    for (const char* n : transactionButtons())
      if (fields.m.enabled.value(QString::fromLatin1(n), true) != on) return false;
    return true;
  }
  QString pane(const char* name) const { return fields.m.texts.value(QString::fromLatin1(name)); }
};

QByteArray imageBytes(const params::ImageBytes& b, int from, int n) {
  return QByteArray(reinterpret_cast<const char*>(b.data()) + from, n);
}

// A parameter image as a gateway might hold it.
params::ImageBytes sampleImage() {
  params::ImageBytes img{};
  for (int i = 0; i < params::kImageSize; ++i) img[size_t(i)] = uint8_t((i * 7 + 3) % 251);
  img[4] = 0x39;  // device ID 12345
  img[5] = 0x30;
  const QByteArray description("north pump house");
  for (int i = 0; i < 60; ++i) img[size_t(34 + i)] = i < description.size() ? uint8_t(description[i]) : 0;
  return img;
}

}  // namespace

class TstHomepage : public QObject {
  Q_OBJECT
 private slots:
  void writeSendsFiveBlocksOneAtATime() {
    Rig r;
    r.openPort();
    r.fields.m.texts["RzEdit4"] = "4660";  // 0x1234 at offset 4
    r.fields.m.texts["RzEdit42"] = "513";  // 0x0201 at the last offset, 1130
    r.fields.m.texts["RzEdit8"] = "pump";
    WriteGatewaySettings(r.form);
    QVERIFY(r.buttons(false));
    const params::ImageBytes& image = ParameterImageOf(r.form).bytes;
    for (int step = 1; step <= 5; ++step) {
      const uint32_t address = uint32_t(step - 1) * 256;
      const QByteArray sent = r.takeSent();
      QCOMPARE(sent.size(), 265);
      QVERIFY(frameCheckOk(sent));
      QCOMPARE(sent.left(8), buildFrame(0x82, address, QByteArray(256, '\0')).left(8));
      const int meaningful = step < 5 ? 256 : 108;
      QCOMPARE(sent.mid(8, meaningful), imageBytes(image, int(address), meaningful));
      QCOMPARE(sent.mid(8 + meaningful, 256 - meaningful), QByteArray(256 - meaningful, char(0xFF)));
      QVERIFY(r.line.written.empty());  // one block at a time
      QCOMPARE(r.pane("rzmrqsts1"), QStringLiteral("%1/5").arg(step));
      QCOMPARE(r.form.lbl1, QStringLiteral("%1/5").arg(step));
      r.line.inject(buildFrame(0x82, address, hx("01")));
      QCOMPARE(r.pane("rzstspn2"), QStringLiteral("courses:write receive process:%1/5 status:normal").arg(step));
    }
    QVERIFY(r.line.written.empty());
    QCOMPARE(r.dialogs.take(), QStringLiteral("box:    Success!   "));
    QVERIFY(r.dialogs.shown.empty());
    // Each step shows its progress twice (acceptance, then the gateway's verdict).
    QCOMPARE(r.fields.pb1, (std::vector<int>{20, 20, 40, 40, 60, 60, 80, 80, 100, 100, 0}));
    QVERIFY(r.buttons(true));
    // Nothing read yet: the bytes no control writes go out as zeros.
    QCOMPARE(imageBytes(image, 0, 8), hx("00000000 3412 0000"));
    QCOMPARE(imageBytes(image, 1130, 2), hx("0102"));
    QCOMPARE(imageBytes(image, 34, 5), QByteArray("pump\0", 5));
    // An answer after the end is nobody's.
    r.line.inject(buildFrame(0x82, 0, hx("01")));
    QVERIFY(r.dialogs.shown.empty());
    r.clock.advanceMs(3000);
    QVERIFY(r.dialogs.shown.empty());
  }

  void writeRefusedBlockStillContinues() {
    Rig r;
    r.openPort();
    WriteGatewaySettings(r.form);
    for (int step = 1; step <= 5; ++step) {
      r.takeSent();
      r.line.inject(buildFrame(0x82, uint32_t(step - 1) * 256, step == 2 ? hx("00") : hx("01")));
      if (step == 2) {
        QCOMPARE(r.pane("rzstspn2"), QStringLiteral("courses:write receive process:2/5 status:error"));
        QCOMPARE(r.line.written.size(), size_t(1));  // step 3 is on its way
      }
    }
    QCOMPARE(r.dialogs.take(), QStringLiteral("box:    Success!   "));
  }

  void readStoresAndSpreadsTheImage() {
    Rig r;
    r.openPort();
    const params::ImageBytes img = sampleImage();
    ReadGatewaySettings(r.form);
    for (int step = 1; step <= 5; ++step) {
      const uint32_t address = uint32_t(step - 1) * 256;
      QCOMPARE(r.takeSent(), buildFrame(0x83, address, {}));
      // The gateway always answers 256 bytes; beyond the image they mean nothing.
      QByteArray block = imageBytes(img, int(address), step < 5 ? 256 : 108);
      block += QByteArray(256 - block.size(), char(0x77));
      r.line.inject(buildFrame(0x83, address, block));
      if (step < 5) QCOMPARE(ParameterImageOf(r.form).bytes, params::ImageBytes{});  // only a complete read counts
    }
    QCOMPARE(r.pane("rzstspn2"), QStringLiteral("readcmd step:5/5 normal"));
    QCOMPARE(r.fields.pb1, (std::vector<int>{20, 40, 60, 80, 100, 0}));
    QCOMPARE(r.dialogs.take(), QStringLiteral("box:    Success!   "));
    QVERIFY(r.buttons(true));
    QCOMPARE(ParameterImageOf(r.form).bytes, img);
    QCOMPARE(r.fields.m.texts.value("RzEdit4"), QStringLiteral("12345"));
    QCOMPARE(r.fields.m.texts.value("RzEdit8"), QStringLiteral("north pump house"));
  }

  void readRequestOfTheSecondBlock() {
    Rig r;
    r.openPort();
    ReadGatewaySettings(r.form);
    r.takeSent();
    r.line.inject(buildFrame(0x83, 0, QByteArray(256, '\0')));
    QCOMPARE(r.takeSent(), hx("23 83 00 00 01 00 00 00 82"));
  }

  void timeouts_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("silentAt");
    QTest::addColumn<QString>("status");
    QTest::newRow("read, step 1") << false << 1 << "time out_cmd_read step:1/5";
    QTest::newRow("read, step 3") << false << 3 << "time out_cmd_read step:3/5";
    QTest::newRow("write, step 3") << true << 3 << "time out_cmd_write step:3/5";
    QTest::newRow("write, step 5") << true << 5 << "time out_cmd_write step:5/5";
  }
  void timeouts() {
    QFETCH(bool, write);
    QFETCH(int, silentAt);
    QFETCH(QString, status);
    Rig r;
    r.openPort();
    ParameterImageOf(r.form).bytes = sampleImage();
    r.fields.m.texts["RzEdit4"] = "5";
    write ? WriteGatewaySettings(r.form) : ReadGatewaySettings(r.form);
    const params::ImageBytes before = ParameterImageOf(r.form).bytes;
    for (int step = 1; step < silentAt; ++step) {
      r.takeSent();
      r.line.inject(
          buildFrame(write ? 0x82 : 0x83, uint32_t(step - 1) * 256, write ? hx("01") : QByteArray(256, '\0')));
    }
    QCOMPARE(r.line.written.size(), size_t(1));
    r.clock.advanceMs(1999);
    QVERIFY(r.dialogs.shown.empty());
    r.clock.advanceMs(1);
    QCOMPARE(r.pane("rzstspn3"), status);
    QCOMPARE(r.dialogs.take(), QStringLiteral("box:    timeout!   "));
    QVERIFY(r.buttons(true));
    r.takeSent();
    // The abandoned transfer sends nothing more, and a late answer is ignored.
    r.line.inject(buildFrame(write ? 0x82 : 0x83, uint32_t(silentAt - 1) * 256, hx("01")));
    r.clock.advanceMs(5000);
    QVERIFY(r.line.written.empty());
    QVERIFY(r.dialogs.shown.empty());
    // A read abandoned leaves the pages reset and the image as it was.
    QCOMPARE(ParameterImageOf(r.form).bytes, before);
    if (!write) QCOMPARE(r.fields.m.texts.value("RzEdit4"), QString());
  }

  void stops_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<QByteArray>("answer");  // the answer to step 3
    QTest::addColumn<QString>("status");     // rzstspn2 afterwards
    QByteArray badCheck = buildFrame(0x83, 512, QByteArray(256, '\0'));
    badCheck[badCheck.size() - 1] = char(badCheck.back() ^ 0x01);
    QTest::newRow("read, other address") << false << buildFrame(0x83, 768, QByteArray(256, '\0'))
                                         << "readcmd step:3/5 cmd add error";
    QTest::newRow("read, other command") << false << buildFrame(0x82, 512, hx("01"))
                                         << "readcmd step:3/5 cmd verify error";
    QTest::newRow("read, check byte wrong") << false << badCheck << "receive sum error";
    QTest::newRow("write, other address")
        << true << buildFrame(0x82, 0x10200, hx("01")) << "writecmd step:3/5 cmd add error";
    // A write answer with another command changes no status: the step 2 one stays.
    QTest::newRow("write, other command")
        << true << buildFrame(0x83, 512, hx("01")) << "courses:write receive process:2/5 status:normal";
  }
  void stops() {
    QFETCH(bool, write);
    QFETCH(QByteArray, answer);
    QFETCH(QString, status);
    Rig r;
    r.openPort();
    write ? WriteGatewaySettings(r.form) : ReadGatewaySettings(r.form);
    for (int step = 1; step <= 2; ++step) {
      r.takeSent();
      r.line.inject(
          buildFrame(write ? 0x82 : 0x83, uint32_t(step - 1) * 256, write ? hx("01") : QByteArray(256, '\0')));
    }
    r.takeSent();
    r.line.inject(answer);
    QCOMPARE(r.pane("rzstspn2"), status);
    QCOMPARE(r.pane("rzstspn3"), QStringLiteral("transfer stopped at step 3/5"));
    QVERIFY(r.buttons(true));
    QVERIFY(r.line.written.empty());
    r.clock.advanceMs(5000);
    QVERIFY(r.dialogs.shown.empty());  // neither a time-out nor a success
    QVERIFY(r.line.written.empty());
    // The next transfer starts again at step 1.
    write ? WriteGatewaySettings(r.form) : ReadGatewaySettings(r.form);
    QCOMPARE(r.takeSent().mid(2, 4), hx("00000000"));
  }

  void portClosed_data() {
    QTest::addColumn<bool>("write");
    QTest::newRow("read") << false;
    QTest::newRow("write") << true;
  }
  void portClosed() {
    QFETCH(bool, write);
    Rig r;
    r.fields.m.texts["RzEdit4"] = "9";
    write ? WriteGatewaySettings(r.form) : ReadGatewaySettings(r.form);
    QCOMPARE(r.dialogs.take(), QStringLiteral("box:Com Port Open Failure"));
    QVERIFY(r.line.written.empty());
    QVERIFY(r.buttons(true));
    // A read resets the pages before it finds the port closed.
    QCOMPARE(r.fields.m.texts.value("RzEdit4"), write ? QStringLiteral("9") : QString());
  }

  // The port goes away during a read: the read ends in its time-out, the
  // pages stay reset and the image keeps what it had.
  void portLostDuringRead() {
    Rig r(true);
    r.openPort();
    ParameterImageOf(r.form).bytes = sampleImage();
    r.fields.m.texts["RzEdit4"] = "9";
    ReadGatewaySettings(r.form);
    r.clock.advanceMs(30);  // block 1 is in, block 2 is on its way
    r.line.unplug();
    QCOMPARE(r.dialogs.take(), QStringLiteral("error:") + r.captions(Txt::MsgPortLost));
    // Block 2 had begun to arrive, so the time-out runs from the flush of the
    // broken frame, up to two flush periods later.
    r.clock.advanceMs(1599);
    QVERIFY(r.dialogs.shown.empty());
    r.clock.advanceMs(2400);
    QCOMPARE(r.pane("rzstspn3"), QStringLiteral("time out_cmd_read step:2/5"));
    QCOMPARE(r.dialogs.take(), QStringLiteral("box:    timeout!   "));
    QVERIFY(r.buttons(true));
    QCOMPARE(ParameterImageOf(r.form).bytes, sampleImage());
    QCOMPARE(r.fields.m.texts.value("RzEdit4"), QString());
    // Reading again with the port gone: the closed-port report.
    ReadGatewaySettings(r.form);
    QCOMPARE(r.dialogs.take(), QStringLiteral("box:Com Port Open Failure"));
  }

  void badHexPacketSendsNothing() {
    Rig r;
    r.openPort();
    r.fields.m.checks["CheckBox3"] = true;
    r.fields.m.texts["RzEdit24"] = "41 4G";
    ParameterImageOf(r.form).bytes = sampleImage();
    WriteGatewaySettings(r.form);
    QCOMPARE(r.dialogs.take(), QStringLiteral("error:'41 4G' is not a valid hexadecimal value"));
    QVERIFY(r.line.written.empty());
    QVERIFY(r.buttons(true));
    QCOMPARE(ParameterImageOf(r.form).bytes, sampleImage());
    r.clock.advanceMs(5000);
    QVERIFY(r.dialogs.shown.empty());  // no time-out follows
    // Mended, the write goes through.
    r.fields.m.texts["RzEdit24"] = "41 4B";
    WriteGatewaySettings(r.form);
    QCOMPARE(r.takeSent().size(), 265);
  }

  void debugMonitorOnRefuses_data() {
    QTest::addColumn<bool>("write");
    QTest::newRow("read") << false;
    QTest::newRow("write") << true;
  }
  void debugMonitorOnRefuses() {
    QFETCH(bool, write);
    Rig r;
    r.openPort();
    r.fields.m.texts["RzEdit4"] = "9";
    r.form.debugcmd->Switch(tdebugcmd::kGprs, true);
    r.takeSent();
    write ? WriteGatewaySettings(r.form) : ReadGatewaySettings(r.form);
    QCOMPARE(r.dialogs.take(), QStringLiteral("dialog:") + r.captions(Txt::MsgStopMonitor) + QStringLiteral(":GPRS"));
    QVERIFY(r.line.written.empty());
    QVERIFY(r.buttons(true));
    QCOMPARE(r.fields.m.texts.value("RzEdit4"), QStringLiteral("9"));
  }

  void writeEnablesEdt67WithCbb116() {
    Rig r;
    r.openPort();
    r.fields.m.indexes["cbb116"] = 1;
    WriteGatewaySettings(r.form);
    QCOMPARE(r.fields.m.enabled.value("edt67"), true);
    r.clock.advanceMs(2000);
    r.fields.m.indexes["cbb116"] = 0;
    WriteGatewaySettings(r.form);
    QCOMPARE(r.fields.m.enabled.value("edt67"), false);
  }

  // The fields the reset covers, and some it must leave alone.
  void reset_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("kind");  // text, check, combo
    QTest::addColumn<bool>("reset");
    for (const char* f :
         {"RzEdit2", "RzEdit4", "RzEdit8", "RzEdit10", "edt72", "edt2",  "edt11", "edt40", "edt41",  "edt38", "edt39",
          "edt45",   "edt44",   "edt47",   "edt46",    "edt16", "edt12", "edt15", "edt20", "edt26",  "edt27", "edt51",
          "edt52",   "edt43",   "edt48",   "edt94",    "edt42", "edt49", "edt50", "edt53", "edt56",  "edt57", "edt58",
          "edt37",   "edt36",   "edt35",   "edt1",     "edt59", "edt67", "edt29", "edt30", "edt109", "edt111"})
      QTest::addRow("%s emptied", f) << f << "text" << true;
    for (const char* f : {"RzCheckBox1", "RzCheckBox3", "rzchckbx2", "rzchckbx115", "RzCheckBox2", "rzchckbx10",
                          "rzchckbx99", "rzchckbx3", "rzchckbx9", "rzchckbx112", "rzchckbx114", "rzchckbx120",
                          "rzchckbx121", "rzchckbx100", "rzchckbx111"})
      QTest::addRow("%s unticked", f) << f << "check" << true;
    for (const char* f : {"cbb1",   "cbb4",   "cbb109", "cbb110",      "cbb111",       "cbb5",       "cbb301",
                          "cbb320", "cbb13",  "cbb16",  "cbb49",       "cbb52",        "cbb103",     "cbb14",
                          "cbb106", "cbb112", "cbb6",   "RzComboBox2", "RzComboBox12", "RzComboBox9"})
      QTest::addRow("%s first item", f) << f << "combo" << true;
    for (const char* f : {"RzEdit16", "RzEdit27", "edt32", "RzEdit41", "RzEdit21", "edt28"})
      QTest::addRow("%s kept", f) << f << "text" << false;
    for (const char* f : {"rzchckbx124", "rzchckbx133", "rzchckbx1", "rzchckbx116", "chk1"})
      QTest::addRow("%s kept", f) << f << "check" << false;
    for (const char* f : {"RzComboBox3", "RzComboBox10", "RzComboBox11", "cbb107", "cbb108"})
      QTest::addRow("%s kept", f) << f << "combo" << false;
  }
  void reset() {
    QFETCH(QString, field);
    QFETCH(QString, kind);
    QFETCH(bool, reset);
    test::MemoryFields f;
    f.texts[field] = "x";
    f.checks[field] = true;
    f.indexes[field] = 2;
    ResetParameterFields(f);
    if (kind == "text") QCOMPARE(f.texts.value(field), reset ? QString() : QStringLiteral("x"));
    if (kind == "check") QCOMPARE(f.checks.value(field), !reset);
    if (kind == "combo") QCOMPARE(f.indexes.value(field), reset ? 0 : 2);
  }
  void resetTemperatureRows() {
    test::MemoryFields f;
    for (int row = 0; row < 2; ++row) {
      for (const char* c : {"tb_col_name", "tb_col_alarm", "tb_col_hsms", "tb_col_lsms", "tb_col_rsms",
                            "tb_col_highlimit", "tb_col_lowlimit", "tb_col_current"})
        f.setCell("tb_temp", row, c, QStringLiteral("7"));
      for (const char* c : {"tb_col_relay1", "tb_col_relay2", "tb_col_recover", "tb_col_enable"})
        f.setCell("tb_temp", row, c, true);
    }
    ResetParameterFields(f);
    for (int row = 0; row < 2; ++row) {
      QCOMPARE(f.cell("tb_temp", row, "tb_col_name").toString(), QString());
      QVERIFY(f.cell("tb_temp", row, "tb_col_name").isValid());
      QCOMPARE(f.cell("tb_temp", row, "tb_col_rsms").toString(), QString());
      QCOMPARE(f.cell("tb_temp", row, "tb_col_highlimit").toString(), QStringLiteral("0"));
      QCOMPARE(f.cell("tb_temp", row, "tb_col_lowlimit").toString(), QStringLiteral("0"));
      QCOMPARE(f.cell("tb_temp", row, "tb_col_enable"), QVariant(false));
      QCOMPARE(f.cell("tb_temp", row, "tb_col_relay2"), QVariant(false));
      QCOMPARE(f.cell("tb_temp", row, "tb_col_current").toString(), QStringLiteral("7"));  // a profile load keeps it
    }
  }
  void readEmptiesCurrentValues() {
    Rig r;
    r.fields.m.setCell("tb_temp", 1, "tb_col_current", QStringLiteral("25.3"));
    ReadGatewaySettings(r.form);
    QCOMPARE(r.fields.m.cell("tb_temp", 1, "tb_col_current").toString(), QString());
  }

  // Against the built-in gateway: what was read is what is written back.
  void readThenWriteWithTheGateway() {
    Rig r(true);
    r.openPort();
    // The combos with their item counts, as the window has them.
    auto combo = [&r](const QString& name, int items) { r.fields.m.lists[name] = QStringList(items, "item"); };
    for (int t = 1; t <= 10; ++t) {
      combo(QStringLiteral("cbb%1").arg(9 + 4 * t), 8);
      combo(QStringLiteral("cbb%1").arg(300 + t), 24);
      combo(QStringLiteral("cbb%1").arg(310 + t), 60);
      combo(QStringLiteral("cbb%1").arg(12 + 4 * t), 3);
    }
    for (const char* c : {"RzComboBox3", "RzComboBox2", "RzComboBox10", "RzComboBox9"}) combo(c, 2);
    for (const char* c : {"RzComboBox11", "RzComboBox8"}) combo(c, 3);
    const QByteArray before = r.gateway.read(0, params::kImageSize);
    ReadGatewaySettings(r.form);
    r.clock.advanceMs(1000);
    QCOMPARE(r.dialogs.take(), QStringLiteral("box:    Success!   "));
    QCOMPARE(imageBytes(ParameterImageOf(r.form).bytes, 0, params::kImageSize), before);
    r.gateway.write(0, QByteArray(params::kImageSize, char(0x11)));
    WriteGatewaySettings(r.form);
    r.clock.advanceMs(1000);
    QCOMPARE(r.dialogs.take(), QStringLiteral("box:    Success!   "));
    const QByteArray after = r.gateway.read(0, params::kImageSize);
    for (int i = 0; i < after.size(); ++i)
      QVERIFY2(after[i] == before[i], qPrintable(QStringLiteral("offset %1: read %2, written %3")
                                                     .arg(i)
                                                     .arg(uchar(before[i]), 2, 16, QLatin1Char('0'))
                                                     .arg(uchar(after[i]), 2, 16, QLatin1Char('0'))));
  }
};

QTEST_GUILESS_MAIN(TstHomepage)
#include "tst_homepage.moc"
