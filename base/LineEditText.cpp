#include "base/LineEditText.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>

bool LineEditText::MeasuresTooTall(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.boundingRect(QStringLiteral("0123456789")).height() > 2 * metrics.height();
}

bool LineEditText::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Polish) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && m_TooTall(edit->font())) {
            edit->setAlignment((edit->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
        }
    }
    return QObject::eventFilter(watched, event);
}
