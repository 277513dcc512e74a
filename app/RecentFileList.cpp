#include "app/RecentFileList.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {
const QString Group = QStringLiteral("Recent File List");
QString KeyOf(int i) {
    return QStringLiteral("File%1").arg(i + 1);
}
} // namespace

RecentFileList::RecentFileList(QSettings& settings, QMenu* fileMenu, QAction* insertBefore,
                               QObject* parent)
    : QObject(parent), m_Settings(settings), m_Menu(fileMenu), m_InsertBefore(insertBefore) {
    m_Settings.beginGroup(Group);
    for (int i = 0; i < Capacity; ++i) {
        const QString path = m_Settings.value(KeyOf(i)).toString();
        if (!path.isEmpty() && !m_Files.contains(path)) {
            m_Files.append(path);
        }
    }
    m_Settings.endGroup();
    RebuildMenu();
}

void RecentFileList::Add(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
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
    m_Settings.beginGroup(Group);
    for (int i = 0; i < Capacity; ++i) {
        if (i < m_Files.size()) {
            m_Settings.setValue(KeyOf(i), m_Files[i]);
        } else {
            m_Settings.remove(KeyOf(i));
        }
    }
    m_Settings.endGroup();
    m_Settings.sync();
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
        auto* action = new QAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(
                QDir::toNativeSeparators(path).replace(QLatin1Char('&'), QStringLiteral("&&"))),
            m_Menu);
        action->setStatusTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { emit OpenRequested(path); });
        m_Menu->insertAction(m_InsertBefore, action);
        m_Entries.append(action);
    }
    m_Separator = m_Menu->insertSeparator(m_InsertBefore);
}
