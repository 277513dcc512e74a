#pragma once

class ProfileFile;
class QMainWindow;
class QTableView;

// The main window's size and place and the channel table's column widths as
// the user left them, kept in MAIN.ini. Without kept values the window opens
// wide enough for every column (the screen then bounds it).
namespace WindowPlacement {

void Restore(QMainWindow& window, QTableView& table, const ProfileFile& profile);
void Keep(const QMainWindow& window, const QTableView& table, ProfileFile& profile);
// The window width at which table shows every column without a scroll bar.
int WidthShowingEveryColumn(const QMainWindow& window, QTableView& table);

} // namespace WindowPlacement
