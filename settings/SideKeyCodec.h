#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/Lang.h"
#include "image/MemoryImage.h"
#include "settings/ListPosition.h"

// The four side-key lists, in the order of the dialog and of the bytes:
// Side Key1 short and long press (0x81D high and low half), then Side Key2.
enum class SideKeyList { Key1Short, Key1Long, Key2Short, Key2Long };
inline constexpr int SideKeyListCount = 4;

// A side-key function code 0-10 (codes 11-15 name no function).
inline constexpr int SideKeyFunctionCount = 11;

// The rules between bytes 0x81D/0x81E and the Side Key dialog. The lists do not
// offer every function, so a list position is not a code: codes travel by name.
namespace SideKeyCodec {

// The function names in code order, in one language.
const std::array<std::string, SideKeyFunctionCount>& FunctionNames(Lang lang);

// The entries of one list, in code order, without the functions that key and
// press cannot have.
std::vector<std::string> Entries(SideKeyList list, Lang lang);

// The code a shown text stands for; a text that is no function name (an
// empty one included) stands for 0, "NO Function".
int CodeOfName(std::string_view text, Lang lang);

// The selected position of each list on opening; NoSelection (-1) where the
// stored code names no function of that list.
std::array<int, SideKeyListCount> Open(const MemoryImage& image, Lang lang);

// Writes as codes the texts of the lists the user changed (OK): those whose
// shown text differs from the one opened with. The half byte of every other
// list stays as found, whatever code it holds.
void Accept(const std::array<std::string, SideKeyListCount>& opened,
            const std::array<std::string, SideKeyListCount>& shown, Lang lang, MemoryImage& image);

} // namespace SideKeyCodec
