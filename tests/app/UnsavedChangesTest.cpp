// The main window over the real channel view: the Edit menu's Undo and Redo,
// the modified mark, and the question before unsaved changes would be lost.
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include "commands/EditCommands.h"
#include "commands/FileCommands.h"
#include "commands/LanguageSwitch.h"
#include "commands/MainActions.h"
#include "editor/ChannelEditor.h"
#include "editor/ChannelTable.h"
#include "editor/TypeSettingBar.h"
#include "image/ChannelCodec.h"
#include "image/ChannelTexts.h"
#include "image/ImageMap.h"
#include "transfer/PortChoice.h"
#include "transfer/ProgressDialog.h"
#include "transfer/TransferCommands.h"
#include "tests/app/ShellFixture.h"
#include "tests/support/MenuText.h"

namespace {

constexpr char SaveQuestion[] =
    "The channel data has been changed.\nDo you want to save the changes?";

class UnsavedChangesTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        MakeFrame();
        frame->Files().SetFileChooser([this](QWidget*, bool save, const QString&) {
            chooserCalls << (save ? QStringLiteral("save") : QStringLiteral("open"));
            return chosenFile;
        });
        frame->Actions().fileNew->trigger();
        frame->resize(1300, 700);
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }

    ChannelTable& Grid() { return *view->Grid(); }
    static QWidget* Focus() { return QApplication::focusWidget(); }

    void ClickCell(int row, int col) {
        Grid().scrollTo(Grid().model()->index(row - 1, col - 1));
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {},
                          Grid().CellRect(row, col).center());
    }
    // Types a frequency into a cell and leaves the editor closed, the grid
    // holding the focus.
    void EnterFrequency(int row, int col, const QString& text) {
        ClickCell(row, col);
        QTest::keyClicks(Focus(), text);
        view->commitPendingEdits();
        ASSERT_EQ(Focus(), &Grid());
    }
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(Focus(), Qt::Key(key), modifiers);
    }
    // A document opened from a file, then one channel edited.
    QString OpenAndEdit() {
        const QString path = WriteImage(QStringLiteral("radio.sin"), ImageMap::NewDocumentImage());
        EXPECT_TRUE(frame->Files().OpenPath(path));
        EnterFrequency(1, 1, QStringLiteral("450"));
        EXPECT_TRUE(frame->isWindowModified());
        return path;
    }
    // What Save would write now.
    MemoryImage SavedBytes() {
        view->commitPendingEdits();
        return doc.image();
    }

};

TEST_F(UnsavedChangesTest, TheEditMenuSitsBetweenFileAndProgramInBothLanguages) {
    const QList<QAction*> menus = frame->menuBar()->actions();
    ASSERT_GE(menus.size(), 3);
    EXPECT_EQ(menus[0]->menu(), frame->FileMenu());
    EXPECT_EQ(menus[1]->menu(), frame->EditMenu());
    EXPECT_EQ(menus[2]->menu(), frame->ProgramMenu());
    EXPECT_EQ(frame->EditMenu()->title(), QStringLiteral("&Edit"));
    const MainActions& a = frame->Actions();
    // Undo and Redo first; the channel commands follow them.
    EXPECT_EQ(frame->EditMenu()->actions().mid(0, 2), (QList<QAction*>{a.editUndo, a.editRedo}));
    EXPECT_EQ(ShownText(frame->EditMenu(), a.editUndo), QStringLiteral("&Undo\tCtrl+Z"));
    EXPECT_FALSE(a.editUndo->isEnabled());
    EXPECT_FALSE(a.editRedo->isEnabled());

    EnterFrequency(5, 1, QStringLiteral("450"));
    EXPECT_EQ(ShownText(frame->EditMenu(), a.editUndo), QStringLiteral("&Undo Edit Channel 5\tCtrl+Z"));
    EXPECT_TRUE(a.editUndo->isEnabled());
    frame->Language().SwitchLanguage();
    EXPECT_EQ(frame->EditMenu()->title(), QStringLiteral("编辑(&E)"));
    EXPECT_EQ(ShownText(frame->EditMenu(), a.editUndo), QStringLiteral("撤销编辑频道5(&U)\tCtrl+Z"));
    a.editUndo->trigger();
    EXPECT_EQ(ShownText(frame->EditMenu(), a.editRedo), QStringLiteral("重做编辑频道5(&R)\tCtrl+Y"));
    EXPECT_EQ(ShownText(frame->EditMenu(), a.editUndo), QStringLiteral("撤销(&U)\tCtrl+Z"));
}

