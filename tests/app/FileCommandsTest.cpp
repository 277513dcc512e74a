// File New, Open, Save, Save As, the recent-file list and dropped files.
#include <algorithm>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QTest>
#include <QUrl>

#include "commands/ChannelTablePrinter.h"
#include "commands/FileCommands.h"
#include "commands/MainActions.h"
#include "commands/PrintCommands.h"
#include "commands/RecentFileList.h"
#include "editor/ChannelTable.h"
#include "image/BandLimits.h"
#include "image/ImageMap.h"
#include "tests/app/ShellFixture.h"

namespace {

class FileCommandsTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        MakeFrame();
        ChooseFilesByScript();
        doc.newDocument();
    }

    QString WriteFile(const QString& name, const QByteArray& bytes) {
        QFile f(TempPath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }

    static QByteArray Image(char fill) { return QByteArray(4096, fill); }

};

TEST_F(FileCommandsTest, NewWritesTheDefaultsAndRedisplays) {
    MemoryImage image = ImageMap::NewDocumentImage();
    image[0x100] = 0x12;
    doc.newDocument(image);
    frame->Actions().fileNew->trigger();
    EXPECT_EQ(doc.image(), ImageMap::NewDocumentImage());
    EXPECT_TRUE(frame->Files().CurrentPath().isEmpty());
}

TEST_F(FileCommandsTest, OpenLoadsTheFileRedisplaysAndNamesItInTheTitle) {
    chosenFile = WriteFile(QStringLiteral("radio.sin"), Image('\x5A'));
    frame->Actions().fileOpen->trigger();
    EXPECT_EQ(doc.image()[0], 0x5A);
    EXPECT_EQ(doc.image()[4095], 0x5A);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("radio.sin[*] - Orin Programing Software"));
    EXPECT_EQ(frame->RecentFiles().Files().value(0), QFileInfo(chosenFile).absoluteFilePath());
}

TEST_F(FileCommandsTest, ShortFileIsRefusedAndTheCurrentDocumentKept) {
    const MemoryImage before = doc.image();
    EXPECT_FALSE(
        frame->Files().OpenPath(WriteFile(QStringLiteral("short.sin"), Image(0).left(100))));
    EXPECT_EQ(doc.image(), before);
    EXPECT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(frame->RecentFiles().Files().isEmpty());
}

