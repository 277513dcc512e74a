#pragma once

#include <QObject>
#include <QRect>

class QWidget;

// Keeps windows inside the screen's available area, whatever the scale: a
// window larger than the area is shrunk to it and moved wholly onto it, and a
// dialog whose contents cannot be made that small scrolls them instead.
class ScreenFit : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The area window may use: the available geometry of its screen.
    static QRect AvailableArea(const QWidget* window);
    // Shrinks window to area (its frame included) and moves it inside; a
    // dialog too tall or too wide for area gets its contents in a scroll area.
    static void Fit(QWidget* window, const QRect& area);
    // The same with the window's own screen.
    static void Fit(QWidget* window);

    // Installed on the application: fits every window as it is shown.
    bool eventFilter(QObject* watched, QEvent* event) override;
};
