#pragma once

#include <QObject>
#include <QStringList>

class QAction;
class QMenu;
class ProfileFile;

// The four most recently used channel files, kept in the settings file beside
// the language choice (section "Recent File List", File1..File4) and shown in
// the File menu before Exit as "&1 path" … "&4 path".
class RecentFileList : public QObject {
    Q_OBJECT
public:
    static constexpr int Capacity = 4;

    // Entries are read from the settings file now and written back on every change.
    RecentFileList(ProfileFile& settings, QMenu* fileMenu, QAction* insertBefore, QObject* parent);

    const QStringList& Files() const { return m_Files; }
    void Add(const QString& path);
    void Remove(const QString& path);

signals:
    void OpenRequested(const QString& path);

private:
    void Store();
    void RebuildMenu();

    ProfileFile& m_Settings;
    QMenu* m_Menu;
    QAction* m_InsertBefore;
    QList<QAction*> m_Entries;
    QAction* m_Separator = nullptr;
    QStringList m_Files;
};
