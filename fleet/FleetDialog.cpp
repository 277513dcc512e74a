#include "fleet/FleetDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/AppLanguage.h"
#include "base/Prompter.h"
#include "fleet/FleetPorts.h"
#include "image/ImageMap.h"

namespace {

enum Column {
    PortColumn,
    IdColumn,
    ProgressColumn,
    ResultColumn,
    ModelColumn,
    VersionColumn,
    SecondsColumn,
    TimeColumn,
    ColumnCount
};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString In(const FleetText& text) {
    return Q(text.In(CurrentLang()));
}

} // namespace

FleetDialog::FleetDialog(const MemoryImage& image, const QString& recordPath,
                         const std::vector<Port>& ports, FleetWriter::LinkFactory links,
                         QWidget* parent)
    : QDialog(parent), m_Image(image), m_Links(std::move(links)), m_Field(new QComboBox(this)),
      m_First(new QLineEdit(this)), m_Next(new QLabel(this)), m_Ports(new QListWidget(this)),
      m_Record(new QLineEdit(recordPath, this)), m_Browse(new QPushButton(tr("&Browse..."), this)),
      m_Table(new QTableWidget(0, ColumnCount, this)), m_Status(new QLabel(this)),
      m_Start(new QPushButton(tr("&Start"), this)), m_Cancel(new QPushButton(tr("Cancel"), this)),
      m_Close(new QPushButton(tr("C&lose"), this)) {
    setObjectName(QStringLiteral("FleetDialog"));
    m_PortList = ports;
    setWindowTitle(tr("Write To Several Radios"));
    setModal(true);

    m_Field->addItems({tr("No numbering"), tr("ID"), tr("Call ID")});
    m_Field->setCurrentIndex(1);
    m_Field->setAccessibleName(tr("Box that gets a number per radio"));
    m_First->setText(QStringLiteral("1001"));
    m_First->setMaxLength(SettingsMap::IdMaxLength);
    m_First->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9A-Za-z]*")), m_First));
    m_First->setAccessibleName(tr("ID of the next radio"));
    m_Next->setAccessibleName(tr("IDs the next radios get"));
    m_Next->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_Next->setWordWrap(true);
    auto* numbering = new QFormLayout;
    numbering->addRow(tr("&Number each radio in:"), m_Field);
    numbering->addRow(tr("&First ID:"), m_First);
    numbering->addRow(QString(), m_Next);

    for (const Port& port : ports) {
        auto* item = new QListWidgetItem(port.label, m_Ports);
        item->setData(Qt::UserRole, port.name);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(port.bTicked ? Qt::Checked : Qt::Unchecked);
    }
    m_Ports->setAccessibleName(tr("Ports with a radio to write"));
    m_Ports->setCurrentRow(0);
    auto* portsLabel =
        new QLabel(tr("&Ports (one ticked: radio after radio; several: all at once):"), this);
    portsLabel->setBuddy(m_Ports);

    m_Record->setAccessibleName(tr("Record file"));
    m_Browse->setAccessibleName(tr("Choose the record file"));
    auto* record = new QHBoxLayout;
    auto* recordLabel = new QLabel(tr("&Record:"), this);
    recordLabel->setBuddy(m_Record);
    record->addWidget(recordLabel);
    record->addWidget(m_Record, 1);
    record->addWidget(m_Browse);

    m_Table->setHorizontalHeaderLabels({tr("Port"), tr("ID"), tr("Progress"), tr("Result"),
                                        tr("Model"), tr("Version"), tr("Seconds"),
                                        tr("Date and time")});
    m_Table->setAccessibleName(tr("Radios written"));
    m_Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_Table->verticalHeader()->setVisible(false);
    // Every column as wide as its texts; the result takes the room left and
    // wraps a long reason over lines, so it is read whole at the dialog's size.
    m_Table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_Table->horizontalHeader()->setSectionResizeMode(ResultColumn, QHeaderView::Stretch);
    m_Table->horizontalHeader()->setSectionResizeMode(ProgressColumn, QHeaderView::Fixed);
    m_Table->setColumnWidth(ProgressColumn, 120);
    m_Table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_Table->setWordWrap(true);
    m_Table->setMinimumSize(900, 220);
    m_Status->setAccessibleName(tr("State of the radios"));
    m_Status->setWordWrap(true);

    m_Start->setAccessibleName(tr("Start writing the radios"));
    m_Start->setDefault(true);
    m_Cancel->setAccessibleName(tr("Stop every radio"));
    m_Close->setAccessibleName(tr("Close the dialog"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_Start, QDialogButtonBox::ActionRole);
    buttons->addButton(m_Cancel, QDialogButtonBox::ActionRole);
    buttons->addButton(m_Close, QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(numbering);
    layout->addWidget(portsLabel);
    layout->addWidget(m_Ports);
    layout->addLayout(record);
    layout->addWidget(m_Table, 1);
    layout->addWidget(m_Status);
    layout->addWidget(buttons);

    connect(m_Field, &QComboBox::currentIndexChanged, this, [this] {
        m_First->setEnabled(Field() != FleetNumbering::Field::None);
        ShowNextId();
    });
    connect(m_First, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int cursor = m_First->cursorPosition();
        m_First->setText(text.toUpper());
        m_First->setCursorPosition(cursor);
        ShowNextId();
    });
    connect(m_Ports, &QListWidget::itemChanged, this, &FleetDialog::ShowNextId);
    connect(m_Browse, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, tr("Record"), m_Record->text(),
                                                          tr("CSV files (*.csv)"), nullptr,
                                                          QFileDialog::DontConfirmOverwrite);
        if (!path.isEmpty()) {
            m_Record->setText(path);
        }
    });
    connect(m_Start, &QPushButton::clicked, this, &FleetDialog::Start);
    connect(m_Cancel, &QPushButton::clicked, this, &FleetDialog::CancelAll);
    connect(m_Close, &QPushButton::clicked, this, &FleetDialog::reject);
    SetRunning(false);
    ShowNextId();
    SetStatus(tr("Tick the ports with a radio, then press Start."));
}

