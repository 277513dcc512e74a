#pragma once

#include <QAbstractSpinBox>

// The Time-out Timer box with its spin: the position runs from 0 to 40 in
// steps of 1 and the box shows "OFF" or the seconds (position × 15). The
// position is what the radio stores; text typed by hand never changes it, and
// the box shows the position's text again once editing ends, so what the user
// sees after leaving the box is what OK will store.
class TimeoutTimerSpin : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit TimeoutTimerSpin(QWidget* parent = nullptr);

    int Position() const { return m_Position; }
    void SetPosition(int position);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void PositionChanged(int position);

protected:
    StepEnabled stepEnabled() const override;

private:
    void ShowPosition();

    int m_Position = 0;
};
