#include "profiles/xmlc.h"

#include <QTime>

#include "engine/fields.h"
#include "link/codepage.h"
#include "params/codec.h"

namespace gx::profiles {

namespace {

// One row of the key table. A run repeats the row for n = 1 .. runTo, with
// "%1" in the key standing for n and "%1" in the field for base + step * n.
// A block of rows runs together: for each n, every row of the block.
struct KeyRow {
  const char* key;
  Form form;
  const char* field = "";
  int runTo = 0;
  int base = 0;
  int step = 0;
  int row = 0;
  int block = 1;
  bool saveOnly = false;
};

// Columns: key, form, field, runTo, base, step, row, block, saveOnly.
constexpr KeyRow kKeyRows[] = {
    {"1-1-password", Form::Text, "RzEdit68"},
    {"1-2-DeviceId", Form::Text, "RzEdit4"},
    {"1-3-SmsReportHour", Form::Text, "edt70"},
    {"grp5", Form::Group},
    {"rzgrpbx10", Form::Group},
    {"RzGroupBox6", Form::Group},
    {"RzGroupBox5", Form::Group},
    {"1-5-SmsReportInterMin", Form::Text, "edt72"},
    {"1-7-LocalPhone", Form::Text, "RzEdit2", 0, 0, 0, 0, 1, true},
    {"1-8-DeviceName", Form::Text, "RzEdit8"},
    {"1-9-AutoArmAfterPwrOn", Form::Flag, "RzCheckBox1"},
    {"1-10-AutoArmAfterDisarm", Form::Flag, "RzCheckBox3"},
    {"1-11-ArmMin", Form::Text, "RzEdit10"},
    {"1-12-ReportAttr", Form::Text, "RzEdit2", 0, 0, 0, 0, 1, true},
    {"1-13-AlarmAttr", Form::Text, "RzEdit2", 0, 0, 0, 0, 1, true},
    {"2-1-%1-Alarmno", Form::Text, "edt%1", 10, 1, 1},
    {"1_time_hour", Form::Hour, "edt70"},
    {"1_time_min", Form::Minute, "edt70"},
    {"2-2-%1-AlarmnoAttrib", Form::EventBits, "", 10},
    {"3-1-1-name", Form::Text, "edt40"},
    {"3-1-2-OnTime", Form::Text, "edt41"},
    {"3-1-3-type", Form::LinkFlag, "rzchckbx120"},
    {"3-1-5-RelayOnSms", Form::Text, "edt38"},
    {"3-1-6-RelayOffSms", Form::Text, "edt39"},
    {"3-2-1-name", Form::Text, "edt45"},
    {"3-2-2-OnTime", Form::Text, "edt44"},
    {"3-2-3-type", Form::LinkFlag, "rzchckbx121"},
    {"3-2-5-RelayOnSms", Form::Text, "edt47"},
    {"3-2-6-RelayOffSms", Form::Text, "edt46"},
    {"41-DinType%1", Form::Index, "cbb%1", 4, 0, 1},
    {"42-DinDelay%1", Form::Text, "edt%1", 4, 15, 1},
    {"43-DinName%1", Form::Text, "edt%1", 4, 11, 1},
    {"44-DinAlarmSms%1", Form::Text, "edt%1", 4, 19, 1},
    {"44-DinRecoverSms%1", Form::Text, "edt%1", 4, 23, 1},
    // Timer n: week cbb(9 + 4n), hour cbb(300 + n), minute cbb(310 + n), action cbb(12 + 4n).
    {"51-week-%1", Form::Index, "cbb%1", 10, 9, 4, 0, 4},
    {"51-hour-%1", Form::Index, "cbb%1", 10, 300, 1},
    {"51-min-%1", Form::Index, "cbb%1", 10, 310, 1},
    {"51-ActType-%1", Form::Index, "cbb%1", 10, 12, 4},
    {"62-GprsMode", Form::Index, "cbb103"},
    {"63-Rj45Mode", Form::Index, "cbb106"},
    {"64-SerMode", Form::Index, "cbb112"},
    {"65-BaudMode", Form::Index, "cbb107"},
    {"91-GprsIP", Form::Text, "edt51"},
    {"92-TcpPort", Form::Text, "edt58"},
    {"93-GprsBeatHeart", Form::Text, "edt43"},
    {"94-GprsReconnSec", Form::Text, "edt48"},
    {"95-HeartCont", Form::Text, "edt94"},
    {"96-GprsApn", Form::Text, "edt42"},
    {"97-GprsUsr", Form::Text, "edt49"},
    {"98-GprsPwd", Form::Text, "edt50"},
    {"101-myip", Form::Text, "edt57"},
    {"102-LocalPort", Form::Text, "edt52"},
    {"rest_5_llip1", Form::Text, "edt37"},
    {"rest_5_llip2", Form::Text, "edt36"},
    {"rest_5_llip3", Form::Text, "edt35"},
    {"rest_5_llip4", Form::Text, "edt1"},
    {"rest_5_upload", Form::Text, "edt109"},
    {"rest_1_autoarm", Form::Flag, "RzCheckBox2"},
    {"rest_1_d_min", Form::Text, "edt32"},
    {"rest_1_smsp", Form::Text, "edt72"},
    {"rest_1_hisp", Form::Text, "edt29"},
    {"rest_1_dailyc", Form::Flag, "rzchckbx1"},
    {"rest_1_smspc", Form::Flag, "rzchckbx115"},
    {"rest_1_hispc", Form::Flag, "rzchckbx2"},
    {"rest_6_1", Form::Text, "edt111"},
    {"rest_7_un", Form::Text, "edt49"},
    {"rest_7_x1", Form::Text, "edt50"},
    {"rest_7_x2", Form::Text, "edt30"},
    {"rest_7_x3", Form::Text, "edt51"},
    {"rest_7_x4", Form::Text, "edt53"},
    {"rest_7_x5", Form::Text, "edt54"},
    {"rest_7_x6", Form::Text, "edt55"},
    {"rest_7_x7", Form::Text, "edt56"},
    {"rest_7_x8", Form::Text, "edt52"},
    {"rest_3_unc%1", Form::Flag, "rzchckbx%1", 12, 99, 1},
    {"rest_time_c%1", Form::Flag, "rzchckbx%1", 10, 123, 1},
    {"xml_cbb6", Form::Index, "cbb6"},
    {"xml_cbb108", Form::Index, "cbb108"},
    {"xml_cbb109", Form::Index, "cbb109"},
    {"xml_cbb110", Form::Index, "cbb110"},
    {"xml_cbb111", Form::Index, "cbb111"},
    {"xml_cbb5", Form::Index, "cbb5"},
    {"xml_cbb14", Form::Index, "cbb14"},
    {"xml_cbb116", Form::Index, "cbb116"},
    {"xml_edt59", Form::Text, "edt59"},
    {"xml_edt67", Form::Text, "edt67"},
    {"xml_rzchckbx116", Form::Flag, "rzchckbx116"},
    {"xml_cbb104", Form::Index, "cbb104"},
    {
        "106-TempName",
        Form::CellText,
        "tb_col_name",
    },
    {"106-1-TempName", Form::CellText, "tb_col_name", 0, 0, 0, 1},
    {
        "valueenable1",
        Form::CellEnable,
        "tb_col_enable",
    },
    {"valueenable2", Form::CellEnable, "tb_col_enable", 0, 0, 0, 1},
    {
        "108-TempLow",
        Form::CellText,
        "tb_col_alarm",
    },
    {"108-1-TempLow", Form::CellText, "tb_col_alarm", 0, 0, 0, 1},
    {
        "109-TempRecover",
        Form::CellText,
        "tb_col_highlimit",
    },
    {"109-1-TempRecover", Form::CellText, "tb_col_highlimit", 0, 0, 0, 1},
    {
        "1010-TempDelay",
        Form::CellText,
        "tb_col_lowlimit",
    },
    {"1010-1-TempDelay", Form::CellText, "tb_col_lowlimit", 0, 0, 0, 1},
    {
        "tb_col_hsms",
        Form::CellText,
        "tb_col_hsms",
    },
    {"tb_col_hsms1", Form::CellText, "tb_col_hsms", 0, 0, 0, 1},
    {
        "1012-TempHighValue",
        Form::CellText,
        "tb_col_lsms",
    },
    {"1012-1-TempHighValue", Form::CellText, "tb_col_lsms", 0, 0, 0, 1},
    {
        "1013-TempLowValue",
        Form::CellText,
        "tb_col_rsms",
    },
    {"1013-1-TempLowValue", Form::CellText, "tb_col_rsms", 0, 0, 0, 1},
    {
        "1011-TempType",
        Form::CellLinks,
        "",
    },
    {"1011-1-TempType", Form::CellLinks, "", 0, 0, 0, 1},
};

struct GroupControl {
  const char* name;
  Form form;
};

constexpr GroupControl kGrp5[] = {{"RzEdit49", Form::Text}};

constexpr GroupControl kRzgrpbx10[] = {
    {"cbb107", Form::Index}, {"cbb108", Form::Index}, {"cbb109", Form::Index},
    {"cbb110", Form::Index}, {"cbb111", Form::Index}, {"cbb112", Form::Index},
    {"edt111", Form::Text},  {"cbb6", Form::Index},   {"RzComboBox12", Form::Index},
};

constexpr GroupControl kRzGroupBox6[] = {
    {"RzEdit34", Form::Text},  {"RzEdit35", Form::Text},      {"RzComboBox9", Form::Index}, {"RzEdit36", Form::Text},
    {"RzEdit38", Form::Text},  {"RzComboBox10", Form::Index}, {"RzEdit391", Form::Text},    {"RzEdit40", Form::Text},
    {"RzEdit41", Form::Text},  {"RzEdit42", Form::Text},      {"RzEdit43", Form::Text},     {"RzEdit44", Form::Text},
    {"RzEdit45", Form::Text},  {"RzEdit46", Form::Text},      {"RzEdit47", Form::Text},     {"RzEdit31", Form::Text},
    {"RzEdit32", Form::Text},  {"CheckBox5", Form::Bool},     {"CheckBox6", Form::Bool},    {"CheckBox7", Form::Bool},
    {"CheckBox8", Form::Bool}, {"CheckBox9", Form::Bool},     {"RzComboBox8", Form::Index}, {"RzEdit51", Form::Text},
    {"RzEdit52", Form::Text},  {"RzEdit53", Form::Text},      {"RzEdit54", Form::Text},     {"RzEdit55", Form::Text},
    {"RzEdit56", Form::Text},  {"RzEdit57", Form::Text},      {"RzEdit58", Form::Text},     {"RzEdit33", Form::Text},
    {"RzEdit37", Form::Text},  {"RzEdit50", Form::Text},      {"RzEdit59", Form::Text},     {"RzEdit60", Form::Text},
    {"RzEdit61", Form::Text},  {"RzEdit62", Form::Text},      {"RzEdit63", Form::Text},     {"RzEdit64", Form::Text},
    {"RzEdit65", Form::Text},  {"RzEdit66", Form::Text},      {"RzEdit67", Form::Text},     {"RzEdit39", Form::Text},
};

constexpr GroupControl kRzGroupBox5[] = {
    {"RzEdit16", Form::Text},  {"RzEdit17", Form::Text},  {"RzEdit18", Form::Text},      {"RzComboBox2", Form::Index},
    {"RzEdit19", Form::Text},  {"RzEdit20", Form::Text},  {"RzEdit21", Form::Text},      {"RzComboBox3", Form::Index},
    {"RzEdit27", Form::Text},  {"RzEdit28", Form::Text},  {"RzEdit29", Form::Text},      {"RzEdit30", Form::Text},
    {"RzEdit22", Form::Text},  {"RzEdit23", Form::Text},  {"RzEdit24", Form::Text},      {"RzEdit25", Form::Text},
    {"RzEdit26", Form::Text},  {"chk1", Form::Bool},      {"CheckBox1", Form::Bool},     {"CheckBox2", Form::Bool},
    {"CheckBox3", Form::Bool}, {"CheckBox4", Form::Bool}, {"RzComboBox11", Form::Index},
};

struct GroupDef {
  const char* name;
  std::span<const GroupControl> controls;
};

constexpr GroupDef kGroups[] = {
    {"grp5", kGrp5}, {"rzgrpbx10", kRzgrpbx10}, {"RzGroupBox6", kRzGroupBox6}, {"RzGroupBox5", kRzGroupBox5}};

constexpr const char* kGroupNames[] = {"grp5", "rzgrpbx10", "RzGroupBox6", "RzGroupBox5"};

// Texts that must be set after the check box that governs them: ticking or
// unticking a HEX box empties its packet edit, and rzchckbx116 decides
// whether edt59 may hold anything but "2". Setting the box first keeps the
// file's text.
struct BoxFirst {
  const char* text;
  const char* box;
};
constexpr BoxFirst kBoxFirst[] = {
    {"RzEdit21", "chk1"},      {"RzEdit22", "CheckBox1"}, {"RzEdit23", "CheckBox2"}, {"RzEdit24", "CheckBox3"},
    {"RzEdit25", "CheckBox4"}, {"RzEdit38", "CheckBox5"}, {"RzEdit43", "CheckBox6"}, {"RzEdit44", "CheckBox7"},
    {"RzEdit45", "CheckBox8"}, {"RzEdit46", "CheckBox9"}, {"edt59", "rzchckbx116"},
};

constexpr char kRelay1[] = "tb_col_relay1";
constexpr char kRelay2[] = "tb_col_relay2";
constexpr char kRecover[] = "tb_col_recover";

// The event box of column k (0..8) of authorised number n (1..10).
QString eventBox(int n, int k) { return QStringLiteral("rzchckbx%1").arg(10 + 9 * (n - 1) + k); }
// Column k sets bit k, except column 8, which sets bit 9.
int eventBit(int k) { return k == 8 ? 9 : k; }

std::vector<ProfileKey> expand() {
  std::vector<ProfileKey> keys;
  const auto push = [&keys](const KeyRow& r, int n) {
    if (r.form == Form::Group) {
      for (const GroupDef& g : kGroups)
        if (QLatin1String(g.name) == QLatin1String(r.key))
          for (const GroupControl& c : g.controls)
            keys.push_back({QString::fromLatin1(c.name), c.form, QString::fromLatin1(c.name), 0,
                            QString::fromLatin1(g.name), false});
      return;
    }
    ProfileKey k;
    k.key = n ? QString::fromLatin1(r.key).arg(n) : QString::fromLatin1(r.key);
    k.form = r.form;
    k.field = QString::fromLatin1(r.field);
    if (k.field.contains(QLatin1String("%1"))) k.field = k.field.arg(r.base + r.step * n);
    k.row = r.form == Form::EventBits ? n : r.row;
    k.saveOnly = r.saveOnly;
    keys.push_back(k);
  };
  const std::span<const KeyRow> rows(kKeyRows);
  for (size_t i = 0; i < rows.size();) {
    const KeyRow& first = rows[i];
    const size_t block = size_t(first.block);
    if (first.runTo == 0) {
      push(first, 0);
    } else {
      for (int n = 1; n <= first.runTo; ++n)
        for (size_t b = 0; b < block; ++b) push(rows[i + b], n);
    }
    i += block;
  }
  return keys;
}

std::optional<int> decimal(const QByteArray& text) {
  bool ok = false;
  const int v = QString::fromLatin1(text).trimmed().toInt(&ok, 10);
  return ok ? std::optional<int>(v) : std::nullopt;
}

QByteArray valueOf(const FieldAccess& f, const ProfileKey& k) {
  switch (k.form) {
    case Form::Text:
      return codepage::fromUnicode(f.text(k.field));
    case Form::Index:
      return QByteArray::number(f.index(k.field) < 0 ? -1 : f.index(k.field));
    case Form::Flag:
      return f.checked(k.field) ? "1" : "0";
    case Form::Bool:
      return f.checked(k.field) ? "true" : "false";
    case Form::LinkFlag:
      return f.checked(k.field) ? "64" : "0";
    case Form::EventBits: {
      int bits = 0;
      for (int c = 0; c <= 8; ++c)
        if (f.checked(eventBox(k.row, c))) bits |= 1 << eventBit(c);
      return QByteArray::number(bits);
    }
    case Form::Hour:
    case Form::Minute: {
      const QTime t = f.time(k.field);
      if (!t.isValid()) return "0";
      return QByteArray::number(k.form == Form::Hour ? t.hour() : t.minute());
    }
    case Form::CellText:
      return codepage::fromUnicode(params::CellText(f.cell(QLatin1String(kTempGrid), k.row, k.field)));
    case Form::CellEnable: {
      const QVariant v = f.cell(QLatin1String(kTempGrid), k.row, k.field);
      return !params::CellIsNull(v) && v.toBool() ? "1" : "0";
    }
    case Form::CellLinks: {
      const auto on = [&](const char* column) {
        const QVariant v = f.cell(QLatin1String(kTempGrid), k.row, QLatin1String(column));
        return !params::CellIsNull(v) && v.toBool();
      };
      return QByteArray::number((on(kRelay1) ? 0x10 : 0) | (on(kRelay2) ? 0x20 : 0) | (on(kRecover) ? 0x40 : 0));
    }
    case Form::Group:
      break;
  }
  return {};
}

// Applies keys in table order, one at a time, stopping at the first that
// cannot be read.
class Loader {
 public:
  Loader(const xml::Element& settings, FieldAccess& fields)
      : keys_(gatewayProfileKeys()), settings_(settings), f_(fields), done_(keys_.size(), false) {}