void FleetDialog::SetNumbering(const FleetNumbering::Book& book) {
    m_Book = book;
    m_Field->setCurrentIndex(static_cast<int>(book.field));
    m_First->setText(Q(book.next));
    m_First->setEnabled(!IsRunning() && Field() != FleetNumbering::Field::None);
    ShowNextId();
}

FleetNumbering::Book FleetDialog::Numbering() const {
    FleetNumbering::Book book = m_Book;
    book.field = Field();
    book.next = FirstId().toStdString();
    return book;
}

FleetText FleetDialog::Shown(const std::string& port) const {
    for (const Port& p : m_PortList) {
        if (p.name.toStdString() == port && !p.shown.english.empty()) {
            return p.shown;
        }
    }
    return {port, port};
}

// A label's text is what a screen reader says of it too: its name says what
// it is, its description what it says now.
void FleetDialog::SetStatus(const QString& text) {
    m_Status->setText(text);
    m_Status->setAccessibleDescription(text);
}

FleetDialog::~FleetDialog() {
    Stop();
}

QString FleetDialog::StatusText() const {
    return m_Status->text();
}


QString FleetDialog::FirstId() const {
    return m_First->text().trimmed().toUpper();
}

FleetNumbering::Field FleetDialog::Field() const {
    static constexpr FleetNumbering::Field Fields[] = {
        FleetNumbering::Field::None, FleetNumbering::Field::Id, FleetNumbering::Field::CallId};
    return Fields[std::max(0, m_Field->currentIndex())];
}

std::vector<QString> FleetDialog::TickedPorts() const {
    std::vector<QString> ports;
    for (int i = 0; i < m_Ports->count(); ++i) {
        if (m_Ports->item(i)->checkState() == Qt::Checked) {
            ports.push_back(m_Ports->item(i)->data(Qt::UserRole).toString());
        }
    }
    return ports;
}

void FleetDialog::ShowNextId() {
    const QString text = [this] {
        if (Field() == FleetNumbering::Field::None) {
            return tr("Every radio gets the file as it is.");
        }
        const std::size_t count = std::max<std::size_t>(1, TickedPorts().size());
        const FleetNumbering::Sequence ids = Numbering().Take(count);
        if (ids.error) {
            return In(*ids.error);
        }
        const std::size_t again = std::min(count, m_Book.again.size());
        if (count == 1) {
            return again > 0 ? tr("The next radio gets ID %1 again: its radio was not verified.")
                                   .arg(Q(ids.ids.front()))
                             : tr("The next radio gets ID %1.").arg(Q(ids.ids.front()));
        }
        if (again == 0) {
            return tr("The next %1 radios get IDs %2 to %3.")
                .arg(count)
                .arg(Q(ids.ids.front()), Q(ids.ids.back()));
        }
        QStringList list;
        for (const std::string& id : ids.ids) {
            list << Q(id);
        }
        return tr("The next %1 radios get IDs %2; first those of radios not verified.")
            .arg(count)
            .arg(list.join(QStringLiteral(", ")));
    }();
    m_Next->setText(text);
    m_Next->setAccessibleDescription(text);
}

