#include "ui/tables.h"

namespace gx::ui {

namespace {

constexpr Texts kNone{nullptr, nullptr};

const PageDef kPages[] = {
    {"TabSheet1", {"基本信息", "Basic Setting"}, true, true, false},
    {"TabSheet2", {"报警号码设置", "Number Setting"}, true, true, false},
    {"TabSheet3", {"输入输出设置", "DI/DO/DH Setting"}, true, false, false},
    {"TabSheet4", {"定时器设置", "Timer Setting"}, true, true, false},
    {"TabSheet_GPRS1", {"GPRS网络配置", "Cellular Network"}, true, true, false},
    {"TabSheet_Eth", {"网络参数配置", "Ethernet Setting"}, true, true, false},
    {"TabSheet8", {"RS232/485配置", "RS232/485 Setting"}, true, false, false},
    {"rztbsht_slave2", {"增加终端", "Add Slave Setting"}, true, true, false},
    {"TabSheet5", {"管理终端", "Slave Management"}, true, true, false},
    {"TabSheet11", {"历史记录", "Historical Record"}, true, true, false},
    {"rztbshtTabSheet12", {"rztbshtTabSheet12", "rztbshtTabSheet12"}, false, false, false},
    {"rztbsht_alarmRecord", {"报警记录", "Alarm Record"}, true, true, false},
    {"TabSheet7", {"网口参数配置3", "网口参数配置3"}, false, false, false},
    {"TabSheet12", {"寄存器当前值", "Register List"}, true, false, false},
    {"rztbshtTabSheet5", {"rztbshtTabSheet5", "rztbshtTabSheet5"}, false, false, false},
    {"TabSheet6", {"", ""}, false, false, true},
    {"TabSheet10", {"管理终端", "Terminal Device Management"}, true, false, false},
    {"TabSheet9", {"增加终端", "Add Slave Setting"}, true, false, false},
};

const NavGroupDef kNavGroups[] = {
    {"RzGroup1", {"基本信息", "Basic Settings"}},
    {"RzGroup2", {"扩展设置", "Slave Setting"}},
};

const NavButtonDef kNavButtons[] = {
    {"Button11", "RzGroup1", {"基本信息", "Basic Setting"}, "TabSheet1", false},
    {"btn27", "RzGroup1", {"报警号码设置", "Number Setting"}, "TabSheet2", false},
    {"btn34", "RzGroup1", {"定时器设置", "Timer Setting"}, "TabSheet4", false},
    {"btn35", "RzGroup1", {"GPRS设置", "Cellular Network"}, "TabSheet_GPRS1", false},
    {"btn36", "RzGroup1", {"网络参数配置", "Ethernet Setting"}, "TabSheet_Eth", false},
    {"btn46", "RzGroup1", {"RS232/485配置", "RS232/485 Setting"}, "TabSheet8", true},
    {"btn33", "RzGroup1", {"输入输出设置", "DI/DO/DH Setting"}, "TabSheet3", true},
    {"btn47", "RzGroup2", {"增加终端", "Add Slave"}, "rztbsht_slave2", false},
    {"btn49", "RzGroup2", {"管理终端", "Slave Management"}, "TabSheet5", false},
    {"btn50", "RzGroup2", {"历史记录", "Historical Record"}, "TabSheet11", false},
    {"btn26", "RzGroup2", {"报警记录", "Alarm Record"}, "rztbsht_alarmRecord", false},
    {"Button1", "RzGroup2", {"寄存器当前值", "Register List"}, "TabSheet12", true},
    {"Button13", "RzGroup2", {"增加终端", "Add Slave"}, "rztbsht_slave2", true},
};

const ControlDef kControls[] = {
    // Connection toolbar, left to right.
    {"cbb114", Kind::Combo, "RzToolbar1", kNone, false, 0, "Com16", false, false},
    {"btn44", Kind::Button, "RzToolbar1", {"打开串口", "Open Com"}, true, 0, nullptr, false, false},
    {"RzEdit15", Kind::Edit, "RzToolbar1", kNone, false, 4, "9068", false, false},
    {"btn51", Kind::Button, "RzToolbar1", {"密码验证", "Password"}, true, 0, nullptr, false, false},
    {"Button9", Kind::Button, "RzToolbar1", {"读取网关参数", "Read Gateway Settings"}, true, 0, nullptr, false, false},
    {"Button7", Kind::Button, "RzToolbar1", {"写入网关参数", "Save Gateway Settings"}, true, 0, nullptr, false, false},
    {"Button6", Kind::Button, "RzToolbar1", {"载入配置文件", "Load Gateway Profile"}, true, 0, nullptr, false, false},
    {"Button5", Kind::Button, "RzToolbar1", {"导出配置文件", "Export Gateway Profile"}, true, 0, nullptr, false, false},
    {"Button3", Kind::Button, "RzToolbar1", {"恢复出厂设置", "Default"}, true, 0, nullptr, false, false},
    {"Button2", Kind::Button, "RzToolbar1", {"英文", "Chinese"}, true, 0, nullptr, false, false},
    {"Button4", Kind::Button, "RzToolbar1", {"重启", "Reboot"}, true, 0, nullptr, false, false},

    // Status bar, left to right.
    {"rzstspn1", Kind::Pane, "rzstsbr1", kNone, false, 0, nullptr, false, false},
    {"rzstspn2", Kind::Pane, "rzstsbr1", kNone, false, 0, nullptr, false, false},
    {"pb1", Kind::Progress, "rzstsbr1", kNone, false, 0, nullptr, false, false},
    {"rzstspn3", Kind::Pane, "rzstsbr1", kNone, false, 0, nullptr, false, false},
    {"rzmrqsts1", Kind::Pane, "rzstsbr1", kNone, false, 0, nullptr, true, false},
    {"rzstspn4", Kind::Pane, "rzstsbr1", kNone, false, 0, nullptr, true, false},
    {"lbl15", Kind::Label, "rzstsbr1", kNone, false, 0, "0", true, false},
    {"Label18", Kind::Label, "rzstsbr1", kNone, false, 0, "0", false, false},
    {"Label17", Kind::Label, "rzstsbr1", kNone, false, 0, "0", false, false},

    // Communication debug lists. The pair the monitor names "Ethernet"
    // stands on the RS232/485 page and the pair named "RS232" on the
    // Ethernet page, as the gateway's channel numbering has it.
    {"rzgrpbx7", Kind::Group, "TabSheet_GPRS1", {"GPRS/3G 通信调试", "GPRS/3G/4G communication for Debug"}, true, 0, nullptr, false, false},
    {"lbl74", Kind::Label, "rzgrpbx7", {"从服务器端接收到的数据:", "Data received from server:"}, true, 0, nullptr, false, false},
    {"lst1", Kind::List, "rzgrpbx7", kNone, false, 0, nullptr, false, false},
    {"lbl75", Kind::Label, "rzgrpbx7", {"设备发送给服务器的数据:", "Data send to server:"}, true, 0, nullptr, false, false},
    {"lst2", Kind::List, "rzgrpbx7", kNone, false, 0, nullptr, false, false},
    {"lst7", Kind::List, "rzgrpbx7", kNone, false, 0, nullptr, true, false},
    {"lst8", Kind::List, "rzgrpbx7", kNone, false, 0, nullptr, true, false},
    {"rzgrpbx8", Kind::Group, "TabSheet_Eth", {"Ethernet 通信调试", "Ethernet Data communication for Debug"}, true, 0, nullptr, false, false},
    {"RzLabel35", Kind::Label, "rzgrpbx8", {"从服务器端接收到的数据:", "Data received from server:"}, true, 0, nullptr, false, false},
    {"lst5", Kind::List, "rzgrpbx8", kNone, false, 0, nullptr, false, false},
    {"RzLabel34", Kind::Label, "rzgrpbx8", {"设备发送给服务器的数据:", "Data send to server:"}, true, 0, nullptr, false, false},
    {"lst6", Kind::List, "rzgrpbx8", kNone, false, 0, nullptr, false, false},
    {"rn1", Kind::Label, "rzgrpbx8", kNone, false, 0, nullptr, false, false},
    {"rzgrpbx11", Kind::Group, "TabSheet8", {"232/485 Data 通讯调试", "232/485 Data communication for Debug"}, true, 0, nullptr, false, false},
    {"RzLabel38", Kind::Label, "rzgrpbx11", {"从服务器端接收到的数据:", "Device received from Server:"}, true, 0, nullptr, false, false},
    {"lst3", Kind::List, "rzgrpbx11", kNone, false, 0, nullptr, false, false},
    {"RzLabel39", Kind::Label, "rzgrpbx11", {"设备发送给服务器的数据:", "Device send to Server:"}, true, 0, nullptr, false, false},
    {"lst4", Kind::List, "rzgrpbx11", kNone, false, 0, nullptr, false, false},
};

}  // namespace

std::span<const PageDef> pageTable() { return kPages; }
std::span<const NavGroupDef> navGroupTable() { return kNavGroups; }
std::span<const NavButtonDef> navButtonTable() { return kNavButtons; }
std::span<const ControlDef> controlTable() { return kControls; }

}  // namespace gx::ui
