// TabSheet_GPRS1: cellular network settings and the cellular debug monitor.
#include "ui/tables.h"

namespace gx::ui {

namespace {
const ControlDef kCellular[] = {
    {.name = "rzgrpbx7", .kind = Kind::Group, .parent = "TabSheet_GPRS1", .line = 1,
     .caption = {"GPRS/3G 通信调试", "GPRS/3G/4G communication for Debug"}, .inCaptionSet = true},
    {.name = "lbl74", .kind = Kind::Label, .parent = "rzgrpbx7", .line = 0,
     .caption = {"从服务器端接收到的数据:", "Data received from server:"}, .inCaptionSet = true},
    {.name = "lbl75", .kind = Kind::Label, .parent = "rzgrpbx7", .line = 0,
     .caption = {"设备发送给服务器的数据:", "Data send to server:"}, .inCaptionSet = true},
    {.name = "lst1", .kind = Kind::List, .parent = "rzgrpbx7", .line = 1},
    {.name = "lst2", .kind = Kind::List, .parent = "rzgrpbx7", .line = 1},
    {.name = "lst7", .kind = Kind::List, .parent = "rzgrpbx7", .line = 2, .hidden = true},
    {.name = "lst8", .kind = Kind::List, .parent = "rzgrpbx7", .line = 2, .hidden = true},
};
}  // namespace

std::span<const ControlDef> cellularPageControls() { return kCellular; }

}  // namespace gx::ui
