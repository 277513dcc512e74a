#include "document/ChannelDocument.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "document/PendingEdits.h"
#include "image/ChannelCodec.h"
#include "image/ImageMap.h"
#include "image/RawChannel.h"

StepName StepName::Of(const BiText& text) {
    return {QString::fromUtf8(text.english), QString::fromUtf8(text.chinese)};
}

StepName StepName::Of(const BiText& text, int number) {
    return {QString::fromUtf8(text.english).arg(number),
            QString::fromUtf8(text.chinese).arg(number)};
}

namespace {

// The first cell whose field differs between two images; none when no
// channel differs.
ChannelCell FirstChangedCell(const MemoryImage& before, const MemoryImage& after) {
    for (int n = 0; n < ImageMap::ChannelCount; ++n) {
        if (ReadRawChannel(before, n) == ReadRawChannel(after, n)) {
            continue;
        }
        const ChannelRecord a = DecodeChannel(before, n, Lang::English);
        const ChannelRecord b = DecodeChannel(after, n, Lang::English);
        for (int column = 1; column <= RecordTextCount; ++column) {
            if (a[column] != b[column]) {
                return {n, column};
            }
        }
        return {n, 1};
    }
    return {};
}

// Whether two images agree in every byte that belongs to no channel.
bool SameOutsideChannels(const MemoryImage& a, const MemoryImage& b) {
    MemoryImage x = a;
    MemoryImage y = b;
    for (int n = 0; n < ImageMap::ChannelCount; ++n) {
        WriteRawChannel(x, n, EmptyRawChannel());
        WriteRawChannel(y, n, EmptyRawChannel());
    }
    return x == y;
}

QByteArray HashOf(const char* bytes, qsizetype size) {
    return QCryptographicHash::hash(QByteArrayView(bytes, size), QCryptographicHash::Sha256);
}

MemoryImage WithCommitMarker(MemoryImage image) {
    // Every save writes the commit marker; the document holds it throughout.
    image[ImageMap::CommitMarker] = ImageMap::CommitMarkerValue;
    return image;
}

} // namespace

// One step of the history: the image before and after it (snapshots shared
// between neighbouring steps), and for a read the file on either side.
class ChannelDocument::Step final : public QUndoCommand {
public:
    Step(ChannelDocument& doc, StepName name, Snapshot before, Snapshot after, ChannelCell focus)
        : m_Doc(doc), m_Name(std::move(name)), m_Before(std::move(before)),
          m_After(std::move(after)), m_Focus(focus) {
        setText(m_Name.english);
    }

    void SetFiles(FileState before, FileState after) {
        m_FileBefore = std::move(before);
        m_FileAfter = std::move(after);
        m_bFile = true;
    }

    void undo() override { m_Doc.Show(m_Before, m_bFile ? &m_FileBefore : nullptr, m_Focus); }
    void redo() override { m_Doc.Show(m_After, m_bFile ? &m_FileAfter : nullptr, m_Focus); }

    const StepName& Name() const { return m_Name; }

private:
    ChannelDocument& m_Doc;
    StepName m_Name;
    Snapshot m_Before;
    Snapshot m_After;
    ChannelCell m_Focus;
    bool m_bFile = false;
    FileState m_FileBefore;
    FileState m_FileAfter;
};

ChannelDocument::ChannelDocument(QObject* parent) : QObject(parent) {
    m_Stack.setUndoLimit(StepLimit);
    Replace(ImageMap::NewDocumentImage(), {});
    connect(&m_Stack, &QUndoStack::indexChanged, this, &ChannelDocument::historyChanged);
}

ChannelDocument::~ChannelDocument() {
    // The steps go first, and nothing that shows the document hears of it.
    blockSignals(true);
    m_Stack.clear();
}

void ChannelDocument::Settle() {
    if (m_Pending == nullptr || m_bSettling) {
        return;
    }
    m_bSettling = true;
    m_Pending->commitPendingEdits();
    m_bSettling = false;
}

const MemoryImage& ChannelDocument::settledImage() {
    Settle();
    return image();
}

bool ChannelDocument::apply(const StepName& name, const std::function<bool(MemoryImage&)>& change,
                            ChannelCell focus) {
    Settle();
    return commitEdit(name, change, focus);
}

bool ChannelDocument::commitEdit(const StepName& name,
                                 const std::function<bool(MemoryImage&)>& change,
                                 ChannelCell focus) {
    MemoryImage changed = *m_Current;
    if (!change(changed)) {
        return false;
    }
    const MemoryImage after = WithCommitMarker(changed);
    if (after == *m_Current) {
        return false;
    }
    if (focus.channel < 0) {
        focus = FirstChangedCell(*m_Current, after);
    }
    Push(new Step(*this, name, m_Current, std::make_shared<const MemoryImage>(after), focus));
    return true;
}

bool ChannelDocument::apply(const BiText& name, const std::function<bool(MemoryImage&)>& change,
                            ChannelCell focus) {
    return apply(StepName::Of(name), change, focus);
}

void ChannelDocument::applyRead(const BiText& name, const MemoryImage& read,
                                const QString& suggestedName) {
    Settle();
    const Snapshot next = std::make_shared<const MemoryImage>(WithCommitMarker(read));
    auto* step = new Step(*this, StepName::Of(name), m_Current, next,
                          FirstChangedCell(*m_Current, *next));
    // Save As offers the name in the folder of the file open before.
    const QFileInfo before(m_Path.isEmpty() ? m_Suggested : m_Path);
    const QString suggested =
        before.isAbsolute() ? QDir(before.absolutePath()).filePath(suggestedName) : suggestedName;
    // What was read is safe on the radio: not modified, but in no file.
    step->SetFiles(CurrentFile(), FileState{QString(), suggested, next});
    Push(step);
}

