#pragma once

#include <QObject>
#include <memory>

class ViewHooks;
class QPrinter;
class QWidget;

// Print, Print Preview and Print Setup of the channel list. One printer set-up
// is kept for the whole run, so Print Setup choices apply to later prints.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    PrintCommands(ViewHooks& view, QWidget* owner, QObject* parent);
    ~PrintCommands() override;

    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();

    QPrinter& Printer();

private:
    ViewHooks& m_View;
    QWidget* m_Owner;
    // Made on first use: finding the system's printers takes time that start-up
    // should not spend.
    std::unique_ptr<QPrinter> m_Printer;
};
