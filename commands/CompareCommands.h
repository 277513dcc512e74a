#pragma once

#include <QObject>

#include "image/MemoryImage.h"
#include "link/TransferSession.h"

class FileCommands;
class ProfileFile;
class QAction;
class QWidget;
class TransferCommands;
class ChannelDocument;

// File > Compare With File..., Program > Compare With Radio... and
// Program > Verify After Write: what differs between the document as it
// stands (unsaved edits included) and a file or the radio, and whether the
// radio holds what was just written. Nothing here changes the document.
class CompareCommands : public QObject {
    Q_OBJECT
public:
    CompareCommands(ChannelDocument& doc, FileCommands& files, TransferCommands& transfer,
                    ProfileFile& profile, QWidget* owner);

    QAction* CompareFileAction() const { return m_CompareFile; }
    QAction* CompareRadioAction() const { return m_CompareRadio; }
    QAction* VerifyAction() const { return m_Verify; }

    void OnCompareWithFile();
    // Shows what differs between the document and path; false when the file
    // could not be read.
    bool CompareWithFile(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Retranslate();
    void ShowRadioComparison(const MemoryImage& radio);
    void ShowVerifyResult(TransferOutcome readBack, const MemoryImage& written,
                          const MemoryImage& radio);
    void SetVerify(bool on);

    ChannelDocument& m_Doc;
    FileCommands& m_Files;
    TransferCommands& m_Transfer;
    ProfileFile& m_Profile;
    QWidget* m_Owner;
    QAction* m_CompareFile;
    QAction* m_CompareRadio;
    QAction* m_Verify;
};
