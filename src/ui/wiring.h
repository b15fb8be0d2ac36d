#pragma once
// Connects the window's controls to what they do, one area per file. The
// main program, the scenario driver and the tests get the same wiring.
namespace gx {
class TForm1;
class CommForm;
}  // namespace gx

namespace gx::ui {

// Field behaviours that need no device: enabling, select-all, key filters.
void wireFieldBehaviours(TForm1& form);
// Toolbar and basic-settings device commands, relays, the debug monitor.
void wireDeviceCommands(TForm1& form, CommForm& comm);
// Reading and writing the gateway parameters.
void wireParameterCommands(TForm1& form, CommForm& comm);
// Saving and loading gateway profiles.
void wireProfileCommands(TForm1& form, CommForm& comm);

}  // namespace gx::ui
