#pragma once

#include "base/Lang.h"

// The messages of a comparison with a radio and of a verified write, in both
// languages.
namespace CompareTexts {

inline constexpr BiText WriteVerified{"The radio holds exactly what was written.",
                                      "对讲机中的数据与写入的完全一致。"};
// Followed by the summary ("1 channel differs").
inline constexpr BiText WriteNotVerified{"The radio does not hold what was written: ",
                                         "对讲机中的数据与写入的不一致："};
inline constexpr BiText ReadBackFailed{
    "The write completed, but reading the radio back to check it failed.",
    "写入已完成，但回读对讲机进行校验失败。"};
inline constexpr BiText RadioSameAsFile{"The radio holds the same as the file.",
                                        "对讲机中的数据与文件相同。"};
// Followed by the summary.
inline constexpr BiText RadioDiffersFromFile{"The radio differs from the file: ",
                                             "对讲机中的数据与文件不同："};

} // namespace CompareTexts
