// The document on its own: every change one undo step, what counts as
// modified, and what a save, a read and a write leave behind.
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "document/ChannelDocument.h"
#include "image/BandLimits.h"
#include "image/Channel.h"
#include "image/ImageMap.h"
#include "support/QtPrinters.h"

namespace {

constexpr BiText Edit{"Edit Channel", "编辑频道"};

// Puts rx (in 10 Hz units) into channel n.
auto SetRx(int n, std::uint32_t rx) {
    return [n, rx](MemoryImage& image) {
        Channel c = ReadChannel(image, n);
        c.rxFrequency = rx;
        WriteChannel(c, n, image);
        return true;
    };
}

class ChannelDocumentTest : public ::testing::Test {
protected:
    QString WriteFile(const QString& name, const MemoryImage& image) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(image.data()), MemoryImage::Size);
        return f.fileName();
    }

    QTemporaryDir dir;
    ChannelDocument doc;
};

TEST_F(ChannelDocumentTest, EachChangeIsOneStepThatUndoAndRedoPutBackExactly) {
    const MemoryImage start = doc.image();
    QSignalSpy channels(&doc, &ChannelDocument::channelsChanged);
    QSignalSpy settings(&doc, &ChannelDocument::settingsChanged);
    QSignalSpy focus(&doc, &ChannelDocument::focusRequested);
    ASSERT_TRUE(doc.apply(Edit, SetRx(4, 43850000)));
    ASSERT_TRUE(doc.apply(Edit, [](MemoryImage& image) {
        EncodeBandLimits(136, 174, image);
        return true;
    }));
    const MemoryImage after = doc.image();
    // A change that changes nothing, or says it did not, is no step.
    EXPECT_FALSE(doc.apply(Edit, SetRx(4, 43850000)));
    EXPECT_FALSE(doc.apply(Edit, [](MemoryImage& image) {
        image[0x10] ^= 1;
        return false;
    }));
    EXPECT_EQ(doc.stepCount(), 2);
    ASSERT_EQ(channels.count(), 1);
    EXPECT_EQ(channels[0], (QList<QVariant>{4, 4}));
    EXPECT_EQ(settings.count(), 1);
    EXPECT_EQ(focus.count(), 0); // the user is where the change was made
    EXPECT_EQ(doc.undoName(Lang::Chinese), QStringLiteral("编辑频道"));

    doc.undo();
    doc.undo();
    EXPECT_EQ(doc.image(), start);
    EXPECT_FALSE(doc.isModified());
    ASSERT_EQ(focus.count(), 1); // the band edges are in no channel
    EXPECT_EQ(focus[0][0].value<ChannelCell>().channel, 4);
    EXPECT_EQ(focus[0][0].value<ChannelCell>().column, 1);
    doc.redo();
    doc.redo();
    EXPECT_EQ(doc.image(), after);
    EXPECT_TRUE(doc.isModified());
    EXPECT_FALSE(doc.canRedo());
}

TEST_F(ChannelDocumentTest, KeepsTheLastThousandStepsAndANewChangeDropsWhatWasUndone) {
    for (int i = 0; i < ChannelDocument::StepLimit + 5; ++i) {
        doc.apply(Edit, SetRx(i % 128, 40000000 + static_cast<std::uint32_t>(i)));
    }
    EXPECT_EQ(doc.stepCount(), ChannelDocument::StepLimit);
    doc.undo();
    doc.undo();
    doc.apply(Edit, SetRx(0, 45000000));
    EXPECT_FALSE(doc.canRedo());
    EXPECT_EQ(doc.stepCount(), ChannelDocument::StepLimit - 1);
}

TEST_F(ChannelDocumentTest, ModifiedFollowsTheBytesAndTheFile) {
    QSignalSpy modified(&doc, &ChannelDocument::modifiedChanged);
    doc.apply(Edit, SetRx(0, 43850000));
    doc.apply(Edit, [](MemoryImage& image) {
        image = ImageMap::NewDocumentImage();
        return true;
    });
    EXPECT_FALSE(doc.isModified()); // changed and changed back
    doc.apply(Edit, SetRx(1, 43850000));
    const QString path = dir.filePath(QStringLiteral("club.sin"));
    ASSERT_TRUE(doc.save(path).ok);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.filePath(), path);
    doc.undo();
    EXPECT_TRUE(doc.isModified()); // the file holds the channel
    EXPECT_EQ(modified.count(), 5);

    // A file that cannot be opened leaves the document as it was.
    const MemoryImage before = doc.image();
    EXPECT_FALSE(doc.load(dir.filePath(QStringLiteral("missing.sin"))).ok);
    EXPECT_EQ(doc.image(), before);
    EXPECT_EQ(doc.filePath(), path);
    EXPECT_TRUE(doc.canUndo());
    // One that can starts a document of its own.
    ASSERT_TRUE(doc.load(WriteFile(QStringLiteral("other.sin"), ImageMap::NewDocumentImage())).ok);
    EXPECT_FALSE(doc.canUndo());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.image()[ImageMap::CommitMarker], ImageMap::CommitMarkerValue);
}

TEST_F(ChannelDocumentTest, UndoOfAReadGivesBackTheChannelsAndTheFile) {
    const QString path = WriteFile(QStringLiteral("club.sin"), ImageMap::NewDocumentImage());
    ASSERT_TRUE(doc.load(path).ok);
    doc.apply(Edit, SetRx(2, 43850000));
    const MemoryImage edited = doc.image();
    MemoryImage radio = ImageMap::NewDocumentImage();
    SetRx(0, 44600625)(radio);

    doc.applyRead(BiText{"Read From Radio", "从对讲机读取"}, radio, QStringLiteral("Radio 1.sin"));
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(doc.filePath().isEmpty());
    EXPECT_EQ(doc.suggestedPath(), dir.filePath(QStringLiteral("Radio 1.sin")));
    doc.undo();
    EXPECT_EQ(doc.image(), edited);
    EXPECT_EQ(doc.filePath(), path);
    EXPECT_TRUE(doc.suggestedPath().isEmpty());
    EXPECT_TRUE(doc.isModified());
    doc.redo();
    EXPECT_TRUE(doc.filePath().isEmpty());
    EXPECT_FALSE(doc.isModified());
}

TEST_F(ChannelDocumentTest, AWrittenChangeIsOnTheRadioButStillNotInTheFile) {
    doc.apply(Edit, SetRx(0, 43850000));
    doc.markWritten(doc.image());
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(doc.isOnRadioOnly());
    doc.apply(Edit, SetRx(1, 43850000));
    EXPECT_FALSE(doc.isOnRadioOnly());
    doc.undo();
    EXPECT_TRUE(doc.isOnRadioOnly());
    doc.forgetWritten();
    EXPECT_FALSE(doc.isOnRadioOnly());
}

} // namespace
