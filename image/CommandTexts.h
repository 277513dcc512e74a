#pragma once

#include <cstddef>

#include "base/Lang.h"

// Messages of the channel commands that the window and the web page both
// show, so that the two say the same in either language.
namespace CommandTexts {

// Paste of whole channels.
inline constexpr BiText PastePastEnd{
    "%1 channels pasted from channel %2 on would run past channel 128. Nothing was pasted.",
    "从第%2频道起粘贴%1个频道会超出第128频道。未粘贴任何内容。"};
inline constexpr BiText NothingToPaste{"The clipboard holds no channels.", "剪贴板中没有频道。"};
inline constexpr BiText MoreProblems{"... and %1 more: see the details.",
                                     "……另有%1处：见详细信息。"};
// A message lists this many bad cells; the details list them all.
inline constexpr std::size_t ProblemsShown = 10;

// Channel lists.
inline constexpr BiText ImportRefused{"%1 cannot be imported: %2", "%1 无法导入：%2"};
inline constexpr BiText ExportLeftOut{"Some channels were left out of %1 or written differently.",
                                      "有些频道没有写入 %1，或写法不同。"};

// Channel plans: a plan's title and its summary, and the question when only
// some of its channels fit.
inline constexpr BiText TitleSeparator{": ", "："};
inline constexpr BiText InsertFitting{"Insert these %1?", "插入这 %1 个吗？"};

// Before a write: channels outside the band edges, then outside the licence.
inline constexpr BiText OutsideBandQuestion{
    "Outside the band edges %2-%3 MHz (Field in the Type Setting bar): channels %1. "
    "The radio may not use them.\nWrite to the radio anyway?",
    "超出频段 %2-%3 "
    "MHz（整机设置中的“频段”）的频道：%1。对讲机可能无法使用它们。\n仍然写入对讲机吗？"};
inline constexpr BiText WriteAnyway{"Write anyway", "仍然写入"};

// Reading a channel list.
inline constexpr BiText CannotRead{"Cannot read the file %1.", "无法读取文件 %1。"};

// Insert Empty Channel when the last channel holds one.
inline constexpr BiText InsertRefused{
    "No channel below is empty, so one would be lost: delete or clear a channel first.",
    "下方没有空频道，插入会丢失一个频道：请先删除或清除一个频道。"};

// The names of the undo steps these commands make.
namespace Steps {
inline constexpr BiText EditBandEdges{"Edit Band Edges", "编辑频段"};
inline constexpr BiText EditTypeSetting{"Edit Type Setting", "编辑整机设置"};
inline constexpr BiText OptionalFeatures{"Optional Features", "可选功能"};
inline constexpr BiText SideKey{"Side Key", "侧键"};
inline constexpr BiText CutChannels{"Cut Channels", "剪切频道"};
inline constexpr BiText PasteChannels{"Paste Channels", "粘贴频道"};
inline constexpr BiText ImportChannels{"Import Channels", "导入频道"};
inline constexpr BiText InsertChannelPlan{"Insert Channel Plan", "插入频道方案"};
inline constexpr BiText MakeReceiveOnly{"Make Receive Only", "设为只收"};
inline constexpr BiText SetToNarrow{"Set to Narrow", "设为窄带"};
inline constexpr BiText ClearChannels{"Clear Channels", "清除频道"};
inline constexpr BiText InsertEmptyChannel{"Insert Empty Channel", "插入空频道"};
inline constexpr BiText DeleteChannels{"Delete Channels", "删除频道"};
inline constexpr BiText MoveChannelsUp{"Move Channels Up", "上移频道"};
inline constexpr BiText MoveChannelsDown{"Move Channels Down", "下移频道"};
inline constexpr BiText SortByRx{"Sort by Rx Frequency", "按接收频率排序"};
} // namespace Steps

} // namespace CommandTexts