  // Every key outside the groups; the groups right after "1-11-ArmMin".
  bool all() {
    for (size_t i = 0; i < keys_.size(); ++i) {
      const ProfileKey& k = keys_[i];
      if (!k.group.isEmpty()) continue;
      if (!apply(i)) return false;
      if (k.key == QLatin1String("1-11-ArmMin"))
        for (const char* g : kGroupNames) group(QLatin1String(g));
    }
    return true;
  }

  // The controls of one group (none of them can fail).
  void group(const QString& name) {
    for (size_t i = 0; i < keys_.size(); ++i)
      if (keys_[i].group == name) apply(i);
  }

  ApplyError error;

 private:
  bool apply(size_t i) {
    const ProfileKey& k = keys_[i];
    if (done_[i] || k.saveOnly) return true;
    done_[i] = true;
    if (k.form == Form::Text)
      for (const BoxFirst& p : kBoxFirst)
        if (k.field == QLatin1String(p.text) && !applyField(p.box)) return false;
    return applyKey(k);
  }

  bool applyField(const char* field) {
    for (size_t j = 0; j < keys_.size(); ++j)
      if (keys_[j].field == QLatin1String(field) && !keys_[j].saveOnly) return apply(j);
    return true;
  }

  bool stop(const ProfileKey& k, const xml::Element* e, const QString& reason) {
    error.key = k.key;
    error.line = e ? e->line : settings_.line;
    error.value = e ? codepage::toUnicode(e->text) : QString();
    error.missing = e == nullptr;
    error.reason = reason;
    return false;
  }

