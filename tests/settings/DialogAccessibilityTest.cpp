// What a screen reader hears in the settings dialogs: every list, spin box and
// field is named by its label, every group by its title.
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "image/ImageMap.h"
#include "settings/OptionalFeaturesDialog.h"
#include "settings/SideKeyDialog.h"
#include "tests/support/QtPrinters.h"

namespace {

// The text of the label a control is tied to (its buddy), empty when none.
QString LabelOf(QWidget* control) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    for (const auto& [other, relation] : face->relations(QAccessible::Label)) {
        (void)relation;
        return other->text(QAccessible::Name);
    }
    return {};
}

// The controls a user fills in: lists, spin boxes and fields, not the line
// editors inside an editable list or a spin box.
QList<QWidget*> Controls(QWidget& dialog) {
    QList<QWidget*> out;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        QWidget* parent = w->parentWidget();
        const bool inner = qobject_cast<QComboBox*>(parent) || qobject_cast<QAbstractSpinBox*>(parent);
        if (!inner && (qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                       qobject_cast<QLineEdit*>(w))) {
            out << w;
        }
    }
    return out;
}

void ExpectNamedByLabels(QWidget& dialog, int expectedControls) {
    const QList<QWidget*> controls = Controls(dialog);
    EXPECT_EQ(controls.size(), expectedControls);
    QStringList names;
    for (QWidget* control : controls) {
        const QString label = LabelOf(control);
        const QString name = control->accessibleName().isEmpty() ? label : control->accessibleName();
        EXPECT_FALSE(name.trimmed().isEmpty()) << control->objectName().toStdString();
        names << name;
        if (!qobject_cast<QComboBox*>(control)) {
            // Fields and spin boxes: what the reader says is that name.
            EXPECT_EQ(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name), name)
                << control->objectName().toStdString();
        }
    }
    // No two controls share a name.
    names.removeDuplicates();
    EXPECT_EQ(names.size(), controls.size());
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(group)
                         ->text(QAccessible::Name)
                         .trimmed()
                         .isEmpty())
            << group->objectName().toStdString();
    }
}

TEST(DialogAccessibility, OptionalFeaturesControlsAreNamedByTheirLabels) {
    MemoryImage image = ImageMap::NewDocumentImage();
    OptionalFeaturesDialog dialog(image);
    ExpectNamedByLabels(dialog, 22);
}

TEST(DialogAccessibility, SideKeyListsAreNamedByKeyAndPress) {
    MemoryImage image = ImageMap::NewDocumentImage();
    SideKeyDialog dialog(image);
    ExpectNamedByLabels(dialog, 4);
    auto* list = dialog.findChild<QComboBox*>(QStringLiteral("Key2Long"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->accessibleName(), QStringLiteral("Side Key2, Long Press"));
}

} // namespace
