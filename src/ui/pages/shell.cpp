// The connection toolbar and the status bar.
#include "ui/tables.h"

namespace gx::ui {

namespace {
const ControlDef kShell[] = {
    // Connection toolbar, left to right.
    {.name = "cbb114", .kind = Kind::Combo, .parent = "RzToolbar1", .text = "Com16"},
    {.name = "btn44", .kind = Kind::Button, .parent = "RzToolbar1", .caption = {"打开串口", "Open Com"}, .inCaptionSet = true},
    {.name = "RzEdit15", .kind = Kind::Edit, .parent = "RzToolbar1", .max = 4, .text = "9068"},
    {.name = "btn51", .kind = Kind::Button, .parent = "RzToolbar1", .caption = {"密码验证", "Password"}, .inCaptionSet = true},
    {.name = "Button9", .kind = Kind::Button, .parent = "RzToolbar1", .caption = {"读取网关参数", "Read Gateway Settings"}, .inCaptionSet = true},
    {.name = "Button7", .kind = Kind::Button, .parent = "RzToolbar1", .caption = {"写入网关参数", "Save Gateway Settings"}, .inCaptionSet = true},
    {.name = "Button6", .kind = Kind::Button, .parent = "RzToolbar1", .caption = {"载入配置文件", "Load Gateway Profile"}, .inCaptionSet = true},
    {.name = "Button5", .kind = Kind::Button, .parent = "RzToolbar1", .caption = {"导出配置文件", "Export Gateway Profile"}, .inCaptionSet = true},
    {.name = "Button3", .kind = Kind::Button, .parent = "RzToolbar1", .caption = {"恢复出厂设置", "Default"}, .inCaptionSet = true},
    {.name = "Button2", .kind = Kind::Button, .parent = "RzToolbar1", .caption = {"英文", "Chinese"}, .inCaptionSet = true},
    {.name = "Button4", .kind = Kind::Button, .parent = "RzToolbar1", .caption = {"重启", "Reboot"}, .inCaptionSet = true},

    // Status bar, left to right; Label18 and Label17 stand at the right end.
    {.name = "rzstspn1", .kind = Kind::Pane, .parent = "rzstsbr1"},
    {.name = "rzstspn2", .kind = Kind::Pane, .parent = "rzstsbr1"},
    {.name = "pb1", .kind = Kind::Progress, .parent = "rzstsbr1"},
    {.name = "rzstspn3", .kind = Kind::Pane, .parent = "rzstsbr1"},
    {.name = "rzmrqsts1", .kind = Kind::Pane, .parent = "rzstsbr1", .hidden = true},
    {.name = "rzstspn4", .kind = Kind::Pane, .parent = "rzstsbr1", .hidden = true},
    {.name = "lbl15", .kind = Kind::Label, .parent = "rzstsbr1", .caption = {"0", "0"}, .hidden = true},
    {.name = "Label18", .kind = Kind::Label, .parent = "rzstsbr1", .caption = {"0", "0"}},
    {.name = "Label17", .kind = Kind::Label, .parent = "rzstsbr1", .caption = {"0", "0"}},
};
}  // namespace

std::span<const ControlDef> shellControls() { return kShell; }

}  // namespace gx::ui
