// The import preview over real CHIRP rows: what the table says, how the
// placement choices move the rows, and that every control is named in both
// languages.
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "base/LanguageModule.h"
#include "base/AppLanguage.h"
#include "formats/ChirpImport.h"
#include "formats/ImportPreviewDialog.h"
#include "tests/formats/ChirpTestRows.h"
#include "tests/support/QtPrinters.h"

using namespace ChirpTestRows;
using Col = ImportPreviewDialog::Column;

namespace {

class ImportPreviewDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        read = ChirpImport::Read(File({{{"Location", "0"}, {"Name", "Town"}},
                                       {{"Location", "1"}, {"Mode", "AM"}},
                                       {{"Location", "5"}, {"Name", "HILL"}}}),
                                 WideBand);
        ASSERT_TRUE(read.ok);
    }
    void TearDown() override { bChinese = 0; }

    std::unique_ptr<ImportPreviewDialog> Make(bool canPlace = true) {
        return std::make_unique<ImportPreviewDialog>(
            QStringLiteral("list.csv"), canPlace,
            [this](ChannelImport::Placement p) { return ChirpImport::Place(read, p); });
    }

    static QString Cell(const ImportPreviewDialog& d, int row, int col) {
        return d.Table()->item(row, col)->text();
    }
    static QStringList Channels(const ImportPreviewDialog& d) {
        QStringList channels;
        for (int r = 0; r < d.Table()->rowCount(); ++r) {
            channels << Cell(d, r, Col::ColChannel);
        }
        return channels;
    }

    ChirpImport::ReadResult read;
};

} // namespace

TEST_F(ImportPreviewDialogTest, EveryRowShowsItsLineChannelAndStatus) {
    const auto dialog = Make();
    ASSERT_EQ(dialog->Table()->rowCount(), 3);
    EXPECT_EQ(Cell(*dialog, 0, Col::ColLine), QStringLiteral("2"));
    EXPECT_EQ(Cell(*dialog, 0, Col::ColName), QStringLiteral("Town"));
    EXPECT_EQ(Cell(*dialog, 0, Col::ColFrequency), QStringLiteral("146.520000"));
    EXPECT_EQ(Cell(*dialog, 0, Col::ColStatus),
              QStringLiteral("changed: name \"Town\" stored as \"TOWN\""));
    EXPECT_EQ(Cell(*dialog, 1, Col::ColStatus),
              QStringLiteral("skipped: mode AM cannot be stored"));
    EXPECT_EQ(Cell(*dialog, 2, Col::ColStatus), QStringLiteral("imported"));
    EXPECT_EQ(Channels(*dialog), QStringList({"1", "-", "2"}));
    EXPECT_EQ(dialog->Summary()->text(),
              QStringLiteral("Rows into channels: 2; rows not imported: 1."));
    EXPECT_TRUE(dialog->ImportButton()->isEnabled());
    EXPECT_FALSE(dialog->EmptyOthers());
}

TEST_F(ImportPreviewDialogTest, StartChannelAndByLocationMoveTheRows) {
    const auto dialog = Make();
    dialog->StartBox()->setValue(128);
    EXPECT_EQ(Channels(*dialog), QStringList({"128", "-", "-"}));
    EXPECT_EQ(Cell(*dialog, 2, Col::ColStatus), QStringLiteral("not placed: no channel left"));
    EXPECT_EQ(dialog->Rows()[0].channel, 128);

    dialog->ByLocationButton()->click();
    EXPECT_EQ(Channels(*dialog), QStringList({"1", "-", "6"}));
    EXPECT_FALSE(dialog->StartBox()->isEnabled());
    EXPECT_TRUE(dialog->CurrentPlacement().byLocation);
    dialog->InOrderButton()->click();
    EXPECT_EQ(Channels(*dialog), QStringList({"128", "-", "-"}));
    dialog->EmptyOthersBox()->click();
    EXPECT_TRUE(dialog->EmptyOthers());
}

TEST_F(ImportPreviewDialogTest, NothingPlaceableDisablesImport) {
    read = ChirpImport::Read(File({{{"Mode", "AM"}}}), WideBand);
    const auto dialog = Make();
    EXPECT_FALSE(dialog->ImportButton()->isEnabled());
}

TEST_F(ImportPreviewDialogTest, RowsThatNameTheirChannelsOfferNoPlacement) {
    const auto dialog = Make(false);
    EXPECT_FALSE(dialog->InOrderButton()->isEnabled());
    EXPECT_FALSE(dialog->ByLocationButton()->isEnabled());
    EXPECT_FALSE(dialog->StartBox()->isEnabled());
    EXPECT_TRUE(dialog->EmptyOthersBox()->isEnabled());
}

TEST_F(ImportPreviewDialogTest, ChineseTextsAndAccessibleNames) {
    LanguageModule module({QCoreApplication::applicationDirPath()});
    ASSERT_TRUE(module.Load(QStringLiteral("Chinese")));
    bChinese = 1;
    const auto dialog = Make();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("导入频道"));
    EXPECT_EQ(dialog->ImportButton()->text(), QStringLiteral("导入"));
    EXPECT_EQ(Cell(*dialog, 1, Col::ColStatus), QStringLiteral("已跳过：无法存储模式 AM"));
    EXPECT_EQ(dialog->EmptyOthersBox()->text(), QStringLiteral("清空其他频道"));
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (dialog->Table()->isAncestorOf(w)) {
            continue; // the table's own scroll bars and corner button
        }
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QSpinBox*>(w) ||
            qobject_cast<QTableWidget*>(w)) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
        }
    }
    EXPECT_EQ(dialog->StartBox()->accessibleName(), QStringLiteral("起始频道"));
}