TEST_F(UnsavedChangesTest, CtrlZAndCtrlYUndoAndRedoAndTheSavedBytesFollow) {
    chosenFile = TempPath(QStringLiteral("keys.sin"));
    frame->Files().OnFileSave();
    const QByteArray empty = ReadFile(chosenFile);
    EnterFrequency(2, 1, QStringLiteral("450.125"));
    frame->Files().OnFileSave();
    const QByteArray edited = ReadFile(chosenFile);
    ASSERT_NE(edited, empty);

    Press(Qt::Key_Z);
    EXPECT_EQ(Grid().CellText(2, 1), QString());
    EXPECT_TRUE(frame->isWindowModified()); // the file holds the edit
    frame->Files().OnFileSave();
    EXPECT_EQ(ReadFile(chosenFile), empty);
    Grid().SetCurrentCell(5, 5);
    Press(Qt::Key_Y);
    EXPECT_EQ(Grid().CellText(2, 1), QStringLiteral("450.12500"));
    EXPECT_EQ(Grid().CurrentRow(), 2); // the changed cell is current
    EXPECT_EQ(Grid().CurrentCol(), 1);
    EXPECT_TRUE(frame->isWindowModified());
    Press(Qt::Key_Z);
    EXPECT_FALSE(frame->isWindowModified()); // the file was saved without it
    Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Grid().CellText(2, 1), QStringLiteral("450.12500"));
    frame->Files().OnFileSave();
    EXPECT_EQ(ReadFile(chosenFile), edited);
}

TEST_F(UnsavedChangesTest, CtrlZInAnOpenEditorUndoesItsOwnTyping) {
    EnterFrequency(3, 1, QStringLiteral("450"));
    const int steps = doc.stepCount();
    ClickCell(3, 2);
    QTest::keyClicks(Focus(), QStringLiteral("46"));
    auto* edit = qobject_cast<QLineEdit*>(Focus());
    ASSERT_NE(edit, nullptr);
    Press(Qt::Key_Z);
    EXPECT_NE(edit->text(), QStringLiteral("46"));
    EXPECT_FALSE(edit->isHidden());
    EXPECT_EQ(Grid().CellText(3, 1), QStringLiteral("450.00000"));
    EXPECT_EQ(doc.stepCount(), steps);
}

