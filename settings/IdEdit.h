#pragma once

#include <QLineEdit>
#include <string>

// An edit box for one of the radio's ID texts. Optionally it shows letters
// upper-case (as the radio stores them) and lets only letters, digits and
// Backspace be typed; keys that type no character keep their usual effect,
// and pasted text is not filtered (the encoding turns it into digits).
class IdEdit : public QLineEdit {
    Q_OBJECT
public:
    enum Option { Plain = 0, UpperCase = 1, KeyFilter = 2 };

    IdEdit(int maxLength, int options, QWidget* parent = nullptr);

    // The text as the ID codec takes it: one char per character shown, with
    // characters outside ASCII as '?' (stored as '0' like any other symbol).
    std::string CodecText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowUpperCase();

    bool m_bUpperCase;
    bool m_bKeyFilter;
};
