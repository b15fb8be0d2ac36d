// TabSheet_Eth: Ethernet settings and the debug monitor of the pair the
// gateway calls "RS232" (its channel numbering, not the page's name).
#include "ui/tables.h"

namespace gx::ui {

namespace {
const ControlDef kEthernet[] = {
    {.name = "rzgrpbx8", .kind = Kind::Group, .parent = "TabSheet_Eth", .line = 1,
     .caption = {"Ethernet 通信调试", "Ethernet Data communication for Debug"}, .inCaptionSet = true},
    {.name = "RzLabel35", .kind = Kind::Label, .parent = "rzgrpbx8", .line = 0,
     .caption = {"从服务器端接收到的数据:", "Data received from server:"}, .inCaptionSet = true},
    {.name = "RzLabel34", .kind = Kind::Label, .parent = "rzgrpbx8", .line = 0,
     .caption = {"设备发送给服务器的数据:", "Data send to server:"}, .inCaptionSet = true},
    {.name = "lst5", .kind = Kind::List, .parent = "rzgrpbx8", .line = 1},
    {.name = "lst6", .kind = Kind::List, .parent = "rzgrpbx8", .line = 1},
    {.name = "rn1", .kind = Kind::Label, .parent = "rzgrpbx8", .line = 2},
};
}  // namespace

std::span<const ControlDef> ethernetPageControls() { return kEthernet; }

}  // namespace gx::ui