// A click opens the cell's editor; until something is typed into it, the
// table's keys act on the document and the channels, afterwards on the text.
TEST_F(UnsavedChangesTest, AnEditorNotTypedIntoLeavesTheTablesKeysToTheTable) {
    const QKeyCombination undo(Qt::ControlModifier, Qt::Key_Z);
    const QKeyCombination shiftSpace(Qt::ShiftModifier, Qt::Key_Space);
    const QKeyCombination selectAll(Qt::ControlModifier, Qt::Key_A);
    const auto line = [] { return qobject_cast<QLineEdit*>(Focus()); };
    const auto clipboard = [] { return QGuiApplication::clipboard()->text(); };
    struct Case {
        const char* name;
        bool undoneFirst; // channel 1's edit undone before the click
        int col;          // the cell of channel 3 clicked
        const char* typed;
        QList<QKeyCombination> keys;
        std::function<void()> check;
        const char* clipboard = "451,451,OFF,OFF,Wide,Yes,High,DTMF,ON,Close,Forward,1,PASTED\n";
    };
    const Case cases[] = {
        {"Ctrl+Z undoes", false, ColRxFrequency, "", {undo}, [&] {
             EXPECT_EQ(Grid().CellText(1, 1), QString());
             EXPECT_EQ(Grid().OpenEditor(), nullptr);
             EXPECT_EQ(Focus(), &Grid());
         }},
        {"Ctrl+Y redoes", true, ColName, "", {QKeyCombination(Qt::ControlModifier, Qt::Key_Y)},
         [&] { EXPECT_EQ(Grid().CellText(1, 1), QStringLiteral("450.00000")); }},
        {"Ctrl+Shift+Z redoes", true, ColRxFrequency, "",
         {QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z)},
         [&] { EXPECT_EQ(Grid().CellText(1, 1), QStringLiteral("450.00000")); }},
        {"Shift+Space in a list", false, ColWidth, "", {shiftSpace}, [&] {
             EXPECT_EQ(Grid().SelectedChannels(), QList<int>{3});
             EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
         }},
        {"Shift+Space in a text", false, ColRxFrequency, "", {shiftSpace},
         [&] { EXPECT_EQ(Grid().SelectedChannels(), QList<int>{3}); }},
        {"Ctrl+A", false, ColName, "", {selectAll},
         [&] { EXPECT_EQ(Grid().SelectedChannels().size(), 128); }},
        {"Ctrl+C copies the channel", false, ColWidth, "",
         {shiftSpace, QKeyCombination(Qt::ControlModifier, Qt::Key_C)}, [&] {
             EXPECT_TRUE(clipboard().contains(QStringLiteral("451.00000")));
             EXPECT_FALSE(clipboard().contains(QStringLiteral("450.00000")));
         }},
        {"Ctrl+A, Ctrl+C copies all", false, ColRxFrequency, "",
         {selectAll, QKeyCombination(Qt::ControlModifier, Qt::Key_C)}, [&] {
             EXPECT_TRUE(clipboard().contains(QStringLiteral("450.00000")));
             EXPECT_TRUE(clipboard().contains(QStringLiteral("451.00000")));
         }},
        {"Ctrl+X cuts the channel", false, ColRxFrequency, "",
         {shiftSpace, QKeyCombination(Qt::ControlModifier, Qt::Key_X)},
         [&] { EXPECT_EQ(Grid().CellText(3, 1), QString()); }},
        {"Ctrl+V pastes channels", false, ColRxFrequency, "",
         {QKeyCombination(Qt::ControlModifier, Qt::Key_V)},
         [&] { EXPECT_EQ(Grid().CellText(3, ColName), QStringLiteral("PASTED")); }},
        {"Ctrl+V with one value pastes it into the text", false, ColRxFrequency, "",
         {QKeyCombination(Qt::ControlModifier, Qt::Key_V)},
         [&] {
             ASSERT_NE(line(), nullptr);
             EXPECT_EQ(line()->text(), QStringLiteral("438.5")); // over the selected old value
             EXPECT_TRUE(prompter.messages.isEmpty());
         },
         "438.5"},
        {"typed: Ctrl+Z undoes the typing", false, ColRxFrequency, "46", {undo}, [&] {
             ASSERT_NE(line(), nullptr);
             EXPECT_NE(line()->text(), QStringLiteral("46"));
             EXPECT_EQ(Grid().CellText(1, 1), QStringLiteral("450.00000"));
         }},
        {"typed back to the cell's text: Ctrl+Z is the text's", false, ColRxFrequency,
         "451.00000", {undo}, [&] {
             ASSERT_NE(line(), nullptr);
             EXPECT_EQ(Grid().CellText(1, 1), QStringLiteral("450.00000"));
         }},
        {"typed: Shift+Space is a blank", false, ColName, "ab", {shiftSpace}, [&] {
             ASSERT_NE(line(), nullptr);
             EXPECT_EQ(line()->text(), QStringLiteral("AB "));
             EXPECT_TRUE(Grid().SelectedChannels().isEmpty());
         }},
        {"typed: Ctrl+A selects the text", false, ColRxFrequency, "46", {selectAll}, [&] {
             ASSERT_NE(line(), nullptr);
             EXPECT_EQ(line()->selectedText(), QStringLiteral("46"));
             EXPECT_TRUE(Grid().SelectedChannels().isEmpty());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.newDocument();
        EnterFrequency(3, 1, QStringLiteral("451"));
        EnterFrequency(1, 1, QStringLiteral("450"));
        if (c.undoneFirst) {
            frame->Actions().editUndo->trigger();
            ASSERT_EQ(Grid().CellText(1, 1), QString());
        }
        QGuiApplication::clipboard()->setText(QString::fromLatin1(c.clipboard));
        ClickCell(3, c.col);
        ASSERT_NE(Grid().OpenEditor(), nullptr);
        QTest::keyClicks(Focus(), QString::fromLatin1(c.typed));
        const int steps = doc.stepCount();
        for (const QKeyCombination key : c.keys) {
            QTest::keyClick(Focus(), key.key(), key.keyboardModifiers());
        }
        c.check();
        if (*c.typed) {
            EXPECT_EQ(doc.stepCount(), steps); // nothing reached the document
            EXPECT_NE(Grid().OpenEditor(), nullptr);
        }
        EXPECT_EQ(Grid().CellText(3, 1), QString::fromLatin1(c.name).startsWith("Ctrl+X")
                                             ? QString()
                                             : QStringLiteral("451.00000"));
        Grid().CancelEditor();
    }
}

TEST_F(UnsavedChangesTest, TheMarkShowsEditsAndGoesWithUndoToTheSavedStateAndWithSave) {
    EXPECT_TRUE(frame->windowTitle().contains(QStringLiteral("[*]")));
    EXPECT_FALSE(frame->isWindowModified());
    OpenAndEdit();
    frame->Actions().editUndo->trigger();
    EXPECT_FALSE(frame->isWindowModified());
    frame->Actions().editRedo->trigger();
    EXPECT_TRUE(frame->isWindowModified());
    frame->Actions().fileSave->trigger();
    EXPECT_FALSE(frame->isWindowModified());
    EXPECT_TRUE(prompter.questions.isEmpty());
}

TEST_F(UnsavedChangesTest, CancelLeavesEverythingAsItWasForEveryCommandThatWouldDropChanges) {
    const QString path = OpenAndEdit();
    const QString other = WriteImage(QStringLiteral("other.sin"), ImageMap::NewDocumentImage());
    chosenFile = other;
    const std::vector<std::function<void()>> commands = {
        [&] { frame->Actions().fileNew->trigger(); },
        [&] { frame->Actions().fileOpen->trigger(); },
        [&] { frame->Files().OpenPath(other); }, // a recent file
        [&] { Drop(other); },
        [&] { frame->Actions().appExit->trigger(); },
        [&] { frame->close(); },
    };
    for (std::size_t i = 0; i < commands.size(); ++i) {
        prompter.saveAnswers = {SaveChoice::Cancel};
        commands[i]();
        EXPECT_EQ(prompter.questions.size(), static_cast<qsizetype>(i + 1)) << i;
        EXPECT_TRUE(frame->isVisible()) << i;
        EXPECT_EQ(Grid().CellText(1, 1), QStringLiteral("450.00000")) << i;
        EXPECT_TRUE(frame->isWindowModified()) << i;
        EXPECT_EQ(frame->Files().CurrentPath(), QFileInfo(path).absoluteFilePath()) << i;
    }
    EXPECT_TRUE(chooserCalls.isEmpty()); // Open asks before its dialog
    EXPECT_EQ(prompter.questions.first(), QString::fromUtf8(SaveQuestion));
    EXPECT_EQ(ReadFile(path),
              QByteArray(reinterpret_cast<const char*>(ImageMap::NewDocumentImage().data()),
                         MemoryImage::Size));
}

TEST_F(UnsavedChangesTest, DiscardGoesOnWithoutSaving) {
    const QString path = OpenAndEdit();
    const QByteArray before = ReadFile(path);
    prompter.saveAnswers = {SaveChoice::Discard};
    frame->Actions().fileNew->trigger();
    EXPECT_EQ(Grid().CellText(1, 1), QString());
    EXPECT_FALSE(frame->isWindowModified());
    EXPECT_FALSE(doc.canUndo()); // a new document starts a new history
    EXPECT_EQ(ReadFile(path), before);
    // Nothing is asked while nothing is changed.
    frame->Actions().fileNew->trigger();
    EXPECT_EQ(prompter.questions.size(), 1);
}

TEST_F(UnsavedChangesTest, SaveWritesTheChangesFirstAndAskingAgainIsNotNeeded) {
    const QString path = OpenAndEdit();
    // Still typing when the window is closed: the typed value is saved too.
    ClickCell(2, 1);
    QTest::keyClicks(Focus(), QStringLiteral("451"));
    prompter.saveAnswers = {SaveChoice::Save};
    frame->close();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(prompter.questions.size(), 1);
    ChannelFile reread;
    ASSERT_TRUE(reread.LoadFile(path.toStdString()).ok);
    EXPECT_EQ(reread.Image()[ImageMap::SlotAddress(0) + 3], 0x45);
    EXPECT_EQ(reread.Image()[ImageMap::SlotAddress(1) + 3], 0x45);
    EXPECT_EQ(reread.Image()[ImageMap::SlotAddress(1) + 2], 0x10);
}

TEST_F(UnsavedChangesTest, SaveOfANewDocumentRunsSaveAsAndCancellingItCancels) {
    EnterFrequency(1, 1, QStringLiteral("450"));
    prompter.saveAnswers = {SaveChoice::Save};
    chosenFile.clear(); // the file dialog is cancelled
    frame->Actions().fileNew->trigger();
    EXPECT_EQ(chooserCalls, QStringList{QStringLiteral("save")});
    EXPECT_EQ(Grid().CellText(1, 1), QStringLiteral("450.00000"));

    prompter.saveAnswers = {SaveChoice::Save};
    chosenFile = TempPath(QStringLiteral("named.sin"));
    frame->Actions().fileNew->trigger();
    EXPECT_EQ(Grid().CellText(1, 1), QString());
    EXPECT_EQ(ReadFile(chosenFile).size(), MemoryImage::Size);
    EXPECT_FALSE(frame->isWindowModified());
}

TEST_F(UnsavedChangesTest, ASaveThatFailsOnAReadOnlyFileStopsTheCommand) {
    const QString path = OpenAndEdit();
    const QByteArray before = ReadFile(path);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser);
    prompter.saveAnswers = {SaveChoice::Save};
    frame->close();
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_TRUE(frame->isVisible());
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("read-only")));
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_TRUE(frame->isWindowModified());
    EXPECT_EQ(Grid().CellText(1, 1), QStringLiteral("450.00000"));
}

