#pragma once
// The gateway profile: which field goes under which key, in which form, and
// the two walks between the fields and a profile document. The file dialogs
// and messages around them are in profilecommands.h.
#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "profiles/xmldoc.h"

namespace gx {
class FieldAccess;
}

namespace gx::profiles {

// How a field's value is written as text and read back.
enum class Form : uint8_t {
  Text,        // an edit's text
  Index,       // a combo's selected index, -1 for none
  Flag,        // "1" / "0"
  Bool,        // "true" / "false"
  LinkFlag,    // "64" / "0"
  EventBits,   // the nine event boxes of one authorised number
  Hour,        // hour of the daily report time
  Minute,      // minute of the daily report time
  CellText,    // a tb_temp cell as text
  CellEnable,  // the enable cell, "1" / "0"
  CellLinks,   // relay 1, relay 2 and recovery cells as 0x10 | 0x20 | 0x40
  Group,       // a group box: its controls, each under its own name
};

struct ProfileKey {
  QString key;
  Form form = Form::Text;
  QString field;          // component name; the column for cell forms; the group for Form::Group rows
  int row = 0;            // grid row of a cell; the authorised number (1..10) of event bits
  QString group;          // set on the keys of a group's controls
  bool saveOnly = false;  // written, never read back
};

// Every key in the order of a written file; the group controls are expanded
// in place, right after "1-3-SmsReportHour".
[[nodiscard]] const std::vector<ProfileKey>& gatewayProfileKeys();

// The four group boxes whose controls are saved under their own names, in file order.
[[nodiscard]] std::span<const char* const> profileGroups();

inline constexpr char kRootName[] = "MyRoot";
inline constexpr char kSettingsName[] = "systeminf";
inline constexpr char kTempGrid[] = "tb_temp";

// Builds the whole document from the fields' current values.
[[nodiscard]] xml::Document BuildGatewayProfile(const FieldAccess& fields);
// The controls of one group, appended to the settings element.
void SaveGroupFields(const FieldAccess& fields, const QString& group, xml::Element& settings);
// Reads one group's controls back. Each HEX box is set before its packet
// text, so that a box reacting to its change cannot empty the text.
void LoadGroupFields(FieldAccess& fields, const QString& group, const xml::Element& settings);

// The key at which a load stopped.
struct ApplyError {
  QString key;
  int line = 0;   // the key element's line, or the settings element's when the key is missing
  QString value;  // the text found, empty when missing
  bool missing = false;
  QString reason;  // English
};

// Applies a parsed profile to the fields (the caller has reset them).
// The settings element is the root's first child, whatever its name; keys
// are found without regard to letter case; unknown elements are ignored.
// Fields applied before a key that cannot be read keep their new values;
// the field states that follow from check boxes are settled either way.
[[nodiscard]] std::optional<ApplyError> ApplyGatewayProfile(const xml::Element& settings, FieldAccess& fields);

// Enabling that follows the check boxes after a program changed them:
// edt70, edt72 and edt29 follow their boxes, edt59 follows rzchckbx116 and
// reads "2" while the box is unticked; an interval edit holding just "-" is emptied.
void SettleDependentFields(FieldAccess& fields);

}  // namespace gx::profiles
