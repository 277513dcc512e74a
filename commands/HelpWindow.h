#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

// The help viewer: a contents tree and a keyword index beside the page. It
// shows one help book, chosen by the interface language.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Loads the book (resource folder :/help/<book>/) and shows its first page.
    void LoadBook(const QString& book);
    const QString& Book() const { return m_Book; }

    void ShowContents();
    void ShowIndex();
    // The tab in front: 0 contents, 1 index.
    int CurrentTab() const;

    QTextBrowser* Browser() const { return m_Browser; }
    QTreeWidget* ContentsTree() const { return m_Contents; }
    QListWidget* IndexList() const { return m_Index; }
    // Index keywords of the loaded book, in the list's order.
    QStringList Keywords() const;

private:
    struct Topic {
        QString title;
        QString file;
        QStringList keywords;
    };
    void ReadBook();
    void FilterIndex(const QString& text);
    void ShowPage(const QString& file);

    QString m_Book;
    QList<Topic> m_Topics;
    QTabWidget* m_Tabs;
    QTreeWidget* m_Contents;
    QLineEdit* m_Find;
    QListWidget* m_Index;
    QTextBrowser* m_Browser;
};
