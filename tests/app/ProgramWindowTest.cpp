// The main window over the real channel view: what New and Open show, and
// what Save writes.
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include "commands/CompareCommands.h"
#include "commands/FileCommands.h"
#include "commands/FleetCommands.h"
#include "commands/HelpCommands.h"
#include "commands/HelpWindow.h"
#include "commands/LanguageSwitch.h"
#include "commands/MainActions.h"
#include "transfer/PortChoice.h"
#include "transfer/TransferCommands.h"
#include "editor/ChannelEditor.h"
#include "editor/ChannelTable.h"
#include "editor/TypeSettingBar.h"
#include "image/ChannelCodec.h"
#include "image/ImageMap.h"
#include "image/RawChannel.h"
#include "transfer/ProgressDialog.h"
#include "link/SimulatedRadio.h"
#include "tests/app/ShellFixture.h"
#include "tests/support/MenuText.h"
#include "base/ButtonName.h"
#include <QAccessible>
#include <QMenuBar>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QTest>
#include <QToolBar>
#include <algorithm>
#include <atomic>
#include <thread>

namespace {

class ProgramWindowTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        MakeFrame();
        frame->Files().SetFileChooser(
            [this](QWidget*, bool, const QString&) { return chosenFile; });
        frame->Actions().fileNew->trigger();
    }

    ChannelTable& Grid() { return *view->Grid(); }

};

