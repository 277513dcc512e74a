#include "shell/WindowPlacement.h"

#include <QByteArray>
#include <QHeaderView>
#include <QLayout>
#include <QMainWindow>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>

#include "formats/ProfileFile.h"

namespace WindowPlacement {

namespace {

constexpr const char* Section = "MAIN";
constexpr const char* GeometryKey = "WINDOW";
constexpr const char* ColumnsKey = "COLUMNS";
constexpr int FirstWidth = 1024;
constexpr int FirstHeight = 768;

// Qt's saved states as one line of base64, which no INI reader can split.
QByteArray Read(const ProfileFile& profile, const char* key) {
    return QByteArray::fromBase64(QByteArray::fromStdString(profile.GetValue(Section, key, "")));
}

void Write(ProfileFile& profile, const char* key, const QByteArray& state) {
    profile.SetValue(Section, key, state.toBase64().toStdString());
}

} // namespace

int WidthShowingEveryColumn(const QMainWindow& window, QTableView& table) {
    // The table's wish when it would show all of its contents.
    const auto policy = table.sizeAdjustPolicy();
    table.setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    int width = table.sizeHint().width() + table.verticalScrollBar()->sizeHint().width();
    table.setSizeAdjustPolicy(policy);
    // Plus what the window puts around it.
    for (const QWidget* w = table.parentWidget(); w && w != &window; w = w->parentWidget()) {
        if (const QLayout* layout = w->layout()) {
            width += layout->contentsMargins().left() + layout->contentsMargins().right();
        }
    }
    return width;
}

void Restore(QMainWindow& window, QTableView& table, const ProfileFile& profile) {
    const QByteArray columns = Read(profile, ColumnsKey);
    if (!columns.isEmpty()) {
        table.horizontalHeader()->restoreState(columns);
    }
    const QByteArray geometry = Read(profile, GeometryKey);
    if (geometry.isEmpty() || !window.restoreGeometry(geometry)) {
        window.resize(std::max(FirstWidth, WidthShowingEveryColumn(window, table)), FirstHeight);
    }
}

void Keep(const QMainWindow& window, const QTableView& table, ProfileFile& profile) {
    Write(profile, GeometryKey, window.saveGeometry());
    Write(profile, ColumnsKey, table.horizontalHeader()->saveState());
}

} // namespace WindowPlacement
