#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class ChannelDocument;
class QPrinter;
class QWidget;

// Print, Print Preview and Print Setup of the channel list. One printer set-up
// is kept for the whole run, so Print Setup choices apply to later prints.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    PrintCommands(ChannelDocument& doc, QWidget* owner, QObject* parent);
    ~PrintCommands() override;

    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();

    QPrinter& Printer();
    // The name the printout's head gives the document.
    void SetDocumentName(std::function<QString()> name) { m_DocumentName = std::move(name); }
    // The printout as it would be laid out now.
    QString Html() const;

private:
    QString DocumentName() const;
    ChannelDocument& m_Doc;
    QWidget* m_Owner;
    // Made on first use: finding the system's printers takes time that start-up
    // should not spend.
    std::unique_ptr<QPrinter> m_Printer;
    std::function<QString()> m_DocumentName;
};
