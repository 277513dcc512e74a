#pragma once

// A list control's position as the settings dialogs store it: entries count
// from 0, and a list that shows nothing has no position.
inline constexpr int NoSelection = -1;
