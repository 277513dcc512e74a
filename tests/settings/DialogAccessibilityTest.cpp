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

QString NameOf(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

// The names of the controls a user fills in (not the line editors inside a
// list or a spin box): the accessible name, else the buddy label's text. On
// Linux Qt names a list by its value and gives the label as a relation.
QStringList ControlNames(QWidget& dialog) {
    QStringList names;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        QWidget* parent = w->parentWidget();
        if (qobject_cast<QComboBox*>(parent) || qobject_cast<QAbstractSpinBox*>(parent) ||
            !(qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
              qobject_cast<QLineEdit*>(w))) {
            continue;
        }
        QString label = w->accessibleName();
        for (const auto& related :
             QAccessible::queryAccessibleInterface(w)->relations(QAccessible::Label)) {
            label = label.isEmpty() ? related.first->text(QAccessible::Name) : label;
        }
        if (!qobject_cast<QComboBox*>(w)) {
            EXPECT_EQ(NameOf(w), label) << w->objectName().toStdString();
        }
        names << label.trimmed();
    }
    // A group is read by its own title (a group inside another too), without
    // the blanks that only place it; an untitled group by a name of its own.
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        const QString title = group->title().trimmed();
        EXPECT_EQ(NameOf(group), title.isEmpty() ? group->accessibleName() : title);
        EXPECT_FALSE(NameOf(group).isEmpty()) << group->objectName().toStdString();
    }
    return names;
}

TEST(DialogAccessibility, EveryControlOfBothDialogsHasANameOfItsOwn) {
    MemoryImage image = ImageMap::NewDocumentImage();
    OptionalFeaturesDialog features(image);
    SideKeyDialog sideKeys(image);
    for (auto [dialog, count] : {std::pair<QWidget*, int>{&features, 22}, {&sideKeys, 4}}) {
        QStringList names = ControlNames(*dialog);
        EXPECT_EQ(names.size(), count);
        EXPECT_FALSE(names.contains(QString()));
        names.removeDuplicates(); // the two "Short Press" lists differ by their key
        EXPECT_EQ(names.size(), count);
    }
    EXPECT_TRUE(ControlNames(sideKeys).contains(QStringLiteral("Side Key2, Long Press")));
}

} // namespace