TEST_F(FileCommandsTest, CancelledOpenDialogChangesNothing) {
    const MemoryImage before = doc.image();
    frame->Actions().fileOpen->trigger();
    EXPECT_EQ(chooserCalls.size(), 1);
    EXPECT_EQ(doc.image(), before);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(FileCommandsTest, SavingANewDocumentAsksForANameStartingWithWriteData) {
    chosenFile = TempPath(QStringLiteral("first"));
    frame->Actions().fileSave->trigger();
    EXPECT_EQ(chooserCalls, QStringList{QStringLiteral("save:Write Data.sin")});
    QFile saved(chosenFile + QStringLiteral(".sin"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray(reinterpret_cast<const char*>(doc.image().data()), 4096));
    // From now on Save writes to that file without asking.
    frame->Actions().fileSave->trigger();
    EXPECT_EQ(chooserCalls.size(), 1);
}

TEST_F(FileCommandsTest, SaveAsOffersTheCurrentFile) {
    const QString path = WriteFile(QStringLiteral("radio.sin"), Image('\x33'));
    ASSERT_TRUE(frame->Files().OpenPath(path));
    frame->Actions().fileSaveAs->trigger();
    EXPECT_EQ(chooserCalls,
              QStringList{QStringLiteral("save:") + QFileInfo(path).absoluteFilePath()});
}

TEST_F(FileCommandsTest, SaveOverAFileChangedByAnotherProgramAsksFirst) {
    struct Case {
        int answer; // Overwrite, Save As, Cancel
        bool bSaved;
        char onDisk; // what the file holds afterwards
    };
    for (const Case& c : {Case{0, true, '\x33'}, Case{1, true, '\x77'}, Case{2, false, '\x77'}}) {
        SCOPED_TRACE(c.answer);
        const QString path = WriteFile(QStringLiteral("shared.sin"), Image('\x33'));
        ASSERT_TRUE(frame->Files().OpenPath(path));
        prompter.questions.clear(); // this stand-in view counts a loaded file as a change
        // Unchanged on disk: saved without a question.
        EXPECT_TRUE(frame->Files().OnFileSave());
        EXPECT_TRUE(prompter.questions.isEmpty());
        // Another program writes the file: the same size, a later time.
        QFile other(WriteFile(QStringLiteral("shared.sin"), Image('\x77')));
        ASSERT_TRUE(other.open(QIODevice::ReadWrite));
        ASSERT_TRUE(other.setFileTime(QDateTime::currentDateTime().addSecs(5),
                                      QFileDevice::FileModificationTime));
        other.close();
        chosenFile = TempPath(QStringLiteral("elsewhere.sin"));
        prompter.choiceAnswers = {c.answer};
        EXPECT_EQ(frame->Files().OnFileSave(), c.bSaved);
        ASSERT_EQ(prompter.questions.size(), 1);
        EXPECT_TRUE(prompter.questions[0].contains(QDir::toNativeSeparators(path)));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().at(0), c.onDisk);
        EXPECT_EQ(QFileInfo::exists(chosenFile), c.answer == 1);
        QFile::remove(chosenFile);
        prompter.questions.clear();
    }
}

TEST_F(FileCommandsTest, FileDialogsStartInTheDocumentsFolder) {
    const QString path = WriteFile(QStringLiteral("radio.sin"), Image('\x33'));
    ASSERT_TRUE(frame->Files().OpenPath(path));
    frame->Actions().fileOpen->trigger();
    EXPECT_EQ(chooserCalls.value(0), QStringLiteral("open:") + QFileInfo(path).absolutePath());
    // A real dialog given that folder shows the folder itself, and given a
    // file, its folder with the name filled in.
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    FileCommands::PointDialogAt(dialog, QFileInfo(path).absolutePath());
    EXPECT_EQ(dialog.directory().absolutePath(), QFileInfo(path).absolutePath());
    FileCommands::PointDialogAt(dialog, TempPath(QStringLiteral("sub/new.sin")));
    EXPECT_EQ(dialog.directory().absolutePath(), QFileInfo(path).absolutePath());
}

TEST_F(FileCommandsTest, FailedSaveIsReported) {
    EXPECT_FALSE(frame->Files().SaveTo(TempPath(QStringLiteral("no/such/folder/x.sin"))));
    EXPECT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(frame->Files().CurrentPath().isEmpty());
}

TEST_F(FileCommandsTest, RecentListKeepsTheLastFourNewestFirstAndSurvivesARestart) {
    QStringList paths;
    for (int i = 0; i < 5; ++i) {
        paths.append(WriteFile(QStringLiteral("f%1.sin").arg(i), Image(char(i))));
        ASSERT_TRUE(frame->Files().OpenPath(paths.last()));
    }
    const QStringList expected{paths[4], paths[3], paths[2], paths[1]};
    EXPECT_EQ(frame->RecentFiles().Files(), expected);
    // The menu shows them numbered, just before Exit.
    const QList<QAction*> items = frame->FileMenu()->actions();
    const qsizetype exit = items.indexOf(frame->Actions().appExit);
    ASSERT_GE(exit, 5);
    EXPECT_TRUE(items[exit - 1]->isSeparator());
    EXPECT_TRUE(items[exit - 5]->text().startsWith(QStringLiteral("&1 ")));
    EXPECT_TRUE(items[exit - 5]->text().endsWith(QStringLiteral("f4.sin")));

    QMenu menu;
    auto* exitAction = menu.addAction(QStringLiteral("Exit"));
    // Kept in MAIN.ini: a new start reads them from the file.
    ProfileFile restarted;
    restarted.Open(dir.path().toStdString(), "MAIN.ini", false, true);
    RecentFileList reread(restarted, &menu, exitAction, nullptr);
    EXPECT_EQ(reread.Files(), expected);

    // Choosing an entry opens that file.
    items[exit - 4]->trigger();
    EXPECT_EQ(doc.image()[0], 3);
}

// A name holding control bytes (a line break) is shown escaped wherever it
// appears: the title, the recent-file menu and a message about the file.
TEST_F(FileCommandsTest, ControlBytesOfAFileNameAreShownEscaped) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows names hold no control characters";
#else
    const struct {
        const char* name;
        const char* shown;
    } cases[] = {{"two\nlines.sin", "two\\nlines.sin"},
                 {"tab\there.sin", "tab\\there.sin"},
                 {"esc\x1B[2J.sin", "esc\\x1B[2J.sin"}};
    for (const auto& c : cases) {
        const QString name = QString::fromUtf8(c.name);
        const QString shown = QString::fromUtf8(c.shown);
        ASSERT_TRUE(frame->Files().OpenPath(WriteFile(name, Image('\x33'))));
        EXPECT_EQ(frame->windowTitle(), shown + QStringLiteral("[*] - Orin Programing Software"));
        const QList<QAction*> items = frame->FileMenu()->actions();
        const auto first = std::find_if(items.begin(), items.end(), [](QAction* a) {
            return a->text().startsWith(QStringLiteral("&1 "));
        });
        ASSERT_NE(first, items.end());
        EXPECT_TRUE((*first)->text().endsWith(shown)) << (*first)->text().toStdString();
        prompter.messages.clear();
        const QString bad = QStringLiteral("short ") + name;
        EXPECT_FALSE(frame->Files().OpenPath(WriteFile(bad, Image(0).left(10))));
        ASSERT_EQ(prompter.messages.size(), 1);
        EXPECT_TRUE(prompter.messages[0].contains(QStringLiteral("short ") + shown));
        EXPECT_FALSE(prompter.messages[0].contains(bad));
    }
#endif
}

