#include "commands/PrintCommands.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "commands/ChannelTablePrinter.h"
#include "base/ModalRunner.h"
#include "document/ChannelDocument.h"

PrintCommands::PrintCommands(ChannelDocument& doc, QWidget* owner, QObject* parent)
    : QObject(parent), m_Doc(doc), m_Owner(owner) {}

PrintCommands::~PrintCommands() = default;

QPrinter& PrintCommands::Printer() {
    if (!m_Printer) {
        m_Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_Printer->setPageOrientation(QPageLayout::Landscape);
    }
    return *m_Printer;
}

QString PrintCommands::DocumentName() const {
    return m_DocumentName ? m_DocumentName() : QString();
}

QString PrintCommands::Html() const {
    return ChannelTablePrinter::Html(m_Doc.settledImage(), DocumentName());
}

void PrintCommands::OnFilePrint() {
    QPrintDialog dialog(&Printer(), m_Owner);
    if (ModalRunner::Run(dialog) == QDialog::Accepted) {
        ChannelTablePrinter::Print(m_Doc.settledImage(), DocumentName(), Printer());
    }
}

void PrintCommands::OnFilePrintPreview() {
    QPrintPreviewDialog dialog(&Printer(), m_Owner);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) {
                ChannelTablePrinter::Print(m_Doc.settledImage(), DocumentName(), *printer);
            });
    dialog.resize(1000, 700);
    ModalRunner::Run(dialog);
}

void PrintCommands::OnFilePrintSetup() {
    QPageSetupDialog dialog(&Printer(), m_Owner);
    ModalRunner::Run(dialog);
}
