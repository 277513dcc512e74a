#include "commands/ChannelListCommands.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>

#include "commands/FileCommands.h"
#include "base/ModalRunner.h"
#include "base/AppLanguage.h"
#include "base/Prompter.h"
#include "document/ChannelDocument.h"
#include "document/ShownPath.h"
#include "formats/ChannelCsv.h"
#include "formats/ChirpExport.h"
#include "formats/ChirpImport.h"
#include "formats/Csv.h"
#include "formats/ImportPreviewDialog.h"
#include "image/AtomicFileWriter.h"
#include "image/BandLimits.h"
#include "image/CommandTexts.h"
#include "image/FileContents.h"

namespace {

using CommandTexts::CannotRead;
constexpr BiText ImportStep = CommandTexts::Steps::ImportChannels;
constexpr BiText CannotWrite{"Cannot write the file %1.", "无法写入文件 %1。"};

QString ChirpFilter() {
    return ChannelListCommands::tr("CHIRP CSV (*.csv)");
}

QString OwnFilter() {
    return ChannelListCommands::tr("Orin CSV (*.csv)");
}

QString DialogOpen(QWidget* owner, const QString& folder) {
    QFileDialog dialog(owner);
    dialog.setNameFilters({ChannelListCommands::tr("Channel lists (*.csv)"),
                           ChannelListCommands::tr("All files (*)")});
    dialog.setFileMode(QFileDialog::ExistingFile);
    FileCommands::PointDialogAt(dialog, folder);
    if (ModalRunner::Run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString DialogSave(QWidget* owner, const QString& suggested, bool* chirp) {
    QFileDialog dialog(owner);
    dialog.setNameFilters({ChirpFilter(), OwnFilter()});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    FileCommands::PointDialogAt(dialog, suggested);
    if (ModalRunner::Run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    *chirp = dialog.selectedNameFilter() == ChirpFilter();
    return dialog.selectedFiles().constFirst();
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

ChannelListCommands::ChannelListCommands(ChannelDocument& doc, QWidget* owner)
    : QObject(owner), m_Doc(doc), m_Owner(owner), m_ChooseOpen(DialogOpen),
      m_ChooseSave(DialogSave) {
    m_Import = new QAction(this);
    m_Import->setObjectName(QStringLiteral("ID_FILE_IMPORT_CHANNELS"));
    m_Export = new QAction(this);
    m_Export->setObjectName(QStringLiteral("ID_FILE_EXPORT_CHANNELS"));
    connect(m_Import, &QAction::triggered, this, &ChannelListCommands::OnImport);
    connect(m_Export, &QAction::triggered, this, &ChannelListCommands::OnExport);
    if (owner) {
        owner->installEventFilter(this);
    }
    Retranslate();
}

void ChannelListCommands::Retranslate() {
    m_Import->setText(tr("&Import Channels..."));
    m_Import->setStatusTip(tr("Import a channel list: CHIRP CSV or Orin CSV"));
    m_Export->setText(tr("&Export Channels..."));
    m_Export->setStatusTip(tr("Export the channels as CHIRP CSV or Orin CSV"));
}

bool ChannelListCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_Owner && event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    return QObject::eventFilter(watched, event);
}

void ChannelListCommands::OnImport() {
    const QString folder = m_DocumentFolder ? m_DocumentFolder() : QString();
    const QString path = m_ChooseOpen ? m_ChooseOpen(m_Owner, folder) : QString();
    if (!path.isEmpty()) {
        ImportFile(path);
    }
}

void ChannelListCommands::OnExport() {
    bool chirp = true;
    const QString folder = m_DocumentFolder ? m_DocumentFolder() : QString();
    QString suggested = m_DocumentBaseName ? m_DocumentBaseName() : QString();
    if (!suggested.isEmpty()) {
        suggested += QStringLiteral(".csv");
        if (!folder.isEmpty()) {
            suggested = QDir(folder).filePath(suggested);
        }
    }
    const QString path = m_ChooseSave ? m_ChooseSave(m_Owner, suggested, &chirp) : QString();
    if (!path.isEmpty()) {
        ExportFile(path, chirp);
    }
}

bool ChannelListCommands::ImportFile(const QString& path) {
    // Read as orinctl import reads it: a pipe or a device chosen by name would
    // make the window wait for ever, a huge file fill its memory.
    const FileContents file = FileContents::Read(QDir::toNativeSeparators(path).toStdString(),
                                                 Csv::MaxFileBytes, FileContents::Excess::Refuse);
    if (!file.Ok()) {
        CurrentPrompter().ShowMessage(m_Owner, Tr(CannotRead).arg(ShownPath(path)));
        return false;
    }
    const std::string& csv = file.data;
    // Checked against the channels and band edges as they are now, an edit
    // still being typed included.
    const MemoryImage current = m_Doc.settledImage();
    const BandEdges band = DecodeBandLimits(current);
    const bool chirp = ChirpImport::LooksLikeChirp(csv);
    ChannelImport::Note error;
    ChirpImport::ReadResult read;
    std::vector<ChannelImport::Row> ownRows;
    // The same file against the widest band edges tells which refused rows a
    // change of the edges would bring in.
    std::vector<ChannelImport::Row> widest;
    if (chirp) {
        read = ChirpImport::Read(csv, band);
        error = read.error;
        widest = ChirpImport::Read(csv, ChannelImport::WidestBand).rows;
    } else {
        ownRows = ChannelCsv::PreviewRows(csv, current, error);
        MemoryImage widened = current;
        EncodeBandLimits(ChannelImport::WidestBand.lower, ChannelImport::WidestBand.upper, widened);
        ChannelImport::Note ignored;
        widest = ChannelCsv::PreviewRows(csv, widened, ignored);
    }
    const QString name = ShownPath(QFileInfo(path).fileName());
    if (!error.english.empty()) {
        CurrentPrompter().ShowMessage(m_Owner,
                                      Tr(CommandTexts::ImportRefused).arg(name, Text(error.In(CurrentLang()))));
        return false;
    }
    ImportPreviewDialog preview(
        name, chirp,
        [&](ChannelImport::Placement placement) {
            return chirp ? ChirpImport::Place(read, placement) : ownRows;
        },
        m_Owner);
    preview.SetBandEdges(band,
                         ChannelImport::AdmittedByWidestBand(chirp ? read.rows : ownRows, widest));
    if (ModalRunner::Run(preview) != QDialog::Accepted) {
        return false;
    }
    const std::vector<ChannelImport::Row> rows = preview.Rows();
    const bool emptyOthers = preview.EmptyOthers();
    return m_Doc.apply(ImportStep, [&](MemoryImage& image) {
        ChannelImport::Apply(rows, emptyOthers, image);
        return true;
    });
}

bool ChannelListCommands::ExportFile(const QString& path, bool chirp) {
    const MemoryImage image = m_Doc.settledImage();
    std::string csv;
    std::vector<ChannelImport::Row> notes;
    if (chirp) {
        ChirpExport::ExportResult exported = ChirpExport::Export(image);
        csv = std::move(exported.csv);
        notes = std::move(exported.notes);
    } else {
        csv = ChannelCsv::Dump(image, CurrentLang());
    }
    AtomicFileWriter writer(QDir::toNativeSeparators(path).toStdString());
    if (!writer.Write(csv)) {
        CurrentPrompter().ShowMessage(m_Owner, Tr(CannotWrite).arg(ShownPath(path)));
        return false;
    }
    if (!notes.empty()) {
        QStringList details;
        for (const ChannelImport::Row& note : notes) {
            details << Text(ChannelImport::NotesText(note, CurrentLang()));
        }
        CurrentPrompter().ShowMessage(m_Owner, Tr(CommandTexts::ExportLeftOut).arg(ShownPath(QFileInfo(path).fileName())),
                                      details.join(QLatin1Char('\n')));
    }
    return true;
}