void FleetDialog::Start() {
    if (IsRunning()) {
        return;
    }
    const std::vector<QString> ports = TickedPorts();
    if (ports.empty()) {
        CurrentPrompter().ShowMessage(this, tr("Tick the port of at least one radio."));
        return;
    }
    std::vector<std::string> devices;
    for (const QString& port : ports) {
        devices.push_back(port.toStdString());
        for (const Port& p : m_PortList) {
            if (p.name == port && !p.device.empty()) {
                devices.back() = p.device;
            }
        }
    }
    if (const auto repeat = FleetPorts::FindRepeat(devices)) {
        CurrentPrompter().ShowMessage(
            this, tr("%1 and %2 are one port: tick it once.")
                      .arg(In(Shown(ports[repeat->first].toStdString())),
                           In(Shown(ports[repeat->again].toStdString()))));
        return;
    }
    const FleetNumbering::Field field = Field();
    std::vector<std::string> ids(ports.size());
    if (field != FleetNumbering::Field::None) {
        const FleetNumbering::Sequence sequence = Numbering().Take(ports.size());
        if (sequence.error) {
            CurrentPrompter().ShowMessage(this, In(*sequence.error));
            return;
        }
        ids = sequence.ids;
    }
    const std::string record = m_Record->text().trimmed().toStdString();
    // The record keeps the language of its header.
    Lang lang = CurrentLang();
    if (!record.empty()) {
        FleetText error;
        const std::optional<Lang> kept =
            FleetRecord::Prepare(record, lang, error, m_ChannelFile.toStdString());
        if (!kept) {
            CurrentPrompter().ShowMessage(this, In(error));
            return;
        }
        lang = *kept;
    }
    if (m_BeforeWrite && !m_BeforeWrite()) {
        return;
    }
    FleetOptions options;
    options.field = field;
    options.bVerify = true; // a radio counts only when it holds what was written
    options.sleep = m_Sleep;
    m_Writer = std::make_unique<FleetWriter>(m_Image, options, m_Links);
    m_Book = Numbering();
    m_Radios.clear();
    m_RadioOk.assign(ports.size(), false);
    m_FirstRow = m_Table->rowCount();
    m_Verified = 0;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        m_Radios.push_back({ports[i].toStdString(), ids[i]});
        const int row = m_Table->rowCount();
        m_Table->insertRow(row);
        m_Table->setItem(row, PortColumn,
                         new QTableWidgetItem(In(Shown(ports[i].toStdString()))));
        m_Table->setItem(row, IdColumn, new QTableWidgetItem(Q(ids[i])));
        m_Table->setItem(row, ResultColumn, new QTableWidgetItem(tr("writing...")));
        auto* bar = new QProgressBar(m_Table);
        bar->setRange(0, m_Writer->TotalBlocks());
        bar->setValue(0);
        const QString name =
            tr("Progress of the radio on %1").arg(In(Shown(ports[i].toStdString())));
        bar->setAccessibleName(name);
        auto* cell = new QTableWidgetItem;
        cell->setData(Qt::AccessibleTextRole, name);
        cell->setData(Qt::AccessibleDescriptionRole, QStringLiteral("0%"));
        m_Table->setItem(row, ProgressColumn, cell);
        m_Table->setCellWidget(row, ProgressColumn, bar);
    }
    m_Table->scrollToBottom();
    SetRunning(true);
    SetStatus(ports.size() == 1 ? tr("Writing radio %1...").arg(m_Done + 1)
                                        : tr("Writing %1 radios at once...").arg(ports.size()));

    // The worker writes every radio and appends each one's line to the
    // record as it finishes, so the record is complete even when the dialog
    // goes first; the table hears of it through queued calls.
    FleetWriter* writer = m_Writer.get();
    const int firstRow = m_FirstRow;
    m_Worker = std::thread([this, writer, radios = m_Radios, record, lang, firstRow] {
        writer->Run(
            radios,
            [this, firstRow](std::size_t i, int done, int total) {
                if (done % 8 == 0 || done == total) {
                    QMetaObject::invokeMethod(
                        this, [=, this] { OnProgress(firstRow + int(i), done, total); },
                        Qt::QueuedConnection);
                }
            },
            [this, record, lang, firstRow](std::size_t i, const FleetResult& result) {
                FleetResult shown = result;
                FleetResult recorded = result;
                recorded.port = Shown(result.port).In(lang);
                if (FleetText error;
                    !record.empty() && !FleetRecord::Append(record, recorded, lang, error)) {
                    shown.result.english += " (" + error.english + ")";
                    shown.result.chinese += "（" + error.chinese + "）";
                }
                QMetaObject::invokeMethod(
                    this, [=, this] { OnFinished(firstRow + int(i), shown); },
                    Qt::QueuedConnection);
            });
        QMetaObject::invokeMethod(
            this, [this] { OnRunEnded(); }, Qt::QueuedConnection);
    });
}

