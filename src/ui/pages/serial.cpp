// TabSheet8 (never shown): the serial data port and the debug monitor of the
// pair the gateway calls "Ethernet".
#include "ui/tables.h"

namespace gx::ui {

namespace {
const ControlDef kSerial[] = {
    {.name = "rzgrpbx11", .kind = Kind::Group, .parent = "TabSheet8", .line = 1,
     .caption = {"232/485 Data 通讯调试", "232/485 Data communication for Debug"}, .inCaptionSet = true},
    {.name = "RzLabel38", .kind = Kind::Label, .parent = "rzgrpbx11", .line = 0,
     .caption = {"从服务器端接收到的数据:", "Device received from Server:"}, .inCaptionSet = true},
    {.name = "RzLabel39", .kind = Kind::Label, .parent = "rzgrpbx11", .line = 0,
     .caption = {"设备发送给服务器的数据:", "Device send to Server:"}, .inCaptionSet = true},
    {.name = "lst3", .kind = Kind::List, .parent = "rzgrpbx11", .line = 1},
    {.name = "lst4", .kind = Kind::List, .parent = "rzgrpbx11", .line = 1},
};
}  // namespace

std::span<const ControlDef> serialPageControls() { return kSerial; }

}  // namespace gx::ui
