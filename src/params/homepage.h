#pragma once
// Reading and writing the gateway parameters: the two five-step transfers of
// the parameter image, the reset of the parameter pages, and the workflows
// behind "Read Gateway Settings" (Button9) and "Save Gateway Settings" (Button7).
#include "engine/ctncmd.h"
#include "params/image.h"

namespace gx {

class FieldAccess;

// Writes the image in five blocks; the image itself lives here from start-up to exit.
class thomepage_w : public twritecmd {
 public:
  explicit thomepage_w(CommForm& form);
  void Send() override;
  void BuildRequest() override;
  void OnAnswer() override;
  void OnTimeout() override;

  params::ParameterImage image;

 private:
  params::ImageBytes writeBuffer_{};
  uint8_t stepAccepted_ = 0;
};

// Reads the image in five blocks and spreads it over the parameter pages.
class thomepage_r : public treadcmd {
 public:
  explicit thomepage_r(CommForm& form);
  void Send() override;
  void BuildRequest() override;
  void OnAnswer() override;
  void OnTimeout() override;

 private:
  params::ImageBytes readBuffer_{};
  uint8_t stepAccepted_ = 0;
};

// The parameter image copy kept for the whole run.
[[nodiscard]] params::ParameterImage& ParameterImageOf(CommForm& comm);

// Empties the parameter pages before a read or a profile load: edits empty,
// boxes unticked, combos on their first item, the temperature/humidity rows
// cleared (their current values kept).
void ResetParameterFields(FieldAccess& fields);

// Button9: gate, lock, reset the pages, read the five blocks.
void ReadGatewaySettings(CommForm& comm);
// Button7: gate, lock, gather the pages and write the five blocks.
void WriteGatewaySettings(CommForm& comm);

}  // namespace gx