void FleetDialog::OnProgress(int row, int done, int total) {
    if (auto* bar = qobject_cast<QProgressBar*>(m_Table->cellWidget(row, ProgressColumn))) {
        bar->setMaximum(total);
        bar->setValue(done);
        if (QTableWidgetItem* cell = m_Table->item(row, ProgressColumn)) {
            cell->setData(Qt::AccessibleDescriptionRole,
                          QStringLiteral("%1%").arg(total > 0 ? done * 100 / total : 0));
        }
    }
}

void FleetDialog::OnFinished(int row, const FleetResult& result) {
    const QString texts[ColumnCount] = {In(Shown(result.port)),
                                        Q(result.id),
                                        QString(),
                                        In(result.result),
                                        Q(result.model),
                                        Q(result.version),
                                        QString::number(result.seconds, 'f', 1),
                                        Q(result.when)};
    for (int c = 0; c < ColumnCount; ++c) {
        if (c != ProgressColumn) {
            m_Table->setItem(row, c, new QTableWidgetItem(texts[c]));
        }
    }
    m_Table->item(row, ResultColumn)
        ->setForeground(result.bOk ? palette().text().color() : QColor(Qt::red));
    ++m_Done;
    m_Verified += result.bOk ? 1 : 0;
    if (row >= m_FirstRow && std::size_t(row - m_FirstRow) < m_RadioOk.size()) {
        m_RadioOk[std::size_t(row - m_FirstRow)] = result.bOk;
    }
    if (QTableWidgetItem* cell = m_Table->item(row, ProgressColumn)) {
        cell->setData(Qt::AccessibleDescriptionRole, In(result.result));
    }
    m_Table->item(row, ResultColumn)->setToolTip(In(result.result));
    if (m_Radios.size() != 1) {
        return;
    }
    const QString id = Q(result.id);
    if (result.bOk) {
        SetStatus(
            id.isEmpty()
                ? tr("Radio %1 done: verified. Connect the next radio and press Start.").arg(m_Done)
                : tr("Radio %1 done: ID %2, verified. Connect the next radio and press Start.")
                      .arg(m_Done)
                      .arg(id));
    } else {
        // The reason alone: the sentence says "failed" and ends it.
        QString reason = In(result.reason);
        while (reason.endsWith(u'.') || reason.endsWith(u'。')) {
            reason.chop(1);
        }
        SetStatus(tr("Radio %1 failed: %2. Press Start to write it again%3.")
                      .arg(m_Done)
                      .arg(reason, id.isEmpty() ? QString() : tr(" with ID %1").arg(id)));
        --m_Done; // tried again as the same radio
    }
}

void FleetDialog::OnRunEnded() {
    if (m_Worker.joinable()) {
        m_Worker.join();
    }
    const bool bCancelled = m_Writer && m_Writer->Cancelled();
    // The next IDs: radios not verified get theirs again first, then new
    // ones after the last given.
    if (Field() != FleetNumbering::Field::None && !m_Radios.empty()) {
        std::vector<std::string> given;
        for (const FleetRadio& radio : m_Radios) {
            given.push_back(radio.id);
        }
        m_Book.Done(given, m_RadioOk);
        m_First->setText(Q(m_Book.next));
    }
    if (bCancelled) {
        SetStatus(tr("Stopped. Radios stopped in the middle must be written again."));
    } else if (m_Radios.size() > 1) {
        SetStatus(tr("%1 of %2 radios verified. Connect the next radios and press Start.")
                              .arg(m_Verified)
                              .arg(m_Radios.size()));
    }
    SetRunning(false);
    ShowNextId();
    m_Start->setFocus();
    emit runFinished();
}

void FleetDialog::SetRunning(bool running) {
    for (QWidget* w : std::initializer_list<QWidget*>{m_Field, m_First, m_Ports, m_Record, m_Browse,
                                                      m_Start, m_Close}) {
        w->setEnabled(!running);
    }
    m_First->setEnabled(!running && Field() != FleetNumbering::Field::None);
    m_Cancel->setEnabled(running);
    if (running) {
        m_Cancel->setFocus();
    }
}

void FleetDialog::CancelAll() {
    if (IsRunning() && m_Writer) {
        m_Writer->Cancel();
        SetStatus(tr("Stopping every radio..."));
    }
}

void FleetDialog::Stop() {
    if (m_Writer) {
        m_Writer->Cancel();
    }
    if (m_Worker.joinable()) {
        m_Worker.join();
    }
}

void FleetDialog::reject() {
    // Escape or Close while radios run stops them first; their lines are in
    // the record already.
    if (IsRunning()) {
        CancelAll();
        return;
    }
    QDialog::reject();
}