TEST_F(ProgramWindowTest, AfterNewTheGridAndBarShowAnEmptyRadio) {
    EXPECT_EQ(Grid().CellText(0, 1), QStringLiteral("Rx Frequency"));
    EXPECT_EQ(Grid().CellText(0, 5), QStringLiteral(" W/N "));
    for (int row = 1; row <= 128; ++row) {
        ASSERT_EQ(Grid().CellText(row, 0), QString::number(row));
        for (int col = 1; col <= 13; ++col) {
            ASSERT_EQ(Grid().CellText(row, col), QString()) << row << "," << col;
        }
    }
    TypeSettingBar& bar = *view->Bar();
    EXPECT_EQ(bar.TypeList()->currentText(), QStringLiteral("Orin-6140D"));
    EXPECT_EQ(bar.ManualList()->currentText(), QStringLiteral("Open"));
    EXPECT_EQ(bar.LowerBox()->text(), QStringLiteral("400"));
    EXPECT_EQ(bar.UpperBox()->text(), QStringLiteral("480"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Untitled[*] - Orin Programing Software"));
}

TEST_F(ProgramWindowTest, OpeningAKnownImageShowsItsChannelsInEitherLanguage) {
    const MemoryImage radio = SimulatedRadio::DemoMemory();
    const QString path = WriteImage(QStringLiteral("demo.sin"), radio);
    for (Lang lang : {Lang::English, Lang::Chinese}) {
        bChinese = lang == Lang::Chinese ? 1 : 0;
        ASSERT_TRUE(frame->Files().OpenPath(path));
        for (int n = 0; n < 128; ++n) {
            const ChannelRecord record = DecodeChannel(radio, n, lang);
            for (int col = 1; col <= 13; ++col) {
                ASSERT_EQ(Grid().CellText(n + 1, col).toStdString(), record[col])
                    << "channel " << n + 1 << " column " << col;
            }
        }
    }
    EXPECT_EQ(Grid().CellText(0, 1), QStringLiteral("接收频率"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("demo.sin[*] - Orin Programing Software"));
}

TEST_F(ProgramWindowTest, SavingANewDocumentAtOnceWritesItsBytesUnchanged) {
    chosenFile = TempPath(QStringLiteral("new.sin"));
    frame->Actions().fileSave->trigger();
    const QByteArray bytes = ReadFile(chosenFile);
    ASSERT_EQ(bytes.size(), 4096);
    const MemoryImage expected = ImageMap::NewDocumentImage();
    for (int a = 0; a < 4096; ++a) {
        ASSERT_EQ(static_cast<std::uint8_t>(bytes[a]), expected[a]) << "address " << a;
    }
}

TEST_F(ProgramWindowTest, OpenThenSaveKeepsEveryByteButTheMarkerAndAnEditOnlyItsChannel) {
    MemoryImage odd = SimulatedRadio::DemoMemory();
    for (int a = 0xC68; a <= 0xFEF; ++a) {
        odd[a] = static_cast<std::uint8_t>(a * 7);
    }
    for (int n = 0; n < 128; ++n) {
        odd[ImageMap::SlotAddress(n) + 12] &= 0x0F; // scrambler 0 everywhere
    }
    MemoryImage zero;
    std::fill(zero.data(), zero.data() + MemoryImage::Size, std::uint8_t{0});
    for (const MemoryImage& image : {SimulatedRadio::DemoMemory(), zero, odd}) {
        const QString path = WriteImage(QStringLiteral("radio.sin"), image);
        ASSERT_TRUE(frame->Files().OpenPath(path));
        frame->Actions().fileSave->trigger();
        const QByteArray bytes = ReadFile(path);
        ASSERT_EQ(bytes.size(), 4096);
        for (int a = 0; a < 4096; ++a) {
            ASSERT_EQ(static_cast<std::uint8_t>(bytes[a]), a == 0x811 ? 0xA8 : image[a])
                << "address " << a;
        }
        // One cell edited: only that channel's bytes differ (a name typed on
        // a channel without frequency empties it, as a new file's).
        Grid().SetCellText(4, ColName, QStringLiteral("EDIT"));
        frame->Actions().fileSave->trigger();
        MemoryImage saved;
        const QByteArray after = ReadFile(path);
        std::copy(after.begin(), after.end(), saved.data());
        for (int a = 0; a < 4096; ++a) {
            const bool name4 = a >= ImageMap::NameAddress(3) && a < ImageMap::NameAddress(4);
            const bool slot4 = a >= ImageMap::SlotAddress(3) && a < ImageMap::SlotAddress(4);
            if (!name4 && !slot4 && a != 0x811 && a != ImageMap::ScanBitmap) {
                ASSERT_EQ(saved[a], image[a]) << "address " << a;
            }
        }
        if (image == zero) {
            EXPECT_EQ(ReadRawChannel(saved, 3), EmptyRawChannel());
        }
    }
}

TEST_F(ProgramWindowTest, SettingsDialogsAcceptedUnchangedChangeNothingAndAddNoStep) {
    dialogAnswer = QDialog::Accepted;
    chosenFile = TempPath(QStringLiteral("settings.sin"));
    for (const bool manual : {true, false}) {
        view->Bar()->ManualList()->setCurrentIndex(manual ? 0 : 1);
        emit view->Bar()->ManualList()->activated(manual ? 0 : 1);
        frame->Actions().fileSave->trigger();
        const MemoryImage before = doc.image();
        const QString undo = frame->Actions().editUndo->text(); // names the last step
        for (QAction* settings : {frame->Actions().optionalFeatures, frame->Actions().sideKey}) {
            settings->trigger();
            EXPECT_EQ(doc.image(), before) << settings->objectName().toStdString() << manual;
            EXPECT_FALSE(frame->isWindowModified());
            EXPECT_EQ(frame->Actions().editUndo->text(), undo);
            EXPECT_EQ(view->Bar()->ManualList()->currentIndex(), manual ? 0 : 1);
        }
    }
    EXPECT_EQ(dialogs.size(), 4);
}

TEST_F(ProgramWindowTest, OpenFailureKeepsTheShownChannels) {
    Grid().SetCellText(5, 1, QStringLiteral("430.50000"));
    const QString path = TempPath(QStringLiteral("short.sin"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(10, '\0'));
    f.close();
    EXPECT_FALSE(frame->Files().OpenPath(path));
    EXPECT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(Grid().CellText(5, 1), QStringLiteral("430.50000"));
}

// Every text of the view as the user sees it: titles, cells, bar, and the
// accessible names of the bar's controls.
QStringList ViewTexts(ChannelEditor& view) {
    QStringList texts;
    for (int row = 0; row <= 128; ++row) {
        for (int col = 0; col <= 13; ++col) {
            texts << view.Grid()->CellText(row, col);
        }
    }
    for (QWidget* w : view.Bar()->findChildren<QWidget*>()) {
        texts << w->accessibleName();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            texts << label->text();
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < list->count(); ++i) {
                texts << list->itemText(i);
            }
        }
    }
    texts << view.Bar()->title() << view.Grid()->accessibleName();
    return texts;
}

TEST_F(ProgramWindowTest, LanguageSwitchRelabelsTheGridAndSwitchingBackLooksAsAtStart) {
    ASSERT_TRUE(frame->Files().OpenPath(
        WriteImage(QStringLiteral("demo.sin"), SimulatedRadio::DemoMemory())));
    const QStringList english = ViewTexts(*view);
    ASSERT_TRUE(frame->Language().SwitchLanguage());
    EXPECT_EQ(Grid().CellText(0, 1), QStringLiteral("接收频率"));
    EXPECT_EQ(view->Bar()->ManualList()->currentText(), QStringLiteral("打开"));
    const QStringList chinese = ViewTexts(*view);
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(frame->Language().SwitchLanguage());
        EXPECT_EQ(ViewTexts(*view), english);
        ASSERT_TRUE(frame->Language().SwitchLanguage());
        EXPECT_EQ(ViewTexts(*view), chinese);
    }
    EXPECT_EQ(Grid().accessibleName(), QStringLiteral("频道"));
    EXPECT_EQ(view->Bar()->TypeList()->accessibleName(), QStringLiteral("机型"));
}

TEST_F(ProgramWindowTest, TheWholeWindowsMenusAndToolbarAsTheUserSeesThem) {
    auto* transfer = new TransferCommands(doc, view->Grid(), frame.get());
    frame->AttachTransfer(transfer);
    emit frame->PortMenu()->aboutToShow();
    // Each item as its menu draws it: the text, then the key Qt shows.
    const QList<std::pair<QMenu*, QStringList>> menus = {
        {frame->FileMenu(),
         {"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-",
          "&Import Channels...", "&Export Channels...", "Compare With &File...", "-",
          "&Print...\tCtrl+P", "Print Pre&view", "P&rint Setup...", "-", "E&xit\tCtrl+Q"}},
        {frame->EditMenu(),
         {"&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C",
          "&Paste\tCtrl+V", "C&lear\tDel", "-", "&Insert Empty Channel", "&Delete Channel", "-",
          "&Move Up\tCtrl+Shift+Up", "Move Do&wn\tCtrl+Shift+Down", "&Sort By Rx Frequency", "-",
          "Insert C&hannel Plan..."}},
        {frame->ProgramMenu(),
         {"&Read From Radio\tCtrl+R", "&Write To Radio\tCtrl+W", "Write To &Several Radios...",
          "&Compare With Radio...", "&Verify After Write", "-", "&Optional Features", "Side Key",
          "-", "Check Channels Against &Licence..."}},
        {frame->ViewMenu(), {"&Toolbar", "&Status Bar", "Switch to Chinese"}},
        {frame->HelpMenu(), {"&Help Topics\tF1", "-", "&About Orin..."}},
    };
    QStringList titles;
    for (QAction* a : frame->menuBar()->actions()) {
        titles << a->text();
    }
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&Program", "P&ort", "&View", "&Help"}));
    for (const auto& [menu, texts] : menus) {
        EXPECT_EQ(ShownTexts(menu), texts) << menu->title().toStdString();
    }
    // The toolbar's buttons, as a screen reader names them.
    QStringList buttons;
    for (QAction* action : frame->ToolBar()->actions()) {
        if (!action->isSeparator()) {
            QWidget* button = frame->ToolBar()->widgetForAction(action);
            buttons << QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
            EXPECT_FALSE(action->icon().isNull());
        }
    }
    EXPECT_EQ(buttons, (QStringList{"New", "Open", "Save", "Read From Radio", "Write To Radio",
                                    "Print", "About Orin"}));
    EXPECT_EQ(ButtonName(QStringLiteral("从对讲机读取(&R)")), QStringLiteral("从对讲机读取"));
    // The keys are the actions' own: no text carries one, in either language.
    for (const bool chinese : {false, true}) {
        if (chinese) {
            frame->Language().SwitchLanguage();
        }
        for (const auto& [menu, texts] : menus) {
            for (QAction* action : menu->actions()) {
                EXPECT_FALSE(action->text().contains(QLatin1Char('\t'))) << action->text().toStdString();
            }
        }
    }
    // A transfer turns off what would change or read the whole image.
    emit transfer->busyChanged(true);
    EXPECT_FALSE(frame->Actions().fileNew->isEnabled());
    EXPECT_FALSE(frame->Actions().optionalFeatures->isEnabled());
    emit transfer->busyChanged(false);
    EXPECT_TRUE(frame->Actions().fileNew->isEnabled());
}

TEST_F(ProgramWindowTest, EveryKeyOfTheWholeWindowIsBoundOnceAndTheLabelsOnlyAreNot) {
    // The whole window with its transfer commands: every key bound anywhere,
    // by an action or a shortcut object.
    frame->AttachTransfer(new TransferCommands(doc, view->Grid(), frame.get()));
    emit frame->PortMenu()->aboutToShow();
    QMap<QString, QStringList> bound; // key -> what it starts
    for (QAction* action : frame->findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts()) {
            bound[key.toString()] << action->text().section('\t', 0, 0);
        }
    }
    for (QShortcut* shortcut : frame->findChildren<QShortcut*>()) {
        bound[shortcut->key().toString()] << QStringLiteral("(shortcut)");
    }
    // The accelerator table and the transfer commands' own keys.
    const QMap<QString, QString> expected = {
        {"Ctrl+N", "&New"},
        {"Ctrl+O", "&Open..."},
        {"Ctrl+S", "&Save"},
        {"Ctrl+P", "&Print..."},
        {"Ctrl+Q", "E&xit"},
        {"F1", "&Help Topics"},
        {"Shift+F1", "Help Contents"},
        {"Ctrl+Shift+Z", "&Redo"},
        {"Ctrl+R", "&Read From Radio"},
        {"Ctrl+W", "&Write To Radio"},
    };
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        EXPECT_EQ(bound.value(it.key()), QStringList{it.value()}) << it.key().toStdString();
    }
    // A key that starts two commands starts neither; the help page of keys
    // lists every one, in both languages.
    for (const char* book : {"Orin6140_EN", "Orin6140_CH"}) {
        QFile page(QStringLiteral(":/help/%1/keys.html").arg(QLatin1String(book)));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(page.readAll());
        for (auto it = bound.begin(); it != bound.end(); ++it) {
            EXPECT_TRUE(text.contains(QStringLiteral("<td>%1").arg(it.key())) ||
                        text.contains(QStringLiteral(", %1</td>").arg(it.key())))
                << book << " lacks " << it.key().toStdString();
        }
    }
    for (auto it = bound.begin(); it != bound.end(); ++it) {
        EXPECT_EQ(it.value().size(), 1)
            << it.key().toStdString() << ": " << it.value().join('|').toStdString();
    }
    // Optional Features and the COM entries have no keys.
    EXPECT_TRUE(frame->Actions().optionalFeatures->shortcuts().isEmpty());
    int comEntries = 0;
    for (QAction* action : frame->findChildren<QAction*>()) {
        const int id = action->data().toInt();
        if (std::find(std::begin(PortChoice::ComCommandIds), std::end(PortChoice::ComCommandIds),
                      id) != std::end(PortChoice::ComCommandIds)) {
            ++comEntries;
            EXPECT_TRUE(action->shortcuts().isEmpty()) << action->text().toStdString();
        }
    }
    EXPECT_EQ(comEntries, 4);
}

