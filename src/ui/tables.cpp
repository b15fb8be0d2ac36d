#include "ui/tables.h"

namespace gx::ui {

namespace {

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

}  // namespace

std::span<const PageDef> pageTable() { return kPages; }
std::span<const NavGroupDef> navGroupTable() { return kNavGroups; }
std::span<const NavButtonDef> navButtonTable() { return kNavButtons; }

std::span<const std::span<const ControlDef>> controlTables() {
  static const std::span<const ControlDef> tables[] = {
      shellControls(),          basicPageControls(),    numbersPageControls(),     ioPageControls(),
      timersPageControls(),     cellularPageControls(), ethernetPageControls(),    serialPageControls(),
      secondSetsPageControls(), terminalPageControls(), terminalListPageControls(), recordPagesControls(),
      firstGenPagesControls(),
  };
  return tables;
}

}  // namespace gx::ui
