#include "engine/captionset.h"

namespace gx {

namespace {
#define C(key, cn, en) CaptionText{Txt::key, #key, {cn, en}}
const std::array<CaptionText, size_t(Txt::Count)> kTable{{
    C(TxtInput05V, "0~5V", "0~5V"),
    C(TxtTemperature, "温度", "temperature"),
    C(TxtHumidity, "湿度", "humidity"),
    C(TxtDisable, "禁止", "disable"),
    C(TxtOpenCircuit, "开路", "open circuit"),
    C(TxtShortCircuit, "短路", "duanlu"),
    C(TxtClose, "闭合", "close"),
    C(TxtOpen, "断开", "open"),
    C(TxtChannel, "通道", "channel"),
    C(TxtRecovery, "恢复", "recovery"),
    C(TxtAlarm, "报警", "alarm"),
    C(TxtLowAlarmSms, "低限报警短信", "Low Alarm SMS"),
    C(TxtHighAlarmSms, "高限报警短信", "High Alarm SMS"),
    C(TxtHighAlarm, "高限报警", "High Alarm SMS"),
    C(TxtLowAlarm, "低限报警", "Low Alarm SMS"),
    C(TxtRelay, "继电器", "Relay"),
    C(TxtTitle, "GX90 LoRa Gateway", "GX90 LoRa Gateway "),
    C(TxtOpenPort, "打开串口", "open com port"),
    C(TxtClosePort, "关闭串口", "close com port"),
    C(TxtNotConnected, "未连接", "Not connect"),
    C(TxtConnected, "连接成功", "Connect successed"),
    C(TxtEditStart, "编辑从机参数", "edit enable"),
    C(TxtEditDone, "编辑完成", "edit disenable"),
    C(MsgSuccess, "成功!", "    Success!   "),
    C(MsgCurrentValuesRead, "寄存器当前值读取完成!", "reg current value read complete!"),
    C(MsgTimeout, "    超时!   ", "    timeout!   "),
    C(MsgPasswordCorrect, "密码正确!", "  Password correct!  "),
    C(MsgInvalidValue, "无效数据，请更改!", "Invalid value,exceed range!"),
    C(MsgPasswordLength, "    密码长度错误!   ", "    Wrong password length!   "),
    C(MsgLoadingComplete, "   读取完成!", "   Loading Complete!"),
    C(MsgPasswordEmpty, "  密码不能为空!  ", "The password cannot be empty!"),
    C(AskReboot, "重置设备?", "Reboot device?"),
    C(AskClearView, "删除界面所有记录?", "Delete all records of interface?"),
    C(MsgExit, "        退出         ", "        Exit         "),
    C(MsgClearCancelled, "   取消修改!  ", "        Exit         "),
    C(MsgChangeCancelled, "   取消修改!", "   Cancel the change!"),
    C(MsgNoTerminal, "   无从机!", "   no deviceno NO.!"),
    C(AskLanguage, "   切换语言?", "   Change language?"),
    C(AskDeleteTerminal, "  是否删除从机?", "Delete the selected device configuration?"),
    C(MsgProfileSaved, "当前配置保存完成", "register_config save complete"),
    C(MsgProfileLoaded, "下载完成", "load complete"),
    C(MsgExportSaved, "下载完成", "save complete"),
    C(MsgNoRecord, "   无记录    ", "     no record       "),
    C(AskDeleteDeviceRecords, "删除设备所有记录?", "Delete all records of device?"),
    C(MsgStopMonitor, "请关闭调试功能", "Please stop to monitoring then data"),
    C(MsgPortFailure, "串口打开失败", "Com Port Open Failure"),
    C(AskFactoryReset, "是否恢复到出厂设置?", "Recovery to Default Settings?"),
    C(MsgPortLost, "串口已断开, 请检查连接", "Serial port lost, please check the connection"),
}};
#undef C
}  // namespace

const std::array<CaptionText, size_t(Txt::Count)>& captionTable() { return kTable; }

QString Captions::operator()(Txt key) const { return QString::fromUtf8(kTable[size_t(key)].text[size_t(lang_)]); }

}  // namespace gx
