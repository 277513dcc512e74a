// File > Import Channels... and Export Channels... in the main window over the
// real channel view: the preview decides, the import is one undo step, and the
// export holds what the grid shows.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "commands/ChannelListCommands.h"
#include "commands/FileCommands.h"
#include "editor/ChannelEditor.h"
#include "editor/ChannelTable.h"
#include "formats/ImportPreviewDialog.h"
#include "image/ChannelCodec.h"
#include "image/ImageMap.h"
#include "tests/app/ShellFixture.h"

namespace {

const QByteArray kList =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Mode,Power\r\n"
    "1,Town,442.100000,+,5.000000,Tone,100.0,88.5,FM,5.0W\r\n"
    "2,Air,420.000000,,0.000000,,88.5,88.5,AM,5.0W\r\n"
    "3,HILL,446.006250,,0.000000,TSQL,88.5,123.0,NFM,1.0W\r\n";

class ChannelListWindowTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        MakeFrame();
        frame->ChannelLists().SetOpenChooser([this](QWidget*, const QString& folder) {
            offered.append(folder);
            return chosen;
        });
        frame->ChannelLists().SetSaveChooser(
            [this](QWidget*, const QString& suggested, bool* chirp) {
                offered.append(suggested);
                *chirp = exportChirp;
                return chosen;
            });
        // A document with channel 1 set, opened as a user opens one.
        MemoryImage image = ImageMap::NewDocumentImage();
        ChannelRecord old;
        old[ColRxFrequency] = "430.00000";
        old[ColTxFrequency] = "430.00000";
        old[ColName] = "OLD";
        EncodeChannel(old, 0, image);
        old[ColName] = "FAR";
        EncodeChannel(old, 49, image);
        ASSERT_TRUE(frame->Files().OpenPath(WriteImage(QStringLiteral("mine.sin"), image)));
        opened = image;
    }

    QString WriteList(const QByteArray& text) {
        const QString path = TempPath(QStringLiteral("list.csv"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }

    // Answers the preview: adjust sets it up, then Import or Cancel.
    void AnswerPreview(std::function<void(ImportPreviewDialog&)> adjust, bool import) {
        ModalRunner::Set([this, adjust, import](QDialog& dialog) {
            auto* preview = qobject_cast<ImportPreviewDialog*>(&dialog);
            EXPECT_NE(preview, nullptr);
            if (preview && adjust) {
                adjust(*preview);
            }
            previews.append(preview ? preview->Table()->rowCount() : -1);
            return import ? QDialog::Accepted : QDialog::Rejected;
        });
    }

    QString Cell(int row, int col) { return view->Grid()->CellText(row, col); }

    QString chosen;
    QStringList offered; // what the dialogs were given to start from
    bool exportChirp = true;
    MemoryImage opened;
    QList<int> previews;
};

TEST_F(ChannelListWindowTest, ThePreviewNamesTheBandEdgesAndFindsRowsWithoutANumberByLine) {
    // The document's band is 400-480 MHz: the 146 MHz row and the 520 MHz row
    // fall outside it and would come in with wider edges; the airband row and
    // the 600 MHz row would not; line 4 has too few fields to have a Location.
    chosen = WriteList("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Mode\r\n"
                       "1,IN,442.100000,,0.000000,,88.5,88.5,FM\r\n"
                       "2,LOW,146.520000,,0.000000,,88.5,88.5,FM\r\n"
                       "3,SHORT,446.000000\r\n"
                       "4,HIGH,520.000000,,0.000000,,88.5,88.5,FM\r\n"
                       "5,AIR,121.500000,,0.000000,,88.5,88.5,AM\r\n"
                       "6,UHF,600.000000,,0.000000,,88.5,88.5,FM\r\n");
    QString note;
    QString location;
    AnswerPreview(
        [&](ImportPreviewDialog& preview) {
            note = preview.BandNote()->text();
            location = preview.Table()->item(2, ImportPreviewDialog::ColLocation)->text();
        },
        false);
    frame->ChannelLists().ImportAction()->trigger();
    EXPECT_TRUE(note.contains(QStringLiteral("400-480 MHz"))) << note.toStdString();
    EXPECT_TRUE(note.contains(QStringLiteral("Rows outside them: 2."))) << note.toStdString();
    EXPECT_TRUE(note.contains(QStringLiteral("Type Setting"))) << note.toStdString();
    EXPECT_EQ(location, QStringLiteral("line 4"));
}

} // namespace

