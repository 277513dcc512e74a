#include "app/ChannelTablePrinter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QPrinter>
#include <QTextDocument>

#include "base/ViewHooks.h"
#include "image/BandLimits.h"
#include "image/ImageMap.h"
#include "image/MemoryImage.h"

namespace {

bool RowHasContent(ViewHooks& view, int row) {
    for (int col = 1; col < view.ColumnCount(); ++col) {
        if (!view.CellText(row, col).trimmed().isEmpty()) {
            return true;
        }
    }
    return false;
}

} // namespace

QString ChannelTablePrinter::Html(ViewHooks& view, const QString& documentName) {
    const auto tr = [](const char* text) {
        return QCoreApplication::translate("ChannelTablePrinter", text);
    };
    const MemoryImage image = view.ImageToSave();
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
    for (int col = 0; col < view.ColumnCount(); ++col) {
        html += QStringLiteral("<th>%1</th>").arg(view.CellText(0, col).trimmed().toHtmlEscaped());
    }
    html += QStringLiteral("</tr></thead><tbody>");
    int printed = 0;
    for (int row = 1; row < view.RowCount(); ++row) {
        if (!RowHasContent(view, row)) {
            continue;
        }
        ++printed;
        html += QStringLiteral("<tr>");
        for (int col = 0; col < view.ColumnCount(); ++col) {
            html += QStringLiteral("<td align=\"center\">%1</td>")
                        .arg(view.CellText(row, col).toHtmlEscaped());
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

void ChannelTablePrinter::Print(ViewHooks& view, const QString& documentName, QPrinter& printer) {
    QTextDocument document;
    QFont font = document.defaultFont();
    font.setPointSize(8);
    document.setDefaultFont(font);
    document.setHtml(Html(view, documentName));
    document.print(&printer);
}
