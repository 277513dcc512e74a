#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "image/ImageMap.h"
#include "settings/OptionalFeaturesDialog.h"
#include "settings/SideKeyDialog.h"
#include "settings/TimeoutTimerSpin.h"
#include "support/QtPrinters.h"
#include "tests/settings/DialogTestSupport.h"

namespace {

class OptionalFeaturesDialogTest : public ::testing::Test {
protected:
    MemoryImage m_Image = ImageMap::NewDocumentImage();

    // The dialog shown (not run), so that real events reach its controls.
    std::unique_ptr<OptionalFeaturesDialog> Open() {
        auto dialog = std::make_unique<OptionalFeaturesDialog>(m_Image);
        dialog->show();
        QApplication::processEvents();
        return dialog;
    }

    static void Press(QDialog& dialog, const char* button) {
        QTest::mouseClick(Child<QPushButton>(dialog, button), Qt::LeftButton);
    }

    // Clicks a check box on its text, where a click toggles it.
    static void Toggle(QDialog& dialog, const char* name) {
        QCheckBox* box = Child<QCheckBox>(dialog, name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    }

    static void Type(QWidget* widget, const QString& text) {
        widget->setFocus();
        QTest::keyClicks(widget, text);
    }
};

TEST_F(OptionalFeaturesDialogTest, OpeningShowsTheImage) {
    m_Image[0x814] = 4;
    m_Image[0x815] = 0;
    m_Image[0x830] = 'R';
    m_Image[0x831] = '2';
    m_Image[0x819] = 11;
    auto dialog = Open();
    EXPECT_EQ(Child<TimeoutTimerSpin>(*dialog, "TimeoutTimer")->text(), "60");
    EXPECT_EQ(Child<QComboBox>(*dialog, "SquelchLevel")->currentText(), "5");
    EXPECT_EQ(Child<QComboBox>(*dialog, "LanguageChoose")->currentText(), "Off");
    EXPECT_EQ(Child<QComboBox>(*dialog, "VoxGainLevel")->currentText(), "Off");
    EXPECT_EQ(Child<QComboBox>(*dialog, "Roger")->currentIndex(), -1);
    EXPECT_EQ(Child<QComboBox>(*dialog, "Roger")->currentText(), "");
    EXPECT_EQ(Child<QLineEdit>(*dialog, "Id")->text(), "R2");
    EXPECT_TRUE(Child<QCheckBox>(*dialog, "Beep")->isChecked());
    EXPECT_EQ(Child<QComboBox>(*dialog, "PriorityChannel")->count(), 128);
    EXPECT_EQ(Entries(Child<QComboBox>(*dialog, "OptSignal")),
              (QStringList{"MSK", "DTMF", "CCIR", "OFF"}));
}

// Whatever the settings area holds, bytes the controls cannot show among
// them, OK without a change in either dialog leaves every byte as it was.
TEST_F(OptionalFeaturesDialogTest, OkWithoutAChangeInEitherDialogLeavesEveryByte) {
    const struct {
        const char* what;
        void (*fill)(MemoryImage&);
    } cases[] = {
        {"a new document", [](MemoryImage&) {}},
        {"0x812 = 1E", [](MemoryImage& m) { m[0x812] = 0x1E; }},
        {"ID 12*#",
         [](MemoryImage& m) {
             const std::uint8_t id[] = {'1', '2', '*', '#', 0xFF, 0xFF, 0xFF, 0xFF};
             std::copy(std::begin(id), std::end(id), m.data() + 0x830);
         }},
        {"all FF", [](MemoryImage& m) { std::fill(m.data() + 0x800, m.data() + 0x850, 0xFF); }},
        {"all 00", [](MemoryImage& m) { std::fill(m.data() + 0x800, m.data() + 0x850, 0x00); }},
        {"a*7+3",
         [](MemoryImage& m) {
             for (int a = 0x800; a < 0x850; ++a) {
                 m[a] = static_cast<std::uint8_t>(a * 7 + 3);
             }
             for (int a = 0xC60; a <= 0xC64; ++a) {
                 m[a] = static_cast<std::uint8_t>(a * 13 + 5);
             }
         }},
        {"lower-case IDs and a group above 1999",
         [](MemoryImage& m) {
             const char text[] = "ab12cd34";
             std::copy(text, text + 8, m.data() + 0x828);
             std::copy(text + 2, text + 6, m.data() + 0x820);
             m[0x820] = '7';
         }},
    };
    for (const Lang lang : {Lang::English, Lang::Chinese}) {
        DialogLanguage language(lang);
        for (const auto& c : cases) {
            m_Image = ImageMap::NewDocumentImage();
            c.fill(m_Image);
            const MemoryImage before = m_Image;
            auto features = Open();
            Press(*features, "OkButton");
            EXPECT_EQ(features->result(), QDialog::Accepted);
            SideKeyDialog keys(m_Image);
            keys.show();
            Press(keys, "OkButton");
            for (int a = 0; a < static_cast<int>(MemoryImage::Size); ++a) {
                EXPECT_EQ(m_Image[a], before[a]) << c.what << ", address " << std::hex << a;
            }
        }
    }
}

TEST_F(OptionalFeaturesDialogTest, SpinArrowsStepFifteenSecondsBetweenOffAnd600) {
    auto dialog = Open();
    auto* spin = Child<TimeoutTimerSpin>(*dialog, "TimeoutTimer");
    spin->setFocus();
    for (int i = 0; i < 45; ++i) {
        QTest::keyClick(spin, Qt::Key_Up);
    }
    EXPECT_EQ(spin->text(), "600");
    QTest::keyClick(spin, Qt::Key_Down);
    EXPECT_EQ(spin->text(), "585");
    Press(*dialog, "OkButton");
    EXPECT_EQ(m_Image[0x814], 39);

    auto again = Open();
    auto* spin2 = Child<TimeoutTimerSpin>(*again, "TimeoutTimer");
    spin2->setFocus();
    for (int i = 0; i < 41; ++i) {
        QTest::keyClick(spin2, Qt::Key_Down);
    }
    EXPECT_EQ(spin2->text(), "OFF");
    Press(*again, "OkButton");
    EXPECT_EQ(m_Image[0x814], 0);
}

TEST_F(OptionalFeaturesDialogTest, TimeoutTextTypedByHandIsNeverStored) {
    m_Image[0x814] = 2;
    auto dialog = Open();
    auto* spin = Child<TimeoutTimerSpin>(*dialog, "TimeoutTimer");
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spin, "300");
    EXPECT_EQ(spin->text(), "300");
    Child<QLineEdit>(*dialog, "KillId")->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(spin->text(), "30") << "leaving the box shows the stored value again";
    Press(*dialog, "OkButton");
    EXPECT_EQ(m_Image[0x814], 2);
}

TEST_F(OptionalFeaturesDialogTest, IdBoxTakesOnlyLettersAndDigitsAndShowsThemUpperCase) {
    auto dialog = Open();
    auto* id = Child<QLineEdit>(*dialog, "Id");
    Type(id, "a-b c1.2");
    EXPECT_EQ(id->text(), "ABC12");
    QTest::keyClick(id, Qt::Key_Backspace);
    EXPECT_EQ(id->text(), "ABC1");
    Type(id, "xyzwvu");
    EXPECT_EQ(id->text(), "ABC1XYZW") << "at most eight characters";

    auto* call = Child<QLineEdit>(*dialog, "CallId");
    Type(call, "k-9");
    EXPECT_EQ(call->text(), "K-9") << "upper-case but not filtered";
    auto* group = Child<QLineEdit>(*dialog, "GroupId");
    Type(group, "2a34x5");
    EXPECT_EQ(group->text(), "2345") << "digits only, at most four";
    auto* kill = Child<QLineEdit>(*dialog, "KillId");
    kill->setFocus();
    kill->insert(QString::fromUtf8("中a")); // as a paste would
    Press(*dialog, "OkButton");

    EXPECT_EQ(m_Image[0x830], 'A');
    EXPECT_EQ(m_Image[0x837], 'W');
    EXPECT_EQ(m_Image[0x828], 'K');
    EXPECT_EQ(m_Image[0x829], '0');
    EXPECT_EQ(m_Image[0x82A], '9');
    EXPECT_EQ(m_Image[0x82B], 0xFF);
    EXPECT_EQ(m_Image[0x820], '1') << "four-digit groups start with 0 or 1";
    EXPECT_EQ(m_Image[0x840], '0');
    EXPECT_EQ(m_Image[0x841], 'A');
    EXPECT_EQ(m_Image[0x842], 0xFF);
}

TEST_F(OptionalFeaturesDialogTest, ListsAndCheckBoxesReachTheirBytes) {
    auto dialog = Open();
    auto* squelch = Child<QComboBox>(*dialog, "SquelchLevel");
    squelch->setFocus();
    QTest::keyClick(squelch, Qt::Key_Down);
    auto* language = Child<QComboBox>(*dialog, "LanguageChoose");
    language->setFocus();
    QTest::keyClick(language, Qt::Key_Home);
    auto* priority = Child<QComboBox>(*dialog, "PriorityChannel");
    priority->setFocus();
    QTest::keyClick(priority, Qt::Key_End);
    auto* modulation = Child<QComboBox>(*dialog, "ModulationGain");
    modulation->setFocus();
    QTest::keyClick(modulation, Qt::Key_End);
    Toggle(*dialog, "Beep");
    Toggle(*dialog, "BeginOfTx");
    auto* repeat = Child<QComboBox>(*dialog, "RepeatInvert");
    repeat->setFocus();
    QTest::keyClick(repeat, Qt::Key_Down);
    Press(*dialog, "OkButton");

    EXPECT_EQ(m_Image[0x813], 6);
    EXPECT_EQ(m_Image[0x812], 0x87) << "Chinese, battery save, no beep; bit 7 is the type bar's";
    EXPECT_EQ(m_Image[0x81B], 128);
    EXPECT_EQ(m_Image[0xC62], 7);
    EXPECT_EQ(m_Image[0x810], 0xA0);
    EXPECT_EQ(m_Image[0x81F], 0xFD);
}

TEST_F(OptionalFeaturesDialogTest, VoxGainTextIsReadAsALevelWithFiveForOutOfRange) {
    m_Image[0x815] = 12;
    auto dialog = Open();
    auto* gain = Child<QComboBox>(*dialog, "VoxGainLevel");
    EXPECT_EQ(gain->currentText(), "4");
    gain->lineEdit()->selectAll();
    Type(gain, "12");
    Press(*dialog, "OkButton");
    EXPECT_EQ(m_Image[0x815], 5);
}

TEST_F(OptionalFeaturesDialogTest, CancelAfterChangesLeavesTheImageAlone) {
    const MemoryImage before = m_Image;
    auto dialog = Open();
    Type(Child<QLineEdit>(*dialog, "ListenId"), "77");
    Toggle(*dialog, "BatterySave");
    auto* spin = Child<TimeoutTimerSpin>(*dialog, "TimeoutTimer");
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Up);
    Press(*dialog, "CancelButton");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(m_Image == before);

