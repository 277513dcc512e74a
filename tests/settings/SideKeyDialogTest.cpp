#include <QTest>
#include <gtest/gtest.h>

#include "image/ImageMap.h"
#include "settings/SideKeyDialog.h"
#include "support/QtPrinters.h"
#include "tests/settings/DialogTestSupport.h"

namespace {

class SideKeyDialogTest : public ::testing::Test {
protected:
    MemoryImage m_Image = ImageMap::NewDocumentImage();

    std::unique_ptr<SideKeyDialog> Open() {
        auto dialog = std::make_unique<SideKeyDialog>(m_Image);
        dialog->show();
        QApplication::processEvents();
        return dialog;
    }

    static QComboBox* List(QDialog& dialog, const char* name) {
        return Child<QComboBox>(dialog, name);
    }

    static void Keys(QComboBox* list, std::initializer_list<Qt::Key> keys) {
        list->setFocus();
        for (Qt::Key key : keys) {
            QTest::keyClick(list, key);
        }
    }

    static void Press(QDialog& dialog, const char* button) {
        QTest::mouseClick(Child<QPushButton>(dialog, button), Qt::LeftButton);
    }
};

TEST_F(SideKeyDialogTest, NewDocumentOpensWithItsFourFunctionsAndOkKeepsThem) {
    auto dialog = Open();
    EXPECT_EQ(List(*dialog, "Key1Short")->currentText(), "Monitor");
    EXPECT_EQ(List(*dialog, "Key1Long")->currentText(), "Scan ON/OFF");
    EXPECT_EQ(List(*dialog, "Key2Short")->currentText(), "Vox ON/OFF");
    EXPECT_EQ(List(*dialog, "Key2Long")->currentText(), "Scrambler ON/OFF");
    EXPECT_EQ(List(*dialog, "Key1Short")->count(), 10);
    EXPECT_EQ(List(*dialog, "Key1Long")->count(), 11);
    EXPECT_EQ(List(*dialog, "Key2Short")->count(), 9);
    EXPECT_EQ(List(*dialog, "Key2Long")->count(), 10);
    EXPECT_FALSE(List(*dialog, "Key1Short")->isEditable());
    const MemoryImage before = m_Image;
    Press(*dialog, "OkButton");
    EXPECT_TRUE(m_Image == before);
}

TEST_F(SideKeyDialogTest, NeverProgrammedKeysOpenEmptyAndOkKeepsThem) {
    m_Image[0x81D] = 0xFF;
    m_Image[0x81E] = 0xFF;
    auto dialog = Open();
    for (const char* name : {"Key1Short", "Key1Long", "Key2Short", "Key2Long"}) {
        EXPECT_EQ(List(*dialog, name)->currentIndex(), -1) << name;
        EXPECT_EQ(List(*dialog, name)->currentText(), "") << name;
    }
    Press(*dialog, "OkButton");
    EXPECT_EQ(m_Image[0x81D], 0xFF);
    EXPECT_EQ(m_Image[0x81E], 0xFF);
}

TEST_F(SideKeyDialogTest, ChosenFunctionsAreStoredByNameNotPosition) {
    auto dialog = Open();
    Keys(List(*dialog, "Key2Short"), {Qt::Key_End});            // FM, position 8
    Keys(List(*dialog, "Key2Long"), {Qt::Key_End, Qt::Key_Up}); // Call, position 8
    EXPECT_EQ(List(*dialog, "Key2Short")->currentText(), "FM");
    EXPECT_EQ(List(*dialog, "Key2Long")->currentText(), "Call");
    Press(*dialog, "OkButton");
    EXPECT_EQ(m_Image[0x81E], 0xA9);
    EXPECT_EQ(m_Image[0x81D], 0x12);
}

TEST_F(SideKeyDialogTest, ChineseNamesAreOfferedAndStoredAsTheSameCodes) {
    DialogLanguage chinese(Lang::Chinese);
    ASSERT_TRUE(chinese.Loaded());
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("侧键"));
    EXPECT_EQ(List(*dialog, "Key1Long")->currentText(), QString::fromUtf8("扫描  开/关"));
    EXPECT_EQ(List(*dialog, "Key2Short")->currentText(), QString::fromUtf8("声控 开/关"));
    Keys(List(*dialog, "Key1Long"), {Qt::Key_End});
    EXPECT_EQ(List(*dialog, "Key1Long")->currentText(), QString::fromUtf8("收音机"));
    Press(*dialog, "OkButton");
    EXPECT_EQ(m_Image[0x81D], 0x1A);
}

TEST_F(SideKeyDialogTest, CancelAfterChangesLeavesBothBytes) {
    m_Image[0x81D] = 0x91;
    const MemoryImage before = m_Image;
    auto dialog = Open();
    EXPECT_EQ(List(*dialog, "Key1Short")->currentIndex(), -1);
    EXPECT_EQ(List(*dialog, "Key1Long")->currentText(), "Monitor");
    Keys(List(*dialog, "Key1Short"), {Qt::Key_End});
    Keys(List(*dialog, "Key2Long"), {Qt::Key_Home});
    Press(*dialog, "CancelButton");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(m_Image == before);
}

} // namespace
