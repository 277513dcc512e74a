#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "image/MemoryImage.h"

class ChannelDocument;
class QAction;
class QWidget;

// File > Import Channels... and File > Export Channels...: channel lists as
// our own CSV or as CHIRP's, the format other programming tools and repeater
// directories use. An import shows what it will do first and is one undo step.
class ChannelListCommands : public QObject {
    Q_OBJECT
public:
    // The file to import, empty when cancelled; the dialog starts in folder.
    using OpenChooser = std::function<QString(QWidget* owner, const QString& folder)>;
    // The file to export to, empty when cancelled; *chirp tells the format.
    // The dialog offers suggested (a path).
    using SaveChooser =
        std::function<QString(QWidget* owner, const QString& suggested, bool* chirp)>;

    ChannelListCommands(ChannelDocument& doc, QWidget* owner);

    QAction* ImportAction() const { return m_Import; }
    QAction* ExportAction() const { return m_Export; }
    // Replace the file dialogs (tests answer them without a window).
    void SetOpenChooser(OpenChooser chooser) { m_ChooseOpen = std::move(chooser); }
    void SetSaveChooser(SaveChooser chooser) { m_ChooseSave = std::move(chooser); }
    // Where the dialogs start: the open document's folder, and the name an
    // export offers (the document's, with .csv).
    void SetDocumentPlace(std::function<QString()> folder, std::function<QString()> baseName) {
        m_DocumentFolder = std::move(folder);
        m_DocumentBaseName = std::move(baseName);
    }

    void OnImport();
    void OnExport();
    // Shows the preview of path and imports it on Import; true when imported.
    bool ImportFile(const QString& path);
    // Writes the channels as the next save would store them; true when written.
    bool ExportFile(const QString& path, bool chirp);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Retranslate();
    // The image a save would write now, an open edit included; changes nothing.

    ChannelDocument& m_Doc;
    QWidget* m_Owner;
    QAction* m_Import;
    QAction* m_Export;
    OpenChooser m_ChooseOpen;
    SaveChooser m_ChooseSave;
    std::function<QString()> m_DocumentFolder;
    std::function<QString()> m_DocumentBaseName;
};