  bool applyKey(const ProfileKey& k) {
    const xml::Element* e = settings_.child(k.key.toLatin1());
    const QByteArray text = e ? e->text : QByteArray();
    switch (k.form) {
      case Form::Text:
        f_.setText(k.field, codepage::toUnicode(text));
        return true;
      case Form::Index: {
        int v = decimal(text).value_or(0);
        const int count = f_.itemCount(k.field);
        if (v < 0 || (count > 0 && v >= count)) v = -1;
        f_.setIndex(k.field, v);
        return true;
      }
      case Form::Flag:
        f_.setChecked(k.field, decimal(text) == 1);
        return true;
      case Form::Bool:
        f_.setChecked(k.field,
                      QString::fromLatin1(text).trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
                          decimal(text).value_or(0) != 0);
        return true;
      case Form::LinkFlag:
        f_.setChecked(k.field, decimal(text) == 64);
        return true;
      case Form::EventBits: {
        int bits = 0;
        if (!text.trimmed().isEmpty()) {
          const auto v = decimal(text);
          if (!v) return stop(k, e, QStringLiteral("not a decimal number"));
          bits = *v;
        }
        for (int c = 0; c <= 8; ++c) f_.setChecked(eventBox(k.row, c), (bits >> eventBit(c)) & 1);
        return true;
      }
      case Form::Hour:
      case Form::Minute: {
        int v = 0;
        if (!text.trimmed().isEmpty()) {
          const auto n = decimal(text);
          if (!n) return stop(k, e, QStringLiteral("not a decimal number"));
          const int top = k.form == Form::Hour ? 23 : 59;
          if (*n < 0 || *n > top) return stop(k, e, QStringLiteral("out of range 0 to %1").arg(top));
          v = *n;
        }
        if (k.form == Form::Hour) {
          hour_ = v;
        } else {
          f_.setTime(k.field, QTime(hour_, v, 59));
        }
        return true;
      }
      case Form::CellText:
        f_.setCell(QLatin1String(kTempGrid), k.row, k.field, codepage::toUnicode(text));
        return true;
      case Form::CellEnable:
        f_.setCell(QLatin1String(kTempGrid), k.row, k.field, text == "1");
        return true;
      case Form::CellLinks: {
        if (!e) return stop(k, e, QStringLiteral("missing"));
        const auto v = decimal(text);
        if (!v) return stop(k, e, QStringLiteral("not a decimal number"));
        f_.setCell(QLatin1String(kTempGrid), k.row, QLatin1String(kRelay1), (*v & 0x10) != 0);
        f_.setCell(QLatin1String(kTempGrid), k.row, QLatin1String(kRelay2), (*v & 0x20) != 0);
        f_.setCell(QLatin1String(kTempGrid), k.row, QLatin1String(kRecover), (*v & 0x40) != 0);
        return true;
      }
      case Form::Group:
        break;
    }
    return true;
  }