void ChannelDocument::Push(Step* step) {
    // The step's first redo() makes the change; undo and redo later move the
    // focus too.
    m_bPushing = true;
    m_Stack.push(step);
    m_bPushing = false;
}

void ChannelDocument::Show(const Snapshot& image, const FileState* file, ChannelCell focus) {
    const bool wasModified = isModified();
    const QString wasPath = m_Path;
    const QString wasSuggested = m_Suggested;
    const Snapshot before = m_Current;
    m_Current = image;
    if (file) {
        m_Path = file->path;
        m_Suggested = file->suggested;
        m_Clean = file->clean;
    }
    int first = -1;
    int last = -1;
    for (int n = 0; n < ImageMap::ChannelCount; ++n) {
        if (ReadRawChannel(*before, n) != ReadRawChannel(*image, n)) {
            first = first < 0 ? n : first;
            last = n;
        }
    }
    if (first >= 0) {
        emit channelsChanged(first, last);
    }
    if (!SameOutsideChannels(*before, *image)) {
        emit settingsChanged();
    }
    if (m_Path != wasPath || m_Suggested != wasSuggested) {
        emit filePathChanged(m_Path);
    }
    if (isModified() != wasModified) {
        emit modifiedChanged(isModified());
    }
    if (!m_bPushing && focus.channel >= 0) {
        emit focusRequested(focus);
    }
}

void ChannelDocument::Replace(const MemoryImage& image, const QString& path) {
    const bool wasModified = m_Current && isModified();
    m_Stack.clear();
    m_Current = std::make_shared<const MemoryImage>(WithCommitMarker(image));
    m_Clean = m_Current;
    m_Written.reset();
    m_Suggested.clear();
    m_Path = path;
    emit reset();
    emit filePathChanged(m_Path);
    if (wasModified) {
        emit modifiedChanged(false);
    }
    emit historyChanged();
}

void ChannelDocument::newDocument() {
    newDocument(ImageMap::NewDocumentImage());
}

void ChannelDocument::newDocument(const MemoryImage& image) {
    Replace(image, {});
}

FileOutcome ChannelDocument::load(const QString& path) {
    ChannelFile file;
    const FileOutcome outcome = file.LoadFile(QDir::toNativeSeparators(path).toStdString());
    if (outcome.ok) {
        Replace(file.Image(), QFileInfo(path).absoluteFilePath());
        NoteDisk(m_Path, file.Image());
    }
    return outcome;
}

FileOutcome ChannelDocument::save(const QString& path) {
    ChannelFile file;
    file.Image() = settledImage();
    const FileOutcome outcome = file.SaveFile(QDir::toNativeSeparators(path).toStdString());
    if (!outcome.ok) {
        return outcome;
    }
    const bool wasModified = isModified();
    // path may be suggestedPath() itself: read it before that is cleared.
    m_Path = QFileInfo(path).absoluteFilePath();
    m_Clean = m_Current;
    m_Suggested.clear();
    NoteDisk(m_Path, file.Image());
    emit filePathChanged(m_Path);
    if (wasModified) {
        emit modifiedChanged(false);
    }
    return outcome;
}

void ChannelDocument::markWritten(const MemoryImage& image) {
    m_Written = std::make_shared<const MemoryImage>(WithCommitMarker(image));
}

void ChannelDocument::NoteDisk(const QString& path, const MemoryImage& bytes) {
    const QFileInfo info(path);
    m_Disk = {path, info.size(), info.lastModified(),
              HashOf(reinterpret_cast<const char*>(bytes.data()), MemoryImage::Size)};
}

bool ChannelDocument::fileChangedOnDisk() const {
    if (m_Path.isEmpty() || m_Disk.path != m_Path) {
        return false;
    }
    const QFileInfo info(m_Path);
    if (!info.exists()) {
        return false; // written again: nothing of anyone's is lost
    }
    if (info.size() != m_Disk.size || info.lastModified() != m_Disk.modified) {
        return true;
    }
    // The same size and time need not be the same bytes: a copy that keeps
    // the time (cp -p, rsync -t, an unpacked archive) says nothing by them.
    QFile file(m_Path);
    if (!file.open(QIODevice::ReadOnly)) {
        return true; // cannot tell: ask rather than overwrite
    }
    const QByteArray bytes = file.read(MemoryImage::Size + 1);
    return HashOf(bytes.constData(), bytes.size()) != m_Disk.hash;
}

bool ChannelDocument::isModified() const {
    return *m_Current != *m_Clean;
}

bool ChannelDocument::isOnRadioOnly() const {
    return isModified() && m_Written && *m_Written == *m_Current;
}

bool ChannelDocument::hasUnsavedChanges() {
    Settle();
    return isModified();
}

void ChannelDocument::undo() {
    Settle();
    m_Stack.undo();
}

void ChannelDocument::redo() {
    Settle();
    m_Stack.redo();
}

QString ChannelDocument::undoName(Lang lang) const {
    return m_Stack.canUndo()
               ? static_cast<const Step*>(m_Stack.command(m_Stack.index() - 1))->Name().In(lang)
               : QString();
}

QString ChannelDocument::redoName(Lang lang) const {
    return m_Stack.canRedo()
               ? static_cast<const Step*>(m_Stack.command(m_Stack.index()))->Name().In(lang)
               : QString();
}