TEST_F(UnsavedChangesTest, TheQuestionAndItsAnswersFollowTheLanguage) {
    frame->Language().SwitchLanguage();
    EnterFrequency(1, 1, QStringLiteral("450"));
    prompter.saveAnswers = {SaveChoice::Cancel};
    frame->Actions().fileNew->trigger();
    ASSERT_EQ(prompter.questions.size(), 2); // the switch asked first
    EXPECT_EQ(prompter.questions[1], QStringLiteral("频道数据已修改。\n是否保存修改？"));
}

// Presses OK in a settings dialog after changing its first list.
int ChangeFirstListAndAccept(QDialog& dialog) {
    auto* list = dialog.findChild<QComboBox*>();
    if (list == nullptr || list->count() < 2) {
        return QDialog::Rejected;
    }
    list->setCurrentIndex(list->currentIndex() == 0 ? 1 : 0);
    dialog.accept();
    return dialog.result();
}

TEST_F(UnsavedChangesTest, OkInTheSettingsDialogsIsOneStepAndCancelIsNone) {
    const MemoryImage before = SavedBytes();
    ModalRunner::Set([](QDialog&) { return int(QDialog::Rejected); });
    frame->Actions().optionalFeatures->trigger();
    EXPECT_FALSE(doc.canUndo());

    ModalRunner::Set(ChangeFirstListAndAccept);
    frame->Actions().optionalFeatures->trigger();
    EXPECT_EQ(doc.undoName(Lang::English), QStringLiteral("Optional Features"));
    frame->Actions().sideKey->trigger();
    EXPECT_EQ(doc.undoName(Lang::Chinese), QStringLiteral("侧键"));
    EXPECT_TRUE(frame->isWindowModified());
    const MemoryImage changed = SavedBytes();
    ASSERT_NE(changed, before);

    frame->Actions().editUndo->trigger();
    frame->Actions().editUndo->trigger();
    EXPECT_EQ(SavedBytes(), before);
    EXPECT_FALSE(frame->isWindowModified());
    frame->Actions().editRedo->trigger();
    frame->Actions().editRedo->trigger();
    EXPECT_EQ(SavedBytes(), changed);
}

