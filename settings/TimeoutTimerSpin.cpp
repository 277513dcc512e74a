#include "settings/TimeoutTimerSpin.h"

#include <QLineEdit>
#include <algorithm>

#include "settings/OptionalFeaturesCodec.h"
#include "settings/SettingsMap.h"

namespace {
constexpr int MaxTextLength = 10;
}

TimeoutTimerSpin::TimeoutTimerSpin(QWidget* parent) : QAbstractSpinBox(parent) {
    setWrapping(false);
    setAccelerated(false);
    lineEdit()->setMaxLength(MaxTextLength);
    connect(this, &QAbstractSpinBox::editingFinished, this, &TimeoutTimerSpin::ShowPosition);
    ShowPosition();
}

void TimeoutTimerSpin::SetPosition(int position) {
    const int clamped = std::clamp(position, 0, SettingsMap::TimeoutMaxSteps);
    const bool changed = clamped != m_Position;
    m_Position = clamped;
    ShowPosition();
    if (changed) {
        emit PositionChanged(m_Position);
    }
}

void TimeoutTimerSpin::stepBy(int steps) {
    SetPosition(m_Position + steps);
    selectAll();
}

QValidator::State TimeoutTimerSpin::validate(QString&, int&) const {
    // Any text may be typed; it is never read back.
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled TimeoutTimerSpin::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (m_Position > 0) {
        enabled |= StepDownEnabled;
    }
    if (m_Position < SettingsMap::TimeoutMaxSteps) {
        enabled |= StepUpEnabled;
    }
    return enabled;
}

QSize TimeoutTimerSpin::sizeHint() const {
    // Room for the widest text the spin itself shows, plus the arrows.
    QSize hint = QAbstractSpinBox::sizeHint();
    const int textWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000000"));
    hint.setWidth(std::max(hint.width(), textWidth + 40));
    return hint;
}

QSize TimeoutTimerSpin::minimumSizeHint() const {
    return sizeHint();
}

void TimeoutTimerSpin::ShowPosition() {
    lineEdit()->setText(QString::fromStdString(OptionalFeaturesCodec::TimeoutText(m_Position)));
}