    auto again = Open();
    Toggle(*again, "Beep");
    QTest::keyClick(again.get(), Qt::Key_Escape);
    EXPECT_FALSE(again->isVisible());
    EXPECT_TRUE(m_Image == before);
}

TEST_F(OptionalFeaturesDialogTest, ChineseInterfaceNamesTheOffEntriesInChinese) {
    DialogLanguage chinese(Lang::Chinese);
    ASSERT_TRUE(chinese.Loaded());
    m_Image[0x815] = 3;
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("可选功能"));
    auto* gain = Child<QComboBox>(*dialog, "VoxGainLevel");
    EXPECT_EQ(gain->itemText(0), QString::fromUtf8("关"));
    EXPECT_EQ(Entries(Child<QComboBox>(*dialog, "ScramblerActivation")),
              (QStringList{QString::fromUtf8("关"), QString::fromUtf8("开")}));
    EXPECT_EQ(Entries(Child<QComboBox>(*dialog, "LanguageChoose")),
              (QStringList{QString::fromUtf8("中文"), QString::fromUtf8("英文"),
                           QString::fromUtf8("关")}));
    gain->setFocus();
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(gain, Qt::Key_Up);
    }
    EXPECT_EQ(gain->currentText(), QString::fromUtf8("关"));
    Press(*dialog, "OkButton");
    EXPECT_EQ(m_Image[0x815], 0);
}

} // namespace
