// TabSheet9, TabSheet10, TabSheet12 (never shown): first-generation terminals.
#include "ui/tables.h"

namespace gx::ui {

namespace {
const ControlDef kFirstGen[] = {
    // TabSheet9: one first-generation terminal and its register map.
    {.name = "RzLabel28",
     .kind = Kind::Label,
     .parent = "TabSheet9",
     .line = 0,
     .caption = {"网络号", "Operating Bands Number"},
     .inCaptionSet = true},
    {.name = "RzEdit48", .kind = Kind::Edit, .parent = "TabSheet9", .line = 0, .max = 2},
    {.name = "RzLabel91",
     .kind = Kind::Label,
     .parent = "TabSheet9",
     .line = 0,
     .caption = {"（范围;1-99）", "(rangge 1-99，default 1)"},
     .inCaptionSet = true},
    {.name = "RzLabel31",
     .kind = Kind::Label,
     .parent = "TabSheet9",
     .line = 1,
     .caption = {"工作模式", "Workinng Mode"},
     .inCaptionSet = true},
    {.name = "cbb116",
     .kind = Kind::Combo,
     .parent = "TabSheet9",
     .line = 1,
     .items = {"禁止|主机主动轮询", "Disable|Master Polling"},
     .itemsInCaptionSet = true,
     .selected = 0},
    {.name = "RzLabel66",
     .kind = Kind::Label,
     .parent = "TabSheet9",
     .line = 2,
     .caption = {"从机上传时间周期", "Master polling single slave Period"},
     .inCaptionSet = true},
    {.name = "edt59", .kind = Kind::Edit, .parent = "TabSheet9", .line = 2, .max = 3, .disabled = true},
    {.name = "RzLabel1",
     .kind = Kind::Label,
     .parent = "TabSheet9",
     .line = 2,
     .caption = {"秒（范围10-200秒）", "Seconds（Range:10-200s）"},
     .inCaptionSet = true},
    {.name = "rzchckbx116",
     .kind = Kind::Check,
     .parent = "TabSheet9",
     .line = 2,
     .caption = {"从机上传时间周期"},
     .hidden = true},
    {.name = "edt67", .kind = Kind::Edit, .parent = "TabSheet9", .line = 2, .max = 3, .hidden = true, .disabled = true},
    {.name = "lbl111",
     .kind = Kind::Label,
     .parent = "TabSheet9",
     .line = 3,
     .caption = {"从机类型", "Slave Mode No."},
     .inCaptionSet = true},
    {.name = "cbb118",
     .kind = Kind::Combo,
     .parent = "TabSheet9",
     .line = 3,
     .items = {"KX-A|KX-B|KX-C|KX-D", "KX-A|KX-B|KX-C|KX-D"},
     .selected = 0},
    {.name = "lbl110",
     .kind = Kind::Label,
     .parent = "TabSheet9",
     .line = 3,
     .caption = {"从机序号", "Slave Serial No."},
     .inCaptionSet = true},
    {.name = "cbb117", .kind = Kind::ListCombo, .parent = "TabSheet9", .line = 3},
    {.name = "lbl106", .kind = Kind::Label, .parent = "TabSheet9", .line = 3, .caption = {"建议采集周期:"}},
    {.name = "edt65", .kind = Kind::Edit, .parent = "TabSheet9", .line = 3},
    {.name = "btn20",
     .kind = Kind::Button,
     .parent = "TabSheet9",
     .line = 4,
     .caption = {"读取从机参数", "Load Salve Setting"},
     .inCaptionSet = true},
    // Its caption is set with the language by the window itself.
    {.name = "Button12", .kind = Kind::Button, .parent = "TabSheet9", .line = 4},
    {.name = "btn19",
     .kind = Kind::Button,
     .parent = "TabSheet9",
     .line = 4,
     .caption = {"写入从机参数", "Save Salve Setting"},
     .inCaptionSet = true},
    {.name = "RzButton5",
     .kind = Kind::Button,
     .parent = "TabSheet9",
     .line = 4,
     .caption = {"保存当前配置", "Save Wireless DAM Settings As"},
     .inCaptionSet = true},
    {.name = "RzButton6",
     .kind = Kind::Button,
     .parent = "TabSheet9",
     .line = 4,
     .caption = {"读取配置", "Load Wireless DAM Settings from"},
     .inCaptionSet = true},
    {.name = "cxgrd1", .kind = Kind::Panel, .parent = "TabSheet9", .line = 5, .span = 6},
    {.name = "onehalf", .kind = Kind::Grid, .parent = "cxgrd1", .line = 0},
    {.name = "Label1",
     .kind = Kind::Label,
     .parent = "TabSheet9",
     .line = 6,
     .span = 6,
     .caption =
         {"说明：¦"
          "1、本页用于增加从机。工作模式0：禁止所有无线通信；工作模式1：网关主动轮询已增加的从机，"
          "并将数据通过RS485及GPRS/以太网上传，从机仍可即时上报报警。¦"
          "2、网关最多可接50个数据采集从机（KX-B、KX-C、KX-D），从机地址1-50；最多50个透传从机（KX-A），从机地址51-"
          "100。¦"
          "3、从机n的数据映射到网关寄存器8×(n-1)+1至8×n（从机50对应393-400）。¦"
          "4、配置步骤：选择从机类型和序号，编辑参数后点击“写入从机参数”，再按从机的SET键。",
          "Notes:¦"
          "1. This page adds slaves. Work mode 0 disables all wireless traffic; mode 1 makes the gateway poll the "
          "added "
          "slaves and upload their data over RS485 and the cellular or Ethernet link; a slave may still report alarms "
          "at once.¦"
          "2. A gateway takes up to 50 data-acquisition slaves (KX-B, KX-C, KX-D) at slave addresses 1-50 and up to 50 "
          "transparent slaves (KX-A) at addresses 51-100.¦"
          "3. The values of slave n are mapped to gateway registers 8*(n-1)+1 to 8*n (slave 50: 393-400).¦"
          "4. Steps: choose the slave type and serial, edit the settings, press \"Save Salve Setting\", then press "
          "the SET button of the slave."},
     .inCaptionSet = true},

    // TabSheet10: the first-generation terminal list.
    {.name = "btn9", .kind = Kind::Button, .parent = "TabSheet10", .line = 0, .caption = {"读取寄存器当前值"}},
    {.name = "btn10", .kind = Kind::Button, .parent = "TabSheet10", .line = 0, .caption = {"读取所有从机配置"}},
    {.name = "btn17", .kind = Kind::Button, .parent = "TabSheet10", .line = 0, .caption = {"清空界面记录"}},
    {.name = "RzButton3", .kind = Kind::Button, .parent = "TabSheet10", .line = 0, .caption = {"停止读取过程"}},
    {.name = "testview1", .kind = Kind::Grid, .parent = "TabSheet10", .line = 1, .span = 5},

    // TabSheet12: the register names.
    {.name = "btn24",
     .kind = Kind::Button,
     .parent = "TabSheet12",
     .line = 0,
     .caption = {"读取", "Read"},
     .inCaptionSet = true},
    {.name = "reg_table", .kind = Kind::Grid, .parent = "TabSheet12", .line = 1, .span = 3},
};
}  // namespace

std::span<const ControlDef> firstGenPagesControls() { return kFirstGen; }

}  // namespace gx::ui