  const std::vector<ProfileKey>& keys_;
  const xml::Element& settings_;
  FieldAccess& f_;
  std::vector<bool> done_;
  int hour_ = 0;
};

}  // namespace

const std::vector<ProfileKey>& gatewayProfileKeys() {
  static const std::vector<ProfileKey> keys = expand();
  return keys;
}

std::span<const char* const> profileGroups() { return kGroupNames; }

void SaveGroupFields(const FieldAccess& fields, const QString& group, xml::Element& settings) {
  for (const ProfileKey& k : gatewayProfileKeys())
    if (k.group == group) settings.add(k.key.toLatin1(), valueOf(fields, k));
}

void LoadGroupFields(FieldAccess& fields, const QString& group, const xml::Element& settings) {
  Loader(settings, fields).group(group);
}

xml::Document BuildGatewayProfile(const FieldAccess& fields) {
  xml::Element settings{kSettingsName, {}, {}, 0};
  QString lastGroup;
  for (const ProfileKey& k : gatewayProfileKeys()) {
    if (!k.group.isEmpty()) {
      if (k.group != lastGroup) SaveGroupFields(fields, k.group, settings);
      lastGroup = k.group;
      continue;
    }
    settings.add(k.key.toLatin1(), valueOf(fields, k));
  }
  // The settings element joins the root only when complete.
  xml::Document doc;
  doc.root.name = kRootName;
  doc.root.children.push_back(std::move(settings));
  return doc;
}

std::optional<ApplyError> ApplyGatewayProfile(const xml::Element& settings, FieldAccess& fields) {
  Loader loader(settings, fields);
  const bool ok = loader.all();
  SettleDependentFields(fields);
  if (ok) return std::nullopt;
  return loader.error;
}

void SettleDependentFields(FieldAccess& f) {
  const struct {
    const char* box;
    const char* edit;
  } kEnables[] = {{"rzchckbx1", "edt70"}, {"rzchckbx115", "edt72"}, {"rzchckbx2", "edt29"}, {"rzchckbx116", "edt59"}};
  for (const auto& e : kEnables) f.setEnabled(QLatin1String(e.edit), f.checked(QLatin1String(e.box)));
  if (!f.checked(QStringLiteral("rzchckbx116")) && f.text(QStringLiteral("edt59")) != QLatin1String("2"))
    f.setText(QStringLiteral("edt59"), QStringLiteral("2"));
  for (const char* edit : {"edt16", "edt17", "edt18", "edt19"})
    if (f.text(QLatin1String(edit)) == QLatin1String("-")) f.setText(QLatin1String(edit), QString());
}

}  // namespace gx::profiles
