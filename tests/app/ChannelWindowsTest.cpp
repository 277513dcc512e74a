// Channels copied in one main window and pasted in another of the same
// process, through the system clipboard.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include "commands/FileCommands.h"
#include "commands/MainActions.h"
#include "commands/PlanCommands.h"
#include "editor/ChannelEditor.h"
#include "editor/ChannelCommands.h"
#include "editor/ChannelTable.h"
#include "image/Channel.h"
#include "image/ChannelCodec.h"
#include "image/RawChannel.h"
#include "link/SimulatedRadio.h"
#include "support/GridClicks.h"
#include "tests/app/ShellFixture.h"
#include "tests/support/MenuText.h"

namespace {

class ChannelWindowsTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        QGuiApplication::clipboard()->clear();
        MakeFrame();
        otherView = std::make_unique<ChannelEditor>(otherDoc);
        otherFrame =
            std::make_unique<MainWindow>(ShellContext{otherDoc, *otherView, profile, *module});
        for (MainWindow* f : {frame.get(), otherFrame.get()}) {
            f->Files().SetFileChooser([this](QWidget*, bool, const QString&) { return chosen; });
            f->Actions().fileNew->trigger();
            f->show();
        }
    }
    void TearDown() override {
        otherFrame.reset();
        otherView.reset();
        ShellFixture::TearDown();
    }

    static void Activate(MainWindow& window) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    static void Key(ChannelEditor& on, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        on.Grid()->setFocus();
        QTest::keyClick(on.Grid(), key, modifiers);
    }
    MemoryImage Save(MainWindow& window, const QString& name) {
        chosen = TempPath(name);
        window.Actions().fileSaveAs->trigger();
        QFile file(chosen);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        MemoryImage image;
        EXPECT_EQ(bytes.size(), static_cast<int>(MemoryImage::Size));
        std::copy(bytes.begin(), bytes.end(), image.data());
        return image;
    }

    // The simulated radio's channels with bits the grid does not show, which
    // travel only in the raw form.
    QString WriteDemo() {
        MemoryImage radio = SimulatedRadio::DemoMemory();
        radio[15] = 0x5A;
        radio[16 + 14] = 0xF3;
        QFile file(TempPath(QStringLiteral("radio.sin")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(radio.data()), MemoryImage::Size);
        return file.fileName();
    }

    ChannelDocument otherDoc;
    std::unique_ptr<ChannelEditor> otherView;
    std::unique_ptr<MainWindow> otherFrame;
    QString chosen;
};

TEST_F(ChannelWindowsTest, ChannelsCopiedInOneWindowPasteByteExactInAnotherInEitherLanguage) {
    ASSERT_TRUE(frame->Files().OpenPath(WriteDemo()));
    const MemoryImage source = Save(*frame, QStringLiteral("source.sin"));

    Activate(*frame);
    ClickChannelNumber(*view->Grid(), 1);
    ClickChannelNumber(*view->Grid(), 3, Qt::ShiftModifier);
    Key(*view, Qt::Key_C, Qt::ControlModifier);
    ASSERT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(
        QStringLiteral("application/x-orin-channels")));

    otherFrame->Actions().switchLanguage->trigger(); // the other window in Chinese
    ASSERT_EQ(bChinese, 1);
    Activate(*otherFrame);
    ClickChannelNumber(*otherView->Grid(), 10);
    Key(*otherView, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('\n').toStdString();
    const MemoryImage pasted = Save(*otherFrame, QStringLiteral("pasted.sin"));
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(ReadRawChannel(pasted, 9 + n), ReadRawChannel(source, n)) << n;
    }
    EXPECT_EQ(pasted[9 * 16 + 15], 0x5A);
    EXPECT_TRUE(IsEmptyChannel(pasted, 8));
    EXPECT_TRUE(IsEmptyChannel(pasted, 12));
    EXPECT_EQ(otherView->Grid()->CellText(10, 13),
              QString::fromStdString(DecodeChannel(source, 0, Lang::Chinese)[13]));
    EXPECT_EQ(otherView->Grid()->SelectedChannels(), (QList<int>{10, 11, 12}));
}

TEST_F(ChannelWindowsTest, TheCommandsSpeakTheWindowsLanguage) {
    ChannelCommands& commands = frame->Channels();
    EXPECT_EQ(commands.cut->text(), QStringLiteral("Cu&t"));
    EXPECT_EQ(commands.moveDown->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Down")));
    frame->Actions().switchLanguage->trigger();
    EXPECT_EQ(commands.cut->text(), QStringLiteral("剪切(&T)"));
    EXPECT_EQ(commands.sort->text(), QStringLiteral("按接收频率排序(&S)"));
    EXPECT_EQ(commands.insertChannel->text(), QStringLiteral("插入空频道(&I)"));
}

TEST_F(ChannelWindowsTest, TheEditMenuHoldsTheCommandsAndCtrlZTakesThemBack) {
    ChannelCommands& commands = frame->Channels();
    QList<QAction*> items;
    for (QAction* action : frame->EditMenu()->actions()) {
        if (!action->isSeparator()) {
            items << action;
        }
    }
    const QList<QAction*> expected = {frame->Actions().editUndo,
                                      frame->Actions().editRedo,
                                      commands.cut,
                                      commands.copy,
                                      commands.paste,
                                      commands.clear,
                                      commands.insertChannel,
                                      commands.deleteChannel,
                                      commands.moveUp,
                                      commands.moveDown,
                                      commands.sort,
                                      frame->Plans().InsertAction()};
    EXPECT_EQ(items, expected);

    ASSERT_TRUE(frame->Files().OpenPath(WriteDemo()));
    const QString name = view->Grid()->CellText(2, 13);
    ASSERT_FALSE(name.isEmpty());
    Activate(*frame);
    ClickChannelNumber(*view->Grid(), 2);
    Key(*view, Qt::Key_Delete, {});
    EXPECT_EQ(view->Grid()->CellText(2, 13), QString());
    EXPECT_EQ(ShownText(frame->EditMenu(), frame->Actions().editUndo),
              QStringLiteral("&Undo Clear Channels\tCtrl+Z"));
    Key(*view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(view->Grid()->CellText(2, 13), name);
}

} // namespace
