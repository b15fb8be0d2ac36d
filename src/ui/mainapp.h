#pragma once
// The program as a whole, built in start-up order: the main window first,
// then the communication form with its command objects. The shipped
// program, the scenario driver and the tests build it the same way and
// differ only in the clock, the dialogs and the serial line they hand in.
#include <QString>
#include <memory>

#include "engine/captionset.h"

namespace gx {

class Clock;
class Dialogs;
class SerialLine;
class CommForm;
class TForm1;
class TForm2;

class MainApp {
 public:
  struct Platform {
    Clock& clock;
    Dialogs& dialogs;
    SerialLine& line;
    QString languageName;  // English name of the system language
  };
  explicit MainApp(const Platform& platform);
  ~MainApp();

  TForm1& form1() { return *form1_; }
  TForm2& form2() { return *form2_; }
  CommForm& comm() { return *comm_; }
  Captions& captions() { return captions_; }

 private:
  Captions captions_;
  std::unique_ptr<TForm1> form1_;
  std::unique_ptr<CommForm> comm_;
  std::unique_ptr<TForm2> form2_;
};

// English name of the system's default language ("Chinese (Simplified, China)").
[[nodiscard]] QString systemLanguageName();

}  // namespace gx
