#include "base/ScreenFit.h"

#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWidget>

namespace {

constexpr const char* ScrolledProperty = "orinScrolled";

// Moves the dialog's layout into a scroll area that fills the dialog, so
// contents taller than the screen can still all be reached.
void ScrollContents(QDialog* dialog) {
    QLayout* contents = dialog->layout();
    if (!contents || dialog->property(ScrolledProperty).toBool()) {
        return;
    }
    auto* inner = new QWidget;
    inner->setObjectName(QStringLiteral("scrolledContents"));
    inner->setLayout(contents); // takes the layout and its widgets from the dialog
    auto* area = new QScrollArea(dialog);
    area->setObjectName(QStringLiteral("screenFitScroll"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(inner);
    auto* outer = new QVBoxLayout(dialog);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(area);
    dialog->setProperty(ScrolledProperty, true);
}

} // namespace

QRect ScreenFit::AvailableArea(const QWidget* window) {
    const QScreen* screen = window ? window->screen() : nullptr;
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen ? screen->availableGeometry() : QRect();
}

void ScreenFit::Fit(QWidget* window) {
    Fit(window, AvailableArea(window));
}

void ScreenFit::Fit(QWidget* window, const QRect& area) {
    if (!window || area.isEmpty()) {
        return;
    }
    // The window manager's frame, once known; none before the first show.
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    const QSize room = area.size() - frame;
    if (auto* dialog = qobject_cast<QDialog*>(window)) {
        const QSize needed = dialog->minimumSizeHint();
        if (needed.height() > room.height() || needed.width() > room.width()) {
            ScrollContents(dialog);
        }
    }
    if (window->minimumWidth() > room.width() || window->minimumHeight() > room.height()) {
        window->setMinimumSize(window->minimumSize().boundedTo(room));
    }
    window->resize(window->size().boundedTo(room));
    QRect placed = window->frameGeometry();
    placed.setSize(window->size() + frame);
    if (placed.right() > area.right()) {
        placed.moveRight(area.right());
    }
    if (placed.bottom() > area.bottom()) {
        placed.moveBottom(area.bottom());
    }
    if (placed.left() < area.left()) {
        placed.moveLeft(area.left());
    }
    if (placed.top() < area.top()) {
        placed.moveTop(area.top());
    }
    if (placed.topLeft() != window->frameGeometry().topLeft()) {
        // A dialog not placed by its owner still gets centred over its parent
        // when it shows (within the screen): only the size is ours then.
        const bool bPlaced = window->testAttribute(Qt::WA_Moved);
        window->move(placed.topLeft());
        if (qobject_cast<QDialog*>(window)) {
            window->setAttribute(Qt::WA_Moved, bPlaced);
        }
    }
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && widget->windowType() != Qt::Popup &&
            widget->windowType() != Qt::ToolTip) {
            Fit(widget);
        }
    }
    return QObject::eventFilter(watched, event);
}
