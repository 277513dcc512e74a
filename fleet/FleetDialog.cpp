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
    m_Table->horizontalHeader()->setSectionResizeMode(ResultColumn, QHeaderView::Stretch);
    m_Table->setMinimumSize(720, 200);
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
    m_Status->setText(tr("Tick the ports with a radio, then press Start."));
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
    if (Field() == FleetNumbering::Field::None) {
        m_Next->setText(tr("Every radio gets the file as it is."));
        return;
    }
    const std::size_t count = std::max<std::size_t>(1, TickedPorts().size());
    const FleetNumbering::Sequence ids = FleetNumbering::Ids(FirstId().toStdString(), count);
    if (ids.error) {
        m_Next->setText(In(*ids.error));
    } else if (count == 1) {
        m_Next->setText(tr("The next radio gets ID %1.").arg(Q(ids.ids.front())));
    } else {
        m_Next->setText(tr("The next %1 radios get IDs %2 to %3.")
                            .arg(count)
                            .arg(Q(ids.ids.front()), Q(ids.ids.back())));
    }
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
    const FleetNumbering::Field field = Field();
    std::vector<std::string> ids(ports.size());
    if (field != FleetNumbering::Field::None) {
        const FleetNumbering::Sequence sequence =
            FleetNumbering::Ids(FirstId().toStdString(), ports.size());
        if (sequence.error) {
            CurrentPrompter().ShowMessage(this, In(*sequence.error));
            return;
        }
        ids = sequence.ids;
    }
    const std::string record = m_Record->text().trimmed().toStdString();
    const Lang lang = CurrentLang();
    if (FleetText error; !record.empty() && !FleetRecord::Prepare(record, lang, error)) {
        CurrentPrompter().ShowMessage(this, In(error));
        return;
    }
    if (m_BeforeWrite && !m_BeforeWrite()) {
        return;
    }
    FleetOptions options;
    options.field = field;
    options.bVerify = true; // a radio counts only when it holds what was written
    options.sleep = m_Sleep;
    m_Writer = std::make_unique<FleetWriter>(m_Image, options, m_Links);
    m_Radios.clear();
    m_FirstRow = m_Table->rowCount();
    m_Verified = 0;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        m_Radios.push_back({ports[i].toStdString(), ids[i]});
        const int row = m_Table->rowCount();
        m_Table->insertRow(row);
        m_Table->setItem(row, PortColumn, new QTableWidgetItem(ports[i]));
        m_Table->setItem(row, IdColumn, new QTableWidgetItem(Q(ids[i])));
        m_Table->setItem(row, ResultColumn, new QTableWidgetItem(tr("writing...")));
        auto* bar = new QProgressBar(m_Table);
        bar->setRange(0, m_Writer->TotalBlocks());
        bar->setValue(0);
        bar->setAccessibleName(tr("Progress of the radio on %1").arg(ports[i]));
        m_Table->setCellWidget(row, ProgressColumn, bar);
    }
    m_Table->scrollToBottom();
    SetRunning(true);
    m_Status->setText(ports.size() == 1 ? tr("Writing radio %1...").arg(m_Done + 1)
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
                if (FleetText error;
                    !record.empty() && !FleetRecord::Append(record, result, lang, error)) {
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
    }
}

void FleetDialog::OnFinished(int row, const FleetResult& result) {
    const QString texts[ColumnCount] = {Q(result.port),
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
    m_bLastOk = result.bOk;
    if (m_Radios.size() != 1) {
        return;
    }
    const QString id = Q(result.id);
    if (result.bOk) {
        m_Status->setText(
            id.isEmpty()
                ? tr("Radio %1 done: verified. Connect the next radio and press Start.").arg(m_Done)
                : tr("Radio %1 done: ID %2, verified. Connect the next radio and press Start.")
                      .arg(m_Done)
                      .arg(id));
    } else {
        m_Status->setText(
            tr("Radio %1 failed: %2. Press Start to write it again%3.")
                .arg(m_Done)
                .arg(In(result.result), id.isEmpty() ? QString() : tr(" with ID %1").arg(id)));
        --m_Done; // tried again as the same radio
    }
}

void FleetDialog::OnRunEnded() {
    if (m_Worker.joinable()) {
        m_Worker.join();
    }
    const bool bCancelled = m_Writer && m_Writer->Cancelled();
    // The next ID: after the last one given, but a lone radio that failed
    // gets its own ID again.
    if (Field() != FleetNumbering::Field::None && !m_Radios.empty() &&
        (m_Radios.size() > 1 || m_bLastOk)) {
        if (const auto next = FleetNumbering::Next(m_Radios.back().id)) {
            m_First->setText(Q(*next));
        }
    }
    if (bCancelled) {
        m_Status->setText(tr("Stopped. Radios stopped in the middle must be written again."));
    } else if (m_Radios.size() > 1) {
        m_Status->setText(tr("%1 of %2 radios verified. Connect the next radios and press Start.")
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
        m_Status->setText(tr("Stopping every radio..."));
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
