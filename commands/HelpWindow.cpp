#include "commands/HelpWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

// The help pages are compiled into the GUI library, which is static: their
// resources must be registered by hand.
static void InitHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace {

// The text between <tag ...> and </tag> of a page, or a meta content.
QString Extract(const QString& html, const QString& pattern) {
    const QRegularExpressionMatch m =
        QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption).match(html);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    InitHelpResources();
    m_Tabs = new QTabWidget;
    m_Contents = new QTreeWidget;
    m_Contents->setHeaderHidden(true);
    m_Find = new QLineEdit;
    m_Index = new QListWidget;
    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    indexLayout->addWidget(m_Find);
    indexLayout->addWidget(m_Index);
    m_Tabs->addTab(m_Contents, tr("Contents"));
    m_Tabs->addTab(indexPage, tr("Index"));

    m_Browser = new QTextBrowser;
    m_Browser->setOpenExternalLinks(false);
    auto* splitter = new QSplitter;
    splitter->addWidget(m_Tabs);
    splitter->addWidget(m_Browser);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({220, 600});
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    resize(820, 560);

    connect(m_Contents, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { ShowPage(item->data(0, Qt::UserRole).toString()); });
    connect(m_Contents, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { ShowPage(item->data(0, Qt::UserRole).toString()); });
    connect(m_Index, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toString()); });
    connect(m_Index, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toString()); });
    connect(m_Find, &QLineEdit::textChanged, this, &HelpWindow::FilterIndex);
}

void HelpWindow::LoadBook(const QString& book) {
    m_Book = book;
    m_Browser->setSearchPaths({QStringLiteral(":/help/%1").arg(book)});
    ReadBook();
    setWindowTitle(m_Topics.isEmpty() ? book : m_Topics.constFirst().title);
    m_Tabs->setTabText(0, tr("Contents"));
    m_Tabs->setTabText(1, tr("Index"));
    if (!m_Topics.isEmpty()) {
        ShowPage(m_Topics.constFirst().file);
    }
}

void HelpWindow::ReadBook() {
    m_Topics.clear();
    m_Contents->clear();
    m_Index->clear();
    // contents.txt lists the pages in reading order, one file name a line.
    QFile list(QStringLiteral(":/help/%1/contents.txt").arg(m_Book));
    if (!list.open(QIODevice::ReadOnly)) {
        return;
    }
    const QStringList files =
        QString::fromUtf8(list.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QList<QPair<QString, QString>> index;
    for (const QString& line : files) {
        const QString file = line.trimmed();
        QFile page(QStringLiteral(":/help/%1/%2").arg(m_Book, file));
        if (file.isEmpty() || !page.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QString html = QString::fromUtf8(page.readAll());
        Topic topic{Extract(html, QStringLiteral("<title>(.*?)</title>")), file, {}};
        const QString keywords =
            Extract(html, QStringLiteral("<meta name=\"keywords\" content=\"(.*?)\""));
        for (const QString& k : keywords.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            topic.keywords.append(k.trimmed());
            index.append({k.trimmed(), file});
        }
        auto* item = new QTreeWidgetItem(m_Contents, {topic.title});
        item->setData(0, Qt::UserRole, file);
        m_Topics.append(topic);
    }
    std::sort(index.begin(), index.end(), [](const auto& a, const auto& b) {
        return QString::localeAwareCompare(a.first, b.first) < 0;
    });
    for (const auto& [keyword, file] : index) {
        auto* item = new QListWidgetItem(keyword, m_Index);
        item->setData(Qt::UserRole, file);
    }
}

void HelpWindow::FilterIndex(const QString& text) {
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < m_Index->count(); ++i) {
        QListWidgetItem* item = m_Index->item(i);
        const bool match = item->text().contains(text.trimmed(), Qt::CaseInsensitive);
        item->setHidden(!match);
        if (match && !first) {
            first = item;
        }
    }
    if (first) {
        m_Index->setCurrentItem(first);
    }
}

void HelpWindow::ShowPage(const QString& file) {
    if (!file.isEmpty()) {
        m_Browser->setSource(QUrl(QStringLiteral("qrc:/help/%1/%2").arg(m_Book, file)));
    }
}

void HelpWindow::ShowContents() {
    m_Tabs->setCurrentIndex(0);
}
void HelpWindow::ShowIndex() {
    m_Tabs->setCurrentIndex(1);
    m_Find->setFocus();
}
int HelpWindow::CurrentTab() const {
    return m_Tabs->currentIndex();
}

QStringList HelpWindow::Keywords() const {
    QStringList out;
    for (int i = 0; i < m_Index->count(); ++i) {
        out.append(m_Index->item(i)->text());
    }
    return out;
}
