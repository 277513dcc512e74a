#include "commands/RecentFileList.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "document/ShownPath.h"
#include "formats/ProfileFile.h"

namespace {
const std::string Section = "Recent File List";
std::string KeyOf(int i) {
    return "File" + std::to_string(i + 1);
}

// The settings file reads "//", "/*" and a tab before ";" as the start of a
// comment; a path holding one would come back cut, so it is not kept.
bool Storable(const QString& path) {
    for (const char* marker : {"//", "/*", "\t;"}) {
        if (path.contains(QLatin1String(marker))) {
            return false;
        }
    }
    return true;
}
} // namespace

RecentFileList::RecentFileList(ProfileFile& settings, QMenu* fileMenu, QAction* insertBefore,
                               QObject* parent)
    : QObject(parent), m_Settings(settings), m_Menu(fileMenu), m_InsertBefore(insertBefore) {
    for (int i = 0; i < Capacity; ++i) {
        const QString path = QDir::fromNativeSeparators(
            QString::fromStdString(m_Settings.GetValue(Section, KeyOf(i), "")));
        if (!path.isEmpty() && !m_Files.contains(path)) {
            m_Files.append(path);
        }
    }
    RebuildMenu();
}

void RecentFileList::Add(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    if (!Storable(QDir::toNativeSeparators(full))) {
        return;
    }
    m_Files.removeAll(full);
    m_Files.prepend(full);
    while (m_Files.size() > Capacity) {
        m_Files.removeLast();
    }
    Store();
    RebuildMenu();
}

void RecentFileList::Remove(const QString& path) {
    if (m_Files.removeAll(QFileInfo(path).absoluteFilePath()) + m_Files.removeAll(path) > 0) {
        Store();
        RebuildMenu();
    }
}

void RecentFileList::Store() {
    for (int i = 0; i < Capacity; ++i) {
        m_Settings.SetValue(Section, KeyOf(i),
                            i < m_Files.size() ? QDir::toNativeSeparators(m_Files[i]).toStdString()
                                               : std::string());
    }
    m_Settings.Save();
}

void RecentFileList::RebuildMenu() {
    for (QAction* a : m_Entries) {
        m_Menu->removeAction(a);
        a->deleteLater();
    }
    m_Entries.clear();
    if (m_Separator) {
        m_Menu->removeAction(m_Separator);
        m_Separator->deleteLater();
        m_Separator = nullptr;
    }
    if (m_Files.isEmpty()) {
        return;
    }
    for (int i = 0; i < m_Files.size(); ++i) {
        const QString path = m_Files[i];
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(ShownPath(path).replace(
                                       QLatin1Char('&'), QStringLiteral("&&"))),
                                   m_Menu);
        action->setStatusTip(ShownPath(path));
        connect(action, &QAction::triggered, this, [this, path] { emit OpenRequested(path); });
        m_Menu->insertAction(m_InsertBefore, action);
        m_Entries.append(action);
    }
    m_Separator = m_Menu->insertSeparator(m_InsertBefore);
}
