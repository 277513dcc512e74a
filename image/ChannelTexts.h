#pragma once

#include <span>

#include "base/Lang.h"

// Columns of the channel grid and the texts that belong to them. Column 0 is
// the channel number; columns 1-13 hold the 13 texts of a channel record.
enum ChannelColumn : int {
    ColChannel = 0,
    ColRxFrequency = 1,
    ColTxFrequency = 2,
    ColRxTone = 3,
    ColTxTone = 4,
    ColWidth = 5,
    ColScan = 6,
    ColPower = 7,
    ColOptSignal = 8,
    ColPttId = 9,
    ColBusyLock = 10,
    ColRepeat = 11,
    ColScram = 12,
    ColName = 13,
};
inline constexpr int ChannelColumnCount = 14; // grid columns, channel number included
inline constexpr int RecordTextCount = 13;    // texts of one channel record

namespace ChannelTexts {

// Column titles as the grid shows them after a document is displayed.
inline constexpr BiText ColumnTitles[ChannelColumnCount] = {
    {"CH", "频道"},           {"Rx Frequency", "接收频率"}, {"Tx Frequency", "发射频率"},
    {"Rx Tone", "接收信令"},  {"Tx Tone", "发射信令"},      {" W/N ", " 宽/窄"},
    {"Scan", "扫描添加"},     {"Tx Power", "发射功率"},     {" Opt Signal", " 可选信令"},
    {"PTTID", "PTTID"},       {"BusyLock", "繁忙锁定"},     {"Repeat Invert", "中继信令反相"},
    {"Scram", "扰频"},        {"Name", "名称"},
};

// Titles earlier versions showed after a language switch (only columns 1 and
// 2 differ); a pasted text's header line may still use them.
inline constexpr BiText SwitchedColumnTitles[ChannelColumnCount] = {
    ColumnTitles[0],  {"Receive(MHz)", "接收频率"}, {"Transmit(MHz)", "发射频率"},
    ColumnTitles[3],  ColumnTitles[4],  ColumnTitles[5],  ColumnTitles[6],  ColumnTitles[7],
    ColumnTitles[8],  ColumnTitles[9],  ColumnTitles[10], ColumnTitles[11], ColumnTitles[12],
    ColumnTitles[13],
};

// Relative column widths: column c gets (width of column 2) x factor.
inline constexpr double ColumnWidthFactors[ChannelColumnCount] = {
    0.42, 1.1, 1.1, 0.85, 0.85, 0.9, 0.85, 0.8, 1.0, 0.85, 1.0, 1.2, 0.9, 1.0};

// Entries of the in-place option lists, in list order (positions matter).
inline constexpr BiText OptSignalEntries[] = {{"None", "无"}, {"MSK", "MSK"}, {"DTMF", "DTMF"},
                                              {"CCIR", "CCIR"}};
inline constexpr BiText PowerEntries[] = {{"Low", "低"}, {"High", "高"}};
inline constexpr BiText ScanEntries[] = {{"Yes", "是"}, {"No", "否"}};
inline constexpr BiText PttIdEntries[] = {{"OFF", "关"}, {"ON", "开"}};
inline constexpr BiText WidthEntries[] = {{"Wide", "宽"}, {"Narrow", "窄"}};
inline constexpr BiText BusyLockEntries[] = {{"Close", "关闭"}, {"Carrier", "载波"},
                                             {"QT/DQT", "QT/DQT"}};
inline constexpr BiText RepeatEntries[] = {{"Forward", "正向"}, {"Reverse", "反向"}};
// Scrambler 0 is off; 1-8 the scrambler codes.
inline constexpr BiText ScramEntries[] = {{"OFF", "关"}, {"1", "1"}, {"2", "2"},
                                          {"3", "3"},    {"4", "4"}, {"5", "5"},
                                          {"6", "6"},    {"7", "7"}, {"8", "8"}};

// The entries of the option list of a column 5-12; empty for other columns.
inline std::span<const BiText> EntriesForColumn(int column) {
    switch (column) {
    case ColWidth: return WidthEntries;
    case ColScan: return ScanEntries;
    case ColPower: return PowerEntries;
    case ColOptSignal: return OptSignalEntries;
    case ColPttId: return PttIdEntries;
    case ColBusyLock: return BusyLockEntries;
    case ColRepeat: return RepeatEntries;
    case ColScram: return ScramEntries;
    default: return {};
    }
}

// Texts written into columns 3-13 of an empty row when its first frequency is
// accepted; index 0 is column 3.
inline constexpr BiText NewChannelDefaults[] = {
    {"OFF", "OFF"},      {"OFF", "OFF"},      WidthEntries[0],  ScanEntries[0],
    PowerEntries[1],     OptSignalEntries[2], PttIdEntries[1],  BusyLockEntries[0],
    RepeatEntries[0],    ScramEntries[1],     {"", ""},
};


} // namespace ChannelTexts