TEST_F(ProgramWindowTest, ClosingTheWindowDuringAReadStopsItAndKeepsTheDocument) {
    // Backups and logs of this test process go to a folder of its own.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName(
        QStringLiteral("app_gui_tests-%1").arg(QCoreApplication::applicationPid()));
    auto* transfer = new TransferCommands(doc, view->Grid(), frame.get());
    frame->AttachTransfer(transfer);
    transfer->Port().SetPortName(PortChoice::SimulatedPort);
    const MemoryImage before = doc.image();
    std::atomic<bool> bRunning{false};
    std::atomic<bool>& bCancel = transfer->Dialog()->CancelRequested();
    transfer->SetSleeper([&](int) {
        // A slow radio: the transfer waits here until it is cancelled.
        bRunning = true;
        while (!bCancel.load()) {
            std::this_thread::yield();
        }
    });
    frame->show();
    transfer->ReadAction()->trigger();
    transfer->Dialog()->StartButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bRunning.load(); }, 20000));
    EXPECT_FALSE(frame->Actions().fileOpen->isEnabled());

    frame->close();
    EXPECT_FALSE(transfer->IsBusy());
    EXPECT_EQ(doc.image(), before);
    EXPECT_TRUE(frame->Actions().fileOpen->isEnabled());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

