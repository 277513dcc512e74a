#include "settings/IdEdit.h"

#include <QKeyEvent>

namespace {

bool IsAsciiLetterOrDigit(QChar c) {
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

} // namespace

IdEdit::IdEdit(int maxLength, int options, QWidget* parent)
    : QLineEdit(parent), m_bUpperCase(options & UpperCase), m_bKeyFilter(options & KeyFilter) {
    setMaxLength(maxLength);
    if (m_bKeyFilter) {
        // An input method would commit text past the key filter.
        setAttribute(Qt::WA_InputMethodEnabled, false);
    }
    if (m_bUpperCase) {
        connect(this, &QLineEdit::textEdited, this, &IdEdit::ShowUpperCase);
    }
}

std::string IdEdit::CodecText() const {
    std::string out;
    for (QChar c : text()) {
        out += c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '?';
    }
    return out;
}

void IdEdit::keyPressEvent(QKeyEvent* event) {
    if (m_bKeyFilter) {
        const QString typed = event->text();
        // Control characters (Backspace, Tab, Enter, Esc, Delete, Ctrl+V …)
        // and keys without text pass; any other typed character must be a
        // letter or a digit.
        if (!typed.isEmpty() && typed.at(0).isPrint() && !IsAsciiLetterOrDigit(typed.at(0))) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void IdEdit::ShowUpperCase() {
    const QString upper = text().toUpper();
    if (upper != text()) {
        const int cursor = cursorPosition();
        setText(upper);
        setCursorPosition(cursor);
    }
}
