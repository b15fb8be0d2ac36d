#pragma once
// The caption-set strings: messages and texts shown by the engine and the
// window, one column per language. Leading and trailing blanks belong to the
// texts.
#include <QString>
#include <array>

namespace gx {

enum class Lang { Chinese = 0, English = 1 };
inline constexpr int kLangCount = 2;

enum class Txt {
  TxtInput05V, TxtTemperature, TxtHumidity, TxtDisable, TxtOpenCircuit, TxtShortCircuit, TxtClose,
  TxtOpen, TxtChannel, TxtRecovery, TxtAlarm, TxtLowAlarmSms, TxtHighAlarmSms, TxtHighAlarm, TxtLowAlarm,
  TxtRelay, TxtTitle, TxtOpenPort, TxtClosePort, TxtNotConnected, TxtConnected, TxtEditStart, TxtEditDone,
  MsgSuccess, MsgCurrentValuesRead, MsgTimeout, MsgPasswordCorrect, MsgInvalidValue, MsgPasswordLength,
  MsgLoadingComplete, MsgPasswordEmpty, AskReboot, AskClearView, MsgExit, MsgClearCancelled,
  MsgChangeCancelled, MsgNoTerminal, AskLanguage, AskDeleteTerminal, MsgProfileSaved, MsgProfileLoaded,
  MsgExportSaved, MsgNoRecord, AskDeleteDeviceRecords, MsgStopMonitor, MsgPortFailure, AskFactoryReset,
  // Texts of our own, beyond the device tool's set.
  MsgPortLost,
  Count
};
inline constexpr int kCaptionSetSize = 47;  // the keys up to AskFactoryReset

struct CaptionText {
  Txt key;
  const char* name;
  std::array<const char*, kLangCount> text;  // UTF-8, one per Lang
};

// Every key in enum order.
[[nodiscard]] const std::array<CaptionText, size_t(Txt::Count)>& captionTable();

// The language in force; messages read it at the moment they are shown.
class Captions {
 public:
  [[nodiscard]] Lang lang() const { return lang_; }
  void setLang(Lang l) { lang_ = l; }
  [[nodiscard]] bool chinese() const { return lang_ == Lang::Chinese; }
  [[nodiscard]] QString operator()(Txt key) const;
  // Picks the text of the language in force from a per-language pair.
  [[nodiscard]] QString pick(const std::array<const char*, kLangCount>& texts) const {
    return QString::fromUtf8(texts[size_t(lang_)]);
  }

 private:
  Lang lang_ = Lang::English;
};

}  // namespace gx
