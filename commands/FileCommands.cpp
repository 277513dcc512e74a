#include "commands/FileCommands.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "base/ModalRunner.h"
#include "commands/RecentFileList.h"
#include "base/AppLanguage.h"
#include "base/Prompter.h"
#include "document/ChannelDocument.h"
#include "document/ShownPath.h"

namespace {

constexpr BiText SaveChangesQuestion{
    "The channel data has been changed.\nDo you want to save the changes?",
    "频道数据已修改。\n是否保存修改？"};
constexpr BiText SaveWrittenQuestion{
    "The radio holds the changed channel data, but the file does not.\n"
    "Do you want to save the changes?",
    "对讲机中已有修改后的频道数据，但文件中没有。\n是否保存修改？"};

constexpr BiText ChangedOnDiskQuestion{
    "The file %1 has been changed by another program since it was opened or last saved.\n"
    "Overwrite it with the channel data in this window?",
    "文件 %1 在打开或上次保存之后已被其他程序修改。\n是否用本窗口中的频道数据覆盖它？"};
constexpr BiText OverwriteButton{"&Overwrite", "覆盖(&O)"};
constexpr BiText SaveAsButton{"Save &As...", "另存为(&A)..."};

QString Message(const FileOutcome& outcome) {
    return QString::fromStdString(outcome.Message(CurrentLang()));
}

QString DialogChoose(QWidget* owner, bool save, const QString& suggested) {
    QFileDialog dialog(owner);
    dialog.setNameFilter(FileCommands::FileFilter());
    dialog.setDefaultSuffix(FileCommands::DefaultSuffix());
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    FileCommands::PointDialogAt(dialog, suggested);
    if (ModalRunner::Run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

FileCommands::FileCommands(const ShellContext& context, QWidget* owner, QObject* parent)
    : QObject(parent), m_Context(context), m_Owner(owner), m_Choose(DialogChoose) {}

QString FileCommands::FileFilter() {
    return QCoreApplication::translate("FileCommands", "Channel Data (*.sin)");
}

bool FileCommands::IsChannelFile(const QString& path) {
    return QFileInfo(path).suffix().compare(DefaultSuffix(), Qt::CaseInsensitive) == 0;
}

void FileCommands::PointDialogAt(QFileDialog& dialog, const QString& suggested) {
    if (suggested.isEmpty()) {
        return;
    }
    // selectFile() with a folder would select that folder inside its parent.
    const QFileInfo info(suggested);
    if (info.isDir()) {
        dialog.setDirectory(info.absoluteFilePath());
        return;
    }
    if (info.absoluteDir().exists()) {
        dialog.setDirectory(info.absolutePath());
    }
    dialog.selectFile(info.fileName());
}

QString FileCommands::Choose(bool save, const QString& suggested) {
    return m_Choose ? m_Choose(m_Owner, save, suggested) : QString();
}

bool FileCommands::MaybeSave() {
    ChannelDocument& doc = m_Context.doc;
    if (!doc.hasUnsavedChanges()) {
        return true;
    }
    const BiText& question = doc.isOnRadioOnly() ? SaveWrittenQuestion : SaveChangesQuestion;
    switch (CurrentPrompter().AskSaveChanges(m_Owner, Tr(question))) {
    case SaveChoice::Save:
        return OnFileSave();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

void FileCommands::OnFileNew() {
    if (!MaybeSave()) {
        return;
    }
    m_Context.doc.newDocument();
}

void FileCommands::OnFileOpen() {
    if (!MaybeSave()) {
        return;
    }
    const QString path = Choose(false, DocumentFolder());
    if (!path.isEmpty()) {
        LoadPath(path);
    }
}

bool FileCommands::OpenPath(const QString& path) {
    return MaybeSave() && LoadPath(path);
}

bool FileCommands::LoadPath(const QString& path) {
    const FileOutcome outcome = m_Context.doc.load(path);
    if (!outcome.ok) {
        CurrentPrompter().ShowMessage(m_Owner, Message(outcome));
        if (m_Recent && !QFileInfo::exists(path)) {
            m_Recent->Remove(path);
        }
        return false;
    }
    KeepFile();
    return true;
}

bool FileCommands::OnFileSave() {
    const QString path = CurrentPath();
    if (path.isEmpty()) {
        return OnFileSaveAs();
    }
    if (m_Context.doc.fileChangedOnDisk()) {
        const QString text = Tr(ChangedOnDiskQuestion).arg(ShownPath(path));
        switch (CurrentPrompter().AskChoice(
            m_Owner, text, {Tr(OverwriteButton), Tr(SaveAsButton), Prompter::CancelText()})) {
        case 0:
            break;
        case 1:
            return OnFileSaveAs();
        default:
            return false;
        }
    }
    return SaveTo(path);
}

const QString& FileCommands::CurrentPath() const {
    return m_Context.doc.filePath();
}

void FileCommands::KeepFile() {
    if (m_Recent) {
        m_Recent->Add(CurrentPath());
    }
}

bool FileCommands::OnFileSaveAs() {
    QString path = Choose(true, CurrentPath().isEmpty() ? SuggestedName() : CurrentPath());
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".sin");
    }
    return SaveTo(path);
}

bool FileCommands::SaveTo(const QString& path) {
    const FileOutcome outcome = m_Context.doc.save(path);
    if (!outcome.ok) {
        CurrentPrompter().ShowMessage(m_Owner, Message(outcome));
        return false;
    }
    KeepFile();
    return true;
}

QString FileCommands::SuggestedName() const {
    // A document never saved is offered under the new-document name.
    const QString& suggested = m_Context.doc.suggestedPath();
    return suggested.isEmpty()
               ? QCoreApplication::translate("FileCommands", "Write Data") + QStringLiteral(".sin")
               : suggested;
}

QString FileCommands::DocumentFolder() const {
    const QFileInfo file(CurrentPath().isEmpty() ? m_Context.doc.suggestedPath() : CurrentPath());
    return file.isAbsolute() ? file.absolutePath() : QString();
}

QString FileCommands::DocumentBaseName() const {
    return QFileInfo(CurrentPath().isEmpty() ? SuggestedName() : CurrentPath()).completeBaseName();
}

QString FileCommands::DocumentName() const {
    return CurrentPath().isEmpty() ? QCoreApplication::translate("FileCommands", "Untitled")
                                   : ShownPath(QFileInfo(CurrentPath()).fileName());
}
