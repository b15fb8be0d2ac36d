// The window's grids: columns, editors, bands and rows.
#include "ui/gridmodel.h"

namespace gx::ui {

namespace {

using E = Editor;

// TabSheet3: temperature and humidity channels.
const ColumnDef kTbTemp[] = {
    {.name = "tb_tempColumn1", .header = {"项目", "Channel"}, .inCaptionSet = true, .width = 80},
    {.name = "tb_col_name",
     .header = {"通道名称", "Channel Name"},
     .inCaptionSet = true,
     .editor = E::Text,
     .max = 40,
     .width = 110},
    {.name = "tb_col_current", .header = {"当前值", "Current Value"}, .inCaptionSet = true},
    {.name = "tb_col_enable", .header = {"使能", "Enable"}, .inCaptionSet = true, .editor = E::Check, .width = 60},
    {.name = "tb_col_alarm",
     .header = {"报警确认时间", "Alarm Verify"},
     .inCaptionSet = true,
     .editor = E::Spin,
     .max = 65535},
    {.name = "tb_col_highlimit",
     .header = {"高限", "Threshold High"},
     .inCaptionSet = true,
     .editor = E::Spin,
     .decimals = 1},
    {.name = "tb_col_lowlimit",
     .header = {"低限", "Threshold Low"},
     .inCaptionSet = true,
     .editor = E::Spin,
     .decimals = 1},
    {.name = "tb_col_hsms",
     .header = {"高限报警", "High Alarm SMS Content"},
     .inCaptionSet = true,
     .editor = E::Text,
     .max = 40,
     .width = 140},
    {.name = "tb_col_lsms",
     .header = {"低限报警", "Low Alarm SMS Content"},
     .inCaptionSet = true,
     .editor = E::Text,
     .max = 40,
     .width = 140},
    {.name = "tb_col_rsms",
     .header = {"恢复短信", "Recovery SMS Content"},
     .inCaptionSet = true,
     .editor = E::Text,
     .max = 40,
     .width = 140},
    {.name = "tb_col_recover",
     .header = {"恢复短信使能", "Enable SMS Content"},
     .inCaptionSet = true,
     .editor = E::Check},
    {.name = "tb_col_relay1", .header = {"联动继电器1", "Alarm-link DO1"}, .inCaptionSet = true, .editor = E::Check},
    {.name = "tb_col_relay2", .header = {"联动继电器2", "Alarm-link DO2"}, .inCaptionSet = true, .editor = E::Check},
};

// TabSheet9: the first-generation register map, one row per channel.
const ColumnDef kOnehalf[] = {
    {.name = "address1", .header = {"从机映射地址", "Slave Mapping"}, .inCaptionSet = true},
    {.name = "name1", .header = {"通道名称", "Channel Name"}, .inCaptionSet = true, .editor = E::Text},
    {.name = "type_col",
     .header = {"输入类型", "Input Type"},
     .inCaptionSet = true,
     .editor = E::Combo,
     .items = {"0.关闭|1.NO|2.NC|3.温度|4.湿度|5.模拟"}},
    {.name = "max_col", .header = {"最大值", "Maximum"}, .inCaptionSet = true, .editor = E::Spin},
    {.name = "min_col", .header = {"最小值", "Minimun"}, .inCaptionSet = true, .editor = E::Spin},
    {.name = "HighLim_col", .header = {"高限报警", "Threshold High"}, .inCaptionSet = true, .editor = E::Spin},
    {.name = "LowLim_col", .header = {"低限报警", "Threshold Low"}, .inCaptionSet = true, .editor = E::Spin},
    {.name = "recovertime",
     .header = {"报警确认时间", "Alarm Verify Time"},
     .inCaptionSet = true,
     .editor = E::Spin,
     .max = 99999},
    {.name = "attrib1", .header = {"恢复短信使能", "Enable Recovery"}, .inCaptionSet = true, .editor = E::Check},
    {.name = "attrib2", .header = {"关联继电器1", "Alarm-link DO1"}, .inCaptionSet = true, .editor = E::Check},
    {.name = "attrib3", .header = {"关联继电器2", "Alarm-link DO2"}, .inCaptionSet = true, .editor = E::Check},
    {.name = "hsms",
     .header = {"高限报警短信内容", "High Alarm SMS"},
     .inCaptionSet = true,
     .editor = E::Text,
     .width = 130},
    {.name = "lsms",
     .header = {"低限报警短信内容", "Low Alarm SMS"},
     .inCaptionSet = true,
     .editor = E::Text,
     .width = 130},
    {.name = "rsms",
     .header = {"恢复短信内容", "Recovery SMS Content"},
     .inCaptionSet = true,
     .editor = E::Text,
     .width = 130},
};

// rztbsht_slave2: the KX-TH channels, temperature row then humidity row.
const ColumnDef kSlave2[] = {
    {.name = "tableView_slave2Column4",
     .header = {"类型", "Type"},
     .inCaptionSet = true,
     .editor = E::Text,
     .width = 90},
    {.name = "cxGridColumn2", .header = {"通道名称", "Channel"}, .inCaptionSet = true, .editor = E::Text, .width = 100},
    {.name = "tableView_slave2Column1", .header = {"最大值", "Maximum"}, .inCaptionSet = true, .width = 70},
    {.name = "tableView_slave2Column2", .header = {"最小值", "Minimun"}, .inCaptionSet = true, .width = 70},
    {.name = "cxGridColumn6",
     .header = {"高限报警", "Threshold High"},
     .inCaptionSet = true,
     .editor = E::Spin,
     .decimals = 1},
    {.name = "cxGridColumn7",
     .header = {"低限报警", "Threshold Low"},
     .inCaptionSet = true,
     .editor = E::Spin,
     .decimals = 1},
    {.name = "cxGridColumn12",
     .header = {"高限报警短信内容", "High Alarm SMS"},
     .inCaptionSet = true,
     .editor = E::Text,
     .width = 130},
    {.name = "cxGridColumn13",
     .header = {"低限报警短信内容", "Low Alarm SMS"},
     .inCaptionSet = true,
     .editor = E::Text,
     .width = 130},
    {.name = "cxGridColumn14",
     .header = {"恢复短信内容", "Recovery SMS Content"},
     .inCaptionSet = true,
     .editor = E::Text,
     .width = 140},
    {.name = "tableView_slave2Column3",
     .header = {"温湿度恢复使能", "Enable Recover"},
     .inCaptionSet = true,
     .editor = E::Check,
     .width = 110},
};

// The legacy history grid, never shown: named columns, then one per register.
const ColumnDef kHistoryView[] = {
    {.name = "h_no", .header = {"记录", "Record"}, .inCaptionSet = true},
    {.name = "his_serial", .header = {"序号", "NO."}, .inCaptionSet = true},
    {.name = "his_time", .header = {"时间", "Time"}, .inCaptionSet = true, .width = 140},
    {.name = "h_alarm", .header = {"布撤防状态", "Arm/Disarm SMS"}, .inCaptionSet = true},
    {.name = "his_BatVal", .header = {"电源电压", "Power Voltage"}, .inCaptionSet = true},
    {.name = "h_gsm", .header = {"GSM值", "GSM"}, .inCaptionSet = true},
    {.name = "h_BatVal", .header = {"电池电压", "BatVal"}, .inCaptionSet = true},
    {.name = "h_temp", .header = {"温度", "Temperature"}, .inCaptionSet = true},
    {.name = "h_humidness", .header = {"湿度", "Humidity"}, .inCaptionSet = true},
    {.name = "his_din%1", .header = {"DIN%1", "DIN%1"}, .inCaptionSet = true, .repeat = 4},
    {.name = "h_out%1", .header = {"DOUT%1", "DOUT%1"}, .inCaptionSet = true, .repeat = 2},
    {.name = "h_validnum", .header = {"有效寄存器", "Valid Register"}, .inCaptionSet = true},
    {.name = "hreg_n%1", .header = {"R%1", "R%1"}, .repeat = 400, .width = 50},
};

const ColumnDef kHistoryRecord[] = {
    {.name = "history_no", .header = {"记录", "Record"}, .inCaptionSet = true, .width = 60},
    {.name = "history_seq", .header = {"序号", "NO."}, .inCaptionSet = true, .width = 60},
    {.name = "history_time", .header = {"时间", "Time"}, .inCaptionSet = true, .width = 150},
    {.name = "history_onoff", .header = {"外接电源", "External Power Voltage"}, .inCaptionSet = true, .width = 140},
    {.name = "history_BatVal", .header = {"电池电压", "Battery Voltage"}, .inCaptionSet = true, .width = 100},
    {.name = "history_gsm", .header = {"GSM值", "GSM Value"}, .inCaptionSet = true, .width = 80},
    {.name = "history_id", .header = {"终端序号", "Slave"}, .inCaptionSet = true, .width = 70},
    {.name = "history_BatVal2", .header = {"终端电压", "Slave Voltage"}, .inCaptionSet = true, .width = 90},
    {.name = "history_Temp", .header = {"温度", "Temperature"}, .inCaptionSet = true, .width = 90},
    {.name = "history_Humi", .header = {"湿度", "Humidity"}, .inCaptionSet = true, .width = 80},
};

const ColumnDef kAlarmRecord[] = {
    {.name = "h_no_a", .header = {"记录", "Record"}, .inCaptionSet = true, .width = 60},
    {.name = "his_serial_a", .header = {"序号", "NO."}, .inCaptionSet = true, .width = 60},
    {.name = "his_time_a", .header = {"时间", "Time"}, .inCaptionSet = true, .width = 150},
    {.name = "h_onoff_a", .header = {"外接电源", "External Power Voltage"}, .inCaptionSet = true, .width = 140},
    {.name = "h_BatVal_a", .header = {"电池电压", "Battery Voltage"}, .inCaptionSet = true, .width = 100},
    {.name = "h_gsm_a", .header = {"GSM值", "GSM Value"}, .inCaptionSet = true, .width = 80},
    {.name = "h_Id_a", .header = {"终端序号", "Slave"}, .inCaptionSet = true, .width = 70},
    {.name = "h_BatVal2_a", .header = {"终端电压", "Slave Voltage"}, .inCaptionSet = true, .width = 90},
    {.name = "h_temp_a", .header = {"温度", "Temperature"}, .inCaptionSet = true, .width = 90},
    {.name = "h_humidness_a", .header = {"湿度", "Humidity"}, .inCaptionSet = true, .width = 80},
};

// TabSheet12: register names and their current values, four pairs per row.
const ColumnDef kRegTable[] = {
    {.name = "col_name1", .header = {"寄存器地址", "Register Add"}, .inCaptionSet = true, .width = 100},
    {.name = "message1", .header = {"当前值", "Current Value"}, .inCaptionSet = true},
    {.name = "col_name2", .header = {"寄存器地址", "Register Add"}, .inCaptionSet = true, .width = 100},
    {.name = "message2", .header = {"当前值", "Current Value"}, .inCaptionSet = true},
    {.name = "col_name3", .header = {"寄存器地址", "Register Add"}, .inCaptionSet = true, .width = 100},
    {.name = "message3", .header = {"当前值", "Current Value"}, .inCaptionSet = true},
    {.name = "col_name4", .header = {"寄存器地址", "Register Add"}, .inCaptionSet = true, .width = 100},
    {.name = "message4", .header = {"当前值", "Current Value"}, .inCaptionSet = true},
};

// TabSheet5: the terminal list; each record is a temperature line and a humidity line.
const ColumnDef kTerminalList[] = {
    {.name = "tvcol_seq", .header = {"设备编号"}, .band = 0, .line = 0, .width = 80},
    {.name = "tvcol_TranMinute", .header = {"上报间隔"}, .band = 0, .line = 0, .width = 160},
    {.name = "tvcol_devDel",
     .header = {"删除配置"},
     .editor = E::Button,
     .items = {"删除配置", "Delete Device"},
     .band = 0,
     .line = 1,
     .width = 150},
    {.name = "tvcol_name0", .header = {"通道名称"}, .band = 1, .line = 0, .width = 100},
    {.name = "tvcol_temp", .header = {"温度当前值"}, .band = 1, .line = 0, .width = 80},
    {.name = "tvcol_name1", .header = {"通道名称"}, .band = 1, .line = 1, .width = 100},
    {.name = "tvcol_humidity", .header = {"湿度当前值"}, .band = 1, .line = 1, .width = 80},
    {.name = "tvcol_HighLim0", .header = {"报警高限"}, .band = 2, .line = 0, .width = 70},
    {.name = "tvcol_LowLim0", .header = {"报警低限"}, .band = 2, .line = 0, .width = 70},
    {.name = "tvcol_HighSms0", .header = {"高限报警内容"}, .band = 2, .line = 0, .width = 110},
    {.name = "tvcol_LowSms0", .header = {"低限报警内容"}, .band = 2, .line = 0, .width = 110},
    {.name = "tvcol_RecoverSms0", .header = {"恢复报警内容"}, .band = 2, .line = 0, .width = 110},
    {.name = "tvcol_attrib0", .header = {"报警恢复使能"}, .editor = E::Check, .band = 2, .line = 0, .width = 80},
    {.name = "tvcol_HighLim1", .header = {"报警高限"}, .band = 2, .line = 1, .width = 70},
    {.name = "tvcol_LowLim1", .header = {"报警低限"}, .band = 2, .line = 1, .width = 70},
    {.name = "tvcol_HighSms1", .header = {"高限报警内容"}, .band = 2, .line = 1, .width = 110},
    {.name = "tvcol_LowSms1", .header = {"低限报警内容"}, .band = 2, .line = 1, .width = 110},
    {.name = "tvcol_RecoverSms1", .header = {"恢复报警内容"}, .band = 2, .line = 1, .width = 110},
    {.name = "tvcol_attrib1", .header = {"报警恢复使能"}, .editor = E::Check, .band = 2, .line = 1, .width = 80},
};

const BandDef kTerminalListBands[] = {
    {.caption = {"设备编号 上报间隔    ", "NO          Active upload interval"}, .inCaptionSet = true},
    {.caption = {"通道名称          当前值", "Channel           \tValue"}, .inCaptionSet = true},
    {.caption =
         {"报警高限    报警低限     高限报警内容      低限报警内容      恢复报警内容      报警恢复使能",
          "Threshold High   Threshold Low   High Alarm SMS   Low Alarm SMS   Recovery SMS Content   Enable Recover"},
     .inCaptionSet = true},
};

// TabSheet10: the first-generation terminal list, eight channel lines per record.
const ColumnDef kFirstGenList[] = {
    {.name = "serial_c", .header = {"序号"}, .band = 0, .width = 50},
    {.name = "id_c", .header = {"ID"}, .band = 1, .line = 0, .width = 110},
    {.name = "deceivetype_c", .header = {"设备型号"}, .band = 1, .line = 1, .width = 110},
    {.name = "commu_mode_c", .header = {"通信模式"}, .band = 1, .line = 2, .width = 110},
    {.name = "cycle_c", .header = {"周期"}, .band = 1, .line = 3, .width = 110},
    {.name = "del_dev",
     .header = {"删除配置"},
     .editor = E::Button,
     .items = {"删除配置", "Delete Device"},
     .band = 1,
     .line = 4,
     .width = 110},
    {.name = "mapadd%1", .header = {"映射地址"}, .band = 2, .repeat = 8, .width = 70},
    {.name = "channel_nc%1", .header = {"通道名称"}, .band = 2, .repeat = 8, .width = 90},
    {.name = "input_type%1", .header = {"类型"}, .band = 2, .repeat = 8, .width = 60},
    {.name = "c_status%1", .header = {"当前值"}, .band = 2, .repeat = 8, .width = 60},
    {.name = "max%1", .header = {"最大值"}, .band = 2, .repeat = 8, .width = 50},
    {.name = "min%1", .header = {"最小值"}, .band = 2, .repeat = 8, .width = 50},
    {.name = "highlim%1", .header = {"高限值"}, .band = 2, .repeat = 8, .width = 50},
    {.name = "lowlim%1", .header = {"低限值"}, .band = 2, .repeat = 8, .width = 50},
    {.name = "recover_time%1", .header = {"报警/恢复确认时间"}, .band = 3, .repeat = 8, .width = 110},
    {.name = "attrib1%1", .header = {"报警短信使能"}, .editor = E::Check, .band = 3, .repeat = 8, .width = 80},
    {.name = "attrib2%1", .header = {"关联继电器1"}, .editor = E::Check, .band = 3, .repeat = 8, .width = 80},
    {.name = "attrib3%1", .header = {"关联继电器2"}, .editor = E::Check, .band = 3, .repeat = 8, .width = 80},
    {.name = "hsms%1", .header = {"高限报警内容"}, .band = 4, .repeat = 8, .width = 100},
    {.name = "lsms%1", .header = {"低限报警内容"}, .band = 4, .repeat = 8, .width = 100},
    {.name = "rsms%1", .header = {"恢复报警短信"}, .band = 4, .repeat = 8, .width = 100},
};

const BandDef kFirstGenBands[] = {
    {.caption = {"序号", "NO."}, .inCaptionSet = true},
    {.caption = {"ID", "ID"}},
    {.caption = {"映射地址 | 通道名称 | 类型 | 当前值 | 最大值 | 最小值 | 高限值 | 低限值",
                 "Mapping Add | Channel | Type | Value | Max | Min | High Lim | Low Lim"},
     .inCaptionSet = true},
    {.caption = {"报警/恢复确认时间 | 报警短信使能 | 关联继电器1 | 关联继电器2",
                 "Alarm Verify Time | Recovery SMS | Alarm-link DO1 | Alarm-link DO2"},
     .inCaptionSet = true},
    {.caption = {"高限报警内容 | 低限报警内容 | 恢复报警短信", "High SMS | low SMS | Recover SMS"},
     .inCaptionSet = true},
};

const GridDef kGrids[] = {
    {.name = "tb_temp", .rows = 2, .columns = kTbTemp},
    {.name = "onehalf", .rows = 100, .columns = kOnehalf, .readOnly = true, .registerRule = true},
    {.name = "tableView_slave2", .rows = 2, .columns = kSlave2, .registerRule = true},
    {.name = "history_view", .rows = 1000, .columns = kHistoryView, .readOnly = true, .centredHeaders = true},
    {.name = "cxgrdtb_HistryRecord", .rows = 2000, .columns = kHistoryRecord, .readOnly = true, .centredHeaders = true},
    {.name = "cxgrdtb_AlarmRecord", .rows = 500, .columns = kAlarmRecord, .readOnly = true, .centredHeaders = true},
    {.name = "reg_table", .rows = 100, .columns = kRegTable, .readOnly = true},
    {.name = "testview_congji2",
     .rows = 100,
     .columns = kTerminalList,
     .bands = kTerminalListBands,
     .headers = false,
     .readOnly = true},
    {.name = "testview1", .rows = 50, .columns = kFirstGenList, .bands = kFirstGenBands, .readOnly = true},
};

}  // namespace

std::span<const GridDef> gridDefs() { return kGrids; }

const GridDef* gridDef(std::string_view name) {
  for (const GridDef& g : kGrids)
    if (name == g.name) return &g;
  return nullptr;
}

}  // namespace gx::ui