TEST_F(UnsavedChangesTest, AReadIsOneUndoAwayWithItsFileAndAWriteLeavesTheChangesUnsaved) {
    QStandardPaths::setTestModeEnabled(true);
    auto* commands = new TransferCommands(doc, view->Grid(), frame.get());
    commands->SetSleeper([](int) {});
    frame->AttachTransfer(commands);
    MemoryImage radio = ImageMap::NewDocumentImage();
    ChannelRecord channel10;
    channel10[ColRxFrequency] = "440.00000";
    channel10[ColTxFrequency] = "441.00000";
    EncodeChannel(channel10, 9, radio);
    commands->SetBuiltInRadio(radio, {});
    commands->Port().SetPortName(PortChoice::SimulatedPort);

    const auto run = [commands](QAction* action) {
        action->trigger();
        QSignalSpy finished(commands, &TransferCommands::transferFinished);
        commands->Dialog()->StartButton()->click();
        ASSERT_TRUE(finished.wait(20000));
        ASSERT_EQ(commands->LastOutcome(), TransferOutcome::Completed);
    };
    OpenAndEdit(); // radio.sin, channel 1 on 450 MHz
    run(commands->ReadAction());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Untitled[*] - Orin Programing Software"));
    EXPECT_EQ(Grid().CellText(1, 1), QString());
    EXPECT_EQ(Grid().CellText(10, 2), QStringLiteral("441.00000"));
    EXPECT_FALSE(frame->isWindowModified()); // the radio holds it
    EXPECT_EQ(doc.undoName(Lang::English), QStringLiteral("Read From Radio"));

    frame->Actions().editUndo->trigger();
    EXPECT_EQ(Grid().CellText(1, 1), QStringLiteral("450.00000"));
    EXPECT_EQ(Grid().CellText(10, 2), QString());
    EXPECT_TRUE(frame->isWindowModified());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("radio.sin[*] - Orin Programing Software"));

    // The radio holds the edit now, the file still does not.
    run(commands->WriteAction());
    EXPECT_TRUE(frame->isWindowModified());
    prompter.questions.clear();
    prompter.saveAnswers = {SaveChoice::Cancel};
    frame->Actions().fileNew->trigger();
    EXPECT_EQ(prompter.questions,
              QStringList{"The radio holds the changed channel data, but the file does not.\n"
                          "Do you want to save the changes?"});
    EXPECT_EQ(Grid().CellText(1, 1), QStringLiteral("450.00000"));
}

} // namespace