TEST_F(ChannelListWindowTest, FileMenuOffersImportAndExportOffDuringATransfer) {
    QAction* import = frame->ChannelLists().ImportAction();
    QAction* exporting = frame->ChannelLists().ExportAction();
    EXPECT_TRUE(frame->FileMenu()->actions().contains(import));
    EXPECT_TRUE(frame->FileMenu()->actions().contains(exporting));
    EXPECT_EQ(import->text(), QStringLiteral("&Import Channels..."));
    frame->SetImageCommandsEnabled(false);
    EXPECT_FALSE(import->isEnabled());
    EXPECT_FALSE(exporting->isEnabled());
    frame->SetImageCommandsEnabled(true);
    EXPECT_TRUE(import->isEnabled());

    ASSERT_TRUE(module->Load(QStringLiteral("Chinese")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(import->text(), QStringLiteral("导入频道(&I)..."));
    EXPECT_EQ(exporting->text(), QStringLiteral("导出频道(&E)..."));
}

TEST_F(ChannelListWindowTest, CancelInThePreviewChangesNothing) {
    chosen = WriteList(kList);
    AnswerPreview({}, false);
    frame->ChannelLists().ImportAction()->trigger();
    EXPECT_EQ(previews, QList<int>({3}));
    EXPECT_EQ(Cell(1, ColName), QStringLiteral("OLD"));
    EXPECT_EQ(Cell(2, ColRxFrequency), QString());
    EXPECT_FALSE(doc.canUndo());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.image(), opened);
}

TEST_F(ChannelListWindowTest, ImportIsOneUndoStepFromTheChosenStart) {
    chosen = WriteList(kList);
    AnswerPreview([](ImportPreviewDialog& d) { d.StartBox()->setValue(10); }, true);
    frame->ChannelLists().ImportAction()->trigger();
    EXPECT_EQ(Cell(10, ColRxFrequency), QStringLiteral("442.10000"));
    EXPECT_EQ(Cell(10, ColTxFrequency), QStringLiteral("447.10000"));
    EXPECT_EQ(Cell(10, ColTxTone), QStringLiteral("100.0"));
    EXPECT_EQ(Cell(10, ColName), QStringLiteral("TOWN"));
    EXPECT_EQ(Cell(11, ColRxTone), QStringLiteral("123.0"));
    EXPECT_EQ(Cell(11, ColWidth), QStringLiteral("Narrow"));
    EXPECT_EQ(Cell(12, ColRxFrequency), QString());
    EXPECT_EQ(Cell(1, ColName), QStringLiteral("OLD"));
    EXPECT_EQ(Cell(50, ColName), QStringLiteral("FAR"));
    ASSERT_EQ(doc.stepCount(), 1);
    EXPECT_EQ(doc.undoName(Lang::English), QStringLiteral("Import Channels"));
    EXPECT_TRUE(doc.isModified());

    doc.undo();
    EXPECT_EQ(Cell(10, ColRxFrequency), QString());
    EXPECT_EQ(Cell(11, ColRxFrequency), QString());
    EXPECT_FALSE(doc.isModified());
    doc.redo();
    EXPECT_EQ(Cell(11, ColName), QStringLiteral("HILL"));
}

TEST_F(ChannelListWindowTest, ByLocationWithEmptyingTheOthersUndoesWhole) {
    chosen = WriteList(kList);
    AnswerPreview(
        [](ImportPreviewDialog& d) {
            d.ByLocationButton()->click();
            d.EmptyOthersBox()->click();
        },
        true);
    frame->ChannelLists().ImportAction()->trigger();
    EXPECT_EQ(Cell(1, ColName), QStringLiteral("TOWN")); // Location 1 replaced OLD
    EXPECT_EQ(Cell(2, ColRxFrequency), QString());       // the AM row
    EXPECT_EQ(Cell(3, ColName), QStringLiteral("HILL"));
    EXPECT_EQ(Cell(50, ColRxFrequency), QString()); // emptied
    doc.undo();
    EXPECT_EQ(Cell(1, ColName), QStringLiteral("OLD"));
    EXPECT_EQ(Cell(50, ColName), QStringLiteral("FAR"));
    EXPECT_EQ(Cell(3, ColRxFrequency), QString());
}

TEST_F(ChannelListWindowTest, AnOpenEditIsCommittedBeforeTheImport) {
    frame->resize(1300, 700); // every column in sight
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    ChannelTable& grid = *view->Grid();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.CellRect(1, ColName).center());
    ASSERT_FALSE(!view->Grid()->OpenEditor());
    qobject_cast<QLineEdit*>(view->Grid()->OpenEditor())->setText(QStringLiteral("NEW"));
    chosen = WriteList(kList);
    AnswerPreview([](ImportPreviewDialog& d) { d.StartBox()->setValue(10); }, true);
    frame->ChannelLists().ImportAction()->trigger();
    EXPECT_TRUE(!view->Grid()->OpenEditor());
    EXPECT_EQ(Cell(1, ColName), QStringLiteral("NEW"));
    EXPECT_EQ(Cell(10, ColName), QStringLiteral("TOWN"));
    doc.undo();
    EXPECT_EQ(Cell(10, ColName), QString());
}

