#pragma once

#include <QObject>
#include <functional>

class QFont;

// Keeps the text of every line edit inside its box where the system's font
// reports glyph boxes far taller than its lines (seen under Wine with its
// stand-in for "MS Shell Dlg": "480" measured 46 pixels high in an 11-pixel
// line). A line edit centres its text by the taller of the two and so draws it
// above the box, where it is clipped away: the band edges looked empty. Such
// line edits get their text at the top of the box instead, which is where a
// box as tall as its line shows it anyway.
class LineEditText : public QObject {
    Q_OBJECT
public:
    using Measure = std::function<bool(const QFont&)>;
    // tooTall tells the fonts to work around (tests give their own).
    explicit LineEditText(QObject* parent, Measure tooTall = MeasuresTooTall)
        : QObject(parent), m_TooTall(std::move(tooTall)) {}

    // Whether font measures glyph boxes more than twice as tall as its lines.
    static bool MeasuresTooTall(const QFont& font);

    // Installed on the application: aligns each line edit as it is polished.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Measure m_TooTall;
};