// Grabs the window as the user sees it; with ORIN_SCREENS_DIR set the pictures
// are kept there for a look.
QImage Grab(QWidget& window, const char* name) {
    window.show();
    QCoreApplication::processEvents();
    const QImage image = window.grab().toImage();
    const QString dir = qEnvironmentVariable("ORIN_SCREENS_DIR");
    if (!dir.isEmpty()) {
        image.save(dir + QStringLiteral("/%1.png").arg(QLatin1String(name)));
    }
    return image;
}

TEST_F(ProgramWindowTest, WindowLooksDifferentAfterEachSwitch) {
    ASSERT_TRUE(frame->Files().OpenPath(
        WriteImage(QStringLiteral("demo.sin"), SimulatedRadio::DemoMemory())));
    frame->AttachTransfer(new TransferCommands(doc, view->Grid(), frame.get()));
    const QImage english = Grab(*frame, "main_english_demo");
    ASSERT_TRUE(frame->Language().SwitchLanguage());
    const QImage chinese = Grab(*frame, "main_after_switch_to_chinese");
    ASSERT_TRUE(frame->Language().SwitchLanguage());
    const QImage back = Grab(*frame, "main_after_switch_to_english");
    EXPECT_EQ(english.size(), frame->size());
    EXPECT_NE(english, chinese);
    EXPECT_NE(chinese, back);

    frame->Actions().helpTopics->trigger();
    Grab(*frame->Help().Window(), "help_english");
    bChinese = 1;
    frame->Actions().helpContents->trigger();
    Grab(*frame->Help().Window(), "help_chinese");
}

} // namespace