TEST_F(ChannelListWindowTest, ARefusedFileIsReportedWithoutAPreview) {
    chosen = WriteList("Location,Name\r\n1,A\r\n");
    AnswerPreview({}, true);
    frame->ChannelLists().ImportAction()->trigger();
    EXPECT_TRUE(previews.isEmpty());
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0],
              QStringLiteral("list.csv cannot be imported: the header has no Frequency column"));
    EXPECT_FALSE(doc.canUndo());
}

#ifndef _WIN32
TEST_F(ChannelListWindowTest, APipeChosenAsTheListIsRefusedAtOnce) {
    // Read without the guard, a pipe with no writer keeps the window waiting
    // for ever.
    chosen = TempPath(QStringLiteral("list.csv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(chosen).constData(), 0600), 0);
    AnswerPreview({}, true);
    frame->ChannelLists().ImportAction()->trigger();
    EXPECT_TRUE(previews.isEmpty());
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0], QStringLiteral("Cannot read the file %1.").arg(chosen));
    EXPECT_FALSE(doc.canUndo());
}
#endif

TEST_F(ChannelListWindowTest, ExportWritesWhatTheGridShowsInEitherFormat) {
    chosen = TempPath(QStringLiteral("out.csv"));
    frame->ChannelLists().ExportAction()->trigger();
    QFile file(chosen);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray chirp = file.readAll();
    EXPECT_TRUE(chirp.startsWith("Location,Name,Frequency,"));
    EXPECT_TRUE(chirp.contains("\r\n1,OLD,430.000000,,0.000000,,88.5,"));
    file.close();
    exportChirp = false;
    frame->ChannelLists().ExportAction()->trigger();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("\n1,430.00000,430.00000,OFF,OFF,"));
    EXPECT_FALSE(doc.canUndo());
    // The dialogs start in the document's folder; export offers its name.
    chosen.clear();
    frame->ChannelLists().ImportAction()->trigger();
    EXPECT_EQ(offered, QStringList({TempPath(QStringLiteral("mine.csv")),
                                    TempPath(QStringLiteral("mine.csv")), dir.path()}));
}
