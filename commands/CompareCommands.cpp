#include "commands/CompareCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>

#include "commands/FileCommands.h"
#include "base/ModalRunner.h"
#include "formats/ProfileFile.h"
#include "transfer/TransferCommands.h"
#include "base/AppLanguage.h"
#include "base/Prompter.h"
#include "document/ChannelDocument.h"
#include "document/ShownPath.h"
#include "compare/CompareDialog.h"
#include "compare/CompareTexts.h"
#include "image/ChannelFile.h"

namespace {

constexpr const char* ProfileSection = "MAIN";
constexpr const char* VerifyKey = "VERIFY_AFTER_WRITE";

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CompareCommands::CompareCommands(ChannelDocument& doc, FileCommands& files, TransferCommands& transfer,
                                 ProfileFile& profile, QWidget* owner)
    : QObject(owner), m_Doc(doc), m_Files(files), m_Transfer(transfer), m_Profile(profile),
      m_Owner(owner), m_CompareFile(new QAction(this)), m_CompareRadio(new QAction(this)),
      m_Verify(new QAction(this)) {
    m_CompareFile->setObjectName(QStringLiteral("compareWithFile"));
    m_CompareRadio->setObjectName(QStringLiteral("compareWithRadio"));
    m_Verify->setObjectName(QStringLiteral("verifyAfterWrite"));
    m_Verify->setCheckable(true);
    m_Verify->setChecked(m_Profile.GetValue(ProfileSection, VerifyKey, "0") == "1");
    m_Transfer.SetVerifyAfterWrite(m_Verify->isChecked());
    connect(m_CompareFile, &QAction::triggered, this, &CompareCommands::OnCompareWithFile);
    connect(m_CompareRadio, &QAction::triggered, &m_Transfer,
            &TransferCommands::OnCompareWithRadio);
    connect(m_Verify, &QAction::toggled, this, &CompareCommands::SetVerify);
    connect(&m_Transfer, &TransferCommands::radioReadForCompare, this,
            &CompareCommands::ShowRadioComparison);
    connect(&m_Transfer, &TransferCommands::writeReadBack, this,
            &CompareCommands::ShowVerifyResult);
    connect(&m_Transfer, &TransferCommands::busyChanged, this,
            [this](bool busy) { m_CompareRadio->setEnabled(!busy); });
    qApp->installEventFilter(this);
    Retranslate();
}

void CompareCommands::Retranslate() {
    m_CompareFile->setText(tr("Compare With &File..."));
    m_CompareFile->setStatusTip(
        tr("Show what differs between the channel data and a channel file"));
    m_CompareRadio->setText(tr("&Compare With Radio..."));
    m_CompareRadio->setStatusTip(
        tr("Read the radio and show what differs from the channel data, which stays as it is"));
    m_Verify->setText(tr("&Verify After Write"));
    m_Verify->setStatusTip(tr("After every write, read the radio back and compare"));
}

bool CompareCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp && event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    return QObject::eventFilter(watched, event);
}

void CompareCommands::SetVerify(bool on) {
    m_Transfer.SetVerifyAfterWrite(on);
    m_Profile.SetValue(ProfileSection, VerifyKey, on ? "1" : "0");
}

void CompareCommands::OnCompareWithFile() {
    const QString path = m_Files.Choose(false, m_Files.DocumentFolder());
    if (!path.isEmpty()) {
        CompareWithFile(path);
    }
}

bool CompareCommands::CompareWithFile(const QString& path) {
    ChannelFile file;
    const FileOutcome loaded = file.LoadFile(path.toStdString());
    if (!loaded.ok) {
        CurrentPrompter().ShowMessage(m_Owner, Text(loaded.Message(CurrentLang())), {});
        return false;
    }
    const ImageComparison comparison =
        CompareImages(m_Doc.settledImage(), file.Image(), CompareScope::WholeImage, CurrentLang());
    const QString name = ShownPath(QFileInfo(path).fileName());
    CompareDialog dialog(comparison, CurrentLang(), tr("Compare With File"),
                         tr("The channel data as it stands, against %1.").arg(name),
                         tr("Channel data"), name, m_Owner);
    ModalRunner::Run(dialog);
    return true;
}

void CompareCommands::ShowRadioComparison(const MemoryImage& radio) {
    // The radio as a read would bring it into the window, so that only what
    // the user changed shows, not the grid's own way of storing the texts.
    const ImageComparison comparison = CompareImages(m_Doc.settledImage(), AsCommitted(radio),
                                                     CompareScope::Transferred, CurrentLang());
    CompareDialog dialog(comparison, CurrentLang(), tr("Compare With Radio"),
                         tr("The channel data as it stands, against what the radio holds."),
                         tr("Channel data"), tr("Radio"), m_Owner);
    ModalRunner::Run(dialog);
}

void CompareCommands::ShowVerifyResult(TransferOutcome readBack, const MemoryImage& written,
                                       const MemoryImage& radio) {
    if (readBack == TransferOutcome::Cancelled) {
        return; // the user stopped the check and knows it did not happen
    }
    if (readBack != TransferOutcome::Completed) {
        CurrentPrompter().ShowMessage(m_Owner, Tr(CompareTexts::ReadBackFailed), {});
        return;
    }
    const ImageComparison comparison =
        CompareImages(written, radio, CompareScope::Transferred, CurrentLang());
    if (comparison.Same()) {
        CurrentPrompter().ShowMessage(m_Owner, Tr(CompareTexts::WriteVerified), {});
        return;
    }
    CompareDialog dialog(
        comparison, CurrentLang(), tr("Verify After Write"),
        tr("The radio was read back after the write: it does not hold what was written."),
        tr("Written"), tr("Radio"), m_Owner);
    ModalRunner::Run(dialog);
}
