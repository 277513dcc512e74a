#include "commands/ChannelTablePrinter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QPrinter>
#include <QTextDocument>

#include "base/AppLanguage.h"
#include "image/BandLimits.h"
#include "image/Channel.h"
#include "image/ChannelCodec.h"
#include "image/ChannelTexts.h"
#include "image/ImageMap.h"
#include "image/MemoryImage.h"

namespace {

constexpr int Columns = RecordTextCount + 1; // the channel number first

// The table as the window shows it: titles in row 0, channels from row 1.
QString CellText(const MemoryImage& image, int row, int col) {
    if (row == 0) {
        return Tr(ChannelTexts::ColumnTitles[col]);
    }
    if (col == 0) {
        return QString::number(row);
    }
    return QString::fromStdString(ChannelText(ReadChannel(image, row - 1), col, CurrentLang()));
}

bool RowHasContent(const MemoryImage& image, int row) {
    for (int col = 1; col < Columns; ++col) {
        if (!CellText(image, row, col).trimmed().isEmpty()) {
            return true;
        }
    }
    return false;
}

} // namespace

QString ChannelTablePrinter::Html(const MemoryImage& image, const QString& documentName) {
    const auto tr = [](const char* text) {
        return QCoreApplication::translate("ChannelTablePrinter", text);
    };
    const BandEdges band = DecodeBandLimits(image);
    const QString type = ImageMap::IsKnownRadioType(image[ImageMap::RadioTypeCode])
                             ? QStringLiteral("Orin-6140D")
                             : tr("unknown (code %1)").arg(image[ImageMap::RadioTypeCode]);
    QString html;
    html += QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>");
    html += QStringLiteral("<h3>%1</h3>").arg(tr("Channel List").toHtmlEscaped());
    // Which document the sheet is, so printouts of several radios stay apart.
    const QString head =
        tr("File: %1    Printed: %2    Radio type: %3    Band edges: %4-%5 MHz")
            .arg(documentName,
                 QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")), type,
                 QString::number(band.lower), QString::number(band.upper));
    html += QStringLiteral("<p>%1</p>")
                .arg(head.toHtmlEscaped().replace(QStringLiteral("    "),
                                                  QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;")));
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                           "width=\"100%\" style=\"border-collapse: collapse;\">");
    html += QStringLiteral("<thead><tr>");
    for (int col = 0; col < Columns; ++col) {
        html += QStringLiteral("<th>%1</th>").arg(CellText(image, 0, col).trimmed().toHtmlEscaped());
    }
    html += QStringLiteral("</tr></thead><tbody>");
    int printed = 0;
    for (int row = 1; row <= ImageMap::ChannelCount; ++row) {
        if (!RowHasContent(image, row)) {
            continue;
        }
        ++printed;
        html += QStringLiteral("<tr>");
        for (int col = 0; col < Columns; ++col) {
            html += QStringLiteral("<td align=\"center\">%1</td>")
                        .arg(CellText(image, row, col).toHtmlEscaped());
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</tbody></table>");
    if (printed == 0) {
        html +=
            QStringLiteral("<p>%1</p>")
                .arg(QCoreApplication::translate("ChannelTablePrinter", "No channel is programmed.")
                         .toHtmlEscaped());
    }
    html += QStringLiteral("</body></html>");
    return html;
}

void ChannelTablePrinter::Print(const MemoryImage& image, const QString& documentName,
                                QPrinter& printer) {
    QTextDocument document;
    QFont font = document.defaultFont();
    font.setPointSize(8);
    document.setDefaultFont(font);
    document.setHtml(Html(image, documentName));
    document.print(&printer);
}
