// TabSheet5: the terminal list.
#include "ui/tables.h"

namespace gx::ui {

namespace {
const ControlDef kTerminalList[] = {
    {.name = "GroupBox1", .kind = Kind::Group, .parent = "TabSheet5", .line = 0},
    {.name = "RzButton17",
     .kind = Kind::Button,
     .parent = "GroupBox1",
     .line = 0,
     .caption = {"读取所有终端配置", "Read All Terminal Device Settings"},
     .inCaptionSet = true},
    {.name = "RzButton16",
     .kind = Kind::Button,
     .parent = "GroupBox1",
     .line = 0,
     .caption = {"读取寄存器当前值", "Read Current Value"},
     .inCaptionSet = true},
    {.name = "RzButton18",
     .kind = Kind::Button,
     .parent = "GroupBox1",
     .line = 0,
     .caption = {"清空界面记录", "Clear Displayed Contents"},
     .inCaptionSet = true},
    {.name = "RzButton19",
     .kind = Kind::Button,
     .parent = "GroupBox1",
     .line = 0,
     .caption = {"停止读取过程", "Stop Reading"},
     .inCaptionSet = true},
    {.name = "testview_congji2", .kind = Kind::Grid, .parent = "TabSheet5", .line = 1},
};
}  // namespace

std::span<const ControlDef> terminalListPageControls() { return kTerminalList; }

}  // namespace gx::ui
