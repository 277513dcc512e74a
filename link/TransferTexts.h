#pragma once

#include "base/Lang.h"

// Every text a transfer shows. Status lines exist in English only; messages
// in both languages.
namespace TransferTexts {

inline constexpr const char* StatusDetecting =
    "Now are detecting Communication Port,Please wait...";
inline constexpr const char* StatusWaiting = "Waiting the response from radio....";
inline constexpr const char* StatusNotStarted = "Not start...";
// The status lines in Chinese, for a console that cannot look them up in the
// window's translations (the window's own Chinese words).
inline constexpr BiText StatusLines[] = {
    {StatusDetecting, "正在检测通信端口，请稍候..."},
    {StatusWaiting, "正在等待对讲机响应..."},
    {StatusNotStarted, "未开始。"},
};

inline constexpr BiText PortNotOpened{
    "Could not Open the Port,Please check whether the Port are occupied or the device are ok",
    "无法打开串口，请检查该设备是否正常，或是否被占用"};
inline constexpr BiText SyncFailed{"Synchronization Error", "同步过程出错"};
inline constexpr BiText ModelMismatch{"Radio model does not match", "对讲机机型不匹配"};
inline constexpr BiText EarlierVersion{"Radio is an earlier version, Some features do not work",
                                       "版本不对，某些功能不起作用"};
inline constexpr BiText SendOrderError{" Error in the Send Order", " 发送数据错误"};
inline constexpr BiText CommunicationFailed{
    "Communication Error，Please check all the connections and the radio power",
    "通讯错误，请检查连接线是否接触良好或对讲机电源是否开启"};
// Retry/Cancel after a block or closing reply that came short: the read is
// not taken, the user may try it again.
inline constexpr BiText ShortReplyPrompt{
    "not received enough  byte\nCommunication Error，Please check all the connections and the "
    "radio power\nThe data in the program were left as they were before the read.",
    "未收到足够字节\n通讯错误，请检查连接线是否接触良好或对讲机电源是否开启\n"
    "程序中的数据保持读取前的内容，未作任何改动。"};
// Retry/Cancel after a reply that went on past its twelfth byte or answered
// for another block: its bytes cannot be trusted, the read is not taken.
inline constexpr BiText OutOfStepPrompt{
    "The radio's reply was out of step (too long, or for another block)\nCommunication "
    "Error，Please check all the connections and the radio power\nThe data in the program were "
    "left as they were before the read.",
    "对讲机的应答错位（字节过多，或不是所请求的数据块）\n通讯错误，请检查连接线是否接触良好或对讲机"
    "电源是否开启\n"
    "程序中的数据保持读取前的内容，未作任何改动。"};
inline constexpr BiText AcknowledgeLost{"Error had happen,please try again",
                                        "接收出错中断，请重试"};
inline constexpr BiText BlockRefused{" Program Interrupt，Please reset the radio and try again",
                                     " 接收出错中断，请重试"};

// Added to the message of a read that did not complete: the tool keeps what it
// had, a half-read image is never shown as if it came from the radio.
inline constexpr BiText ReadDiscarded{
    "The data in the program were left as they were before the read.",
    "程序中的数据保持读取前的内容，未作任何改动。"};

} // namespace TransferTexts
