#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "image/ImageMap.h"
#include "settings/OptionalFeaturesDialog.h"
#include "settings/SideKeyDialog.h"
#include "support/QtPrinters.h"
#include "tests/settings/DialogTestSupport.h"

namespace {

// Every text-bearing control gets at least the room its text asks for and
// lies inside its parent, so no label, entry or title is cut off.
void ExpectNothingClipped(QDialog& dialog) {
    dialog.show();
    QApplication::processEvents();
    const auto widgets = dialog.findChildren<QWidget*>();
    int checked = 0;
    for (QWidget* w : widgets) {
        const bool texty = qobject_cast<QLabel*>(w) || qobject_cast<QCheckBox*>(w) ||
                           qobject_cast<QPushButton*>(w) || qobject_cast<QComboBox*>(w) ||
                           qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QGroupBox*>(w);
        if (!texty || !w->isVisible() || w->parentWidget() == nullptr ||
            qobject_cast<QLineEdit*>(w->parentWidget())) {
            continue;
        }
        ++checked;
        const QString what =
            w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName();
        EXPECT_GE(w->width(), w->minimumSizeHint().width()) << what.toStdString();
        EXPECT_GE(w->height(), w->minimumSizeHint().height()) << what.toStdString();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            EXPECT_GE(w->width(), w->fontMetrics().horizontalAdvance(label->text()))
                << label->text().toStdString();
        }
        if (qobject_cast<QComboBox*>(w) != nullptr) {
            EXPECT_GE(w->width(), w->sizeHint().width()) << what.toStdString();
        }
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << what.toStdString();
    }
    EXPECT_GT(checked, 8);
}

// With ORIN_SCREENSHOT_DIR set, the dialog is also saved as a picture there.
void SaveScreenshot(QDialog& dialog, const QString& name) {
    const QByteArray dir = qgetenv("ORIN_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(dir));
        EXPECT_TRUE(dialog.grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png"));
    }
}

class DialogLayout : public ::testing::TestWithParam<Lang> {};

TEST_P(DialogLayout, OptionalFeaturesShowsEveryTextUncut) {
    DialogLanguage language(GetParam());
    ASSERT_TRUE(language.Loaded());
    MemoryImage image = ImageMap::NewDocumentImage();
    image[0x830] = 'W';
    image[0x831] = 'W';
    OptionalFeaturesDialog dialog(image);
    ExpectNothingClipped(dialog);
    SaveScreenshot(dialog, GetParam() == Lang::Chinese ? "optional_features_chinese"
                                                       : "optional_features_english");
}

TEST_P(DialogLayout, SideKeyShowsEveryTextUncut) {
    DialogLanguage language(GetParam());
    ASSERT_TRUE(language.Loaded());
    MemoryImage image = ImageMap::NewDocumentImage();
    image[0x81D] = 0x23; // the longest names
    SideKeyDialog dialog(image);
    ExpectNothingClipped(dialog);
    SaveScreenshot(dialog, GetParam() == Lang::Chinese ? "side_key_chinese" : "side_key_english");
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, DialogLayout,
                         ::testing::Values(Lang::English, Lang::Chinese), [](const auto& info) {
                             return info.param == Lang::Chinese ? "Chinese" : "English";
                         });

} // namespace
