#pragma once
// What the toolbar and basic-settings buttons do with the device: guard,
// confirmation, command, message, in that order.
namespace gx {

class CommForm;

void FactoryReset(CommForm& comm);      // Button3
void RebootDevice(CommForm& comm);      // Button4
void ReadDeviceTime(CommForm& comm);    // RzButton2
void SetDeviceTime(CommForm& comm);     // RzButton4
void ReadDeviceInfo(CommForm& comm);    // btn48
void ChangePassword(CommForm& comm);    // RzButton1
void ReadIoStatus(CommForm& comm);      // btn4
// btn1/btn2 close relay 1/2, btn5/btn6 open it; relay 0 sends the state as it is (btn3).
void SwitchRelay(CommForm& comm, int relay, bool closed);
void SendRelayState(CommForm& comm);

}  // namespace gx