TEST_F(FileCommandsTest, DroppedChannelFileIsOpenedOtherFilesAreNot) {
    Drop(WriteFile(QStringLiteral("notes.txt"), Image('\x11')));
    Drop(WriteFile(QStringLiteral("dropped.SIN"), Image('\x22')));
    EXPECT_EQ(doc.image()[7], 0x22);
}

TEST_F(FileCommandsTest, ImageCommandsAreDisabledWhileATransferRuns) {
    frame->SetImageCommandsEnabled(false);
    MainActions& a = frame->Actions();
    for (QAction* action : {a.fileNew, a.fileOpen, a.fileSave, a.fileSaveAs, a.optionalFeatures,
                            a.sideKey, a.switchLanguage}) {
        EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
    }
    EXPECT_TRUE(a.filePrint->isEnabled());
    Drop(WriteFile(QStringLiteral("dropped.sin"), Image('\x22')));
    EXPECT_NE(doc.image()[7], 0x22);
    frame->SetImageCommandsEnabled(true);
    EXPECT_TRUE(a.fileNew->isEnabled());
}

TEST_F(FileCommandsTest, PrintoutListsTheTitlesAndOnlyProgrammedChannels) {
    view->Grid()->SetCellText(3, 1, QStringLiteral("438.50000"));
    view->Grid()->SetCellText(3, 13, QStringLiteral("CLUB"));
    const QString html = ChannelTablePrinter::Html(doc.image(), QStringLiteral("A&B<1>.sin"));
    EXPECT_TRUE(html.contains(QStringLiteral("<th>Name</th>")));
    EXPECT_TRUE(html.contains(QStringLiteral("438.50000")));
    EXPECT_TRUE(html.contains(QStringLiteral("CLUB")));
    EXPECT_TRUE(html.contains(QStringLiteral("A&amp;B&lt;1&gt;.sin")));
    EXPECT_EQ(html.count(QStringLiteral("<tr>")), 2); // titles and channel 3
}

TEST_F(FileCommandsTest, ThePrintoutHeadNamesTheFileTheDateTheRadioAndTheBand) {
    ASSERT_TRUE(frame->Files().OpenPath(WriteFile(QStringLiteral("club.sin"), Image('\xFF'))));
    MemoryImage image = doc.settledImage();
    image[ImageMap::RadioTypeCode] = ImageMap::RadioTypeBase;
    EncodeBandLimits(136, 174, image);
    doc.apply(BiText{"Edit", "Edit"}, [&](MemoryImage& shown) {
        shown = image;
        return true;
    });
    const QString html = frame->Printing().Html();
    const QString head = html.section(QStringLiteral("<table"), 0, 0);
    EXPECT_TRUE(head.contains(QStringLiteral("club.sin"))) << head.toStdString();
    EXPECT_TRUE(head.contains(QDate::currentDate().toString(Qt::ISODate)));
    EXPECT_TRUE(head.contains(QStringLiteral("Orin-6140D")));
    EXPECT_TRUE(head.contains(QStringLiteral("136-174 MHz")));
    frame->Actions().fileNew->trigger();
    EXPECT_TRUE(frame->Printing().Html().contains(QStringLiteral("File: Untitled")));
}

TEST_F(FileCommandsTest, PrintingToAFileProducesPages) {
    view->Grid()->SetCellText(1, 1, QStringLiteral("438.12500"));
    QPrinter& printer = frame->Printing().Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(TempPath(QStringLiteral("out.pdf")));
    dialogAnswer = QDialog::Accepted;
    frame->Actions().filePrint->trigger();
    EXPECT_EQ(dialogs.size(), 1);
    EXPECT_GT(QFileInfo(TempPath(QStringLiteral("out.pdf"))).size(), 500);
}

} // namespace
