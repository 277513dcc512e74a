// The document on its own: every change one undo step, what counts as
// modified, and what a save, a read and a write leave behind.
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

#include "document/ChannelDocument.h"
#include "document/PendingEdits.h"
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

// What a form would still hold: an Rx frequency typed into channel 0 and not
// yet committed. during runs while the document asks for it.
class TypedRx final : public PendingEdits {
public:
    explicit TypedRx(ChannelDocument& doc) : m_Doc(doc) { doc.setPendingEdits(this); }
    ~TypedRx() { m_Doc.setPendingEdits(nullptr); }

    void commitPendingEdits() override {
        ++asked;
        if (during) {
            during();
        }
        if (typed) {
            const std::uint32_t rx = *typed;
            typed.reset();
            m_Doc.commitEdit(StepName::Of(Edit), SetRx(0, rx));
        }
    }

    std::optional<std::uint32_t> typed;
    std::function<void()> during;
    int asked = 0;

private:
    ChannelDocument& m_Doc;
};

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

TEST_F(ChannelDocumentTest, WhatIsBeingTypedGoesInBeforeTheDocumentIsReadOrChanged) {
    const std::uint32_t Typed = 43850000;
    const QString path = dir.filePath(QStringLiteral("club.sin"));
    const struct {
        const char* what;
        std::function<void()> run;
        int steps; // after it
    } cases[] = {
        {"a change", [&] { doc.apply(Edit, SetRx(1, 44600625)); }, 2},
        {"a save", [&] { ASSERT_TRUE(doc.save(path).ok); }, 1},
        {"a read for a command", [&] { doc.settledImage(); }, 1},
        {"the question before closing", [&] { EXPECT_TRUE(doc.hasUnsavedChanges()); }, 1},
        {"a read from the radio",
         [&] { doc.applyRead(Edit, ImageMap::NewDocumentImage(), QStringLiteral("Radio.sin")); },
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        doc.newDocument();
        TypedRx pending(doc);
        pending.typed = Typed;
        c.run();
        EXPECT_EQ(pending.asked, 1);
        EXPECT_EQ(doc.stepCount(), c.steps);
        // The typed edit is the first step, before what asked for it.
        while (doc.canUndo()) {
            doc.undo();
        }
        doc.redo();
        EXPECT_EQ(ReadChannel(doc.image(), 0).rxFrequency, Typed);
    }
    // Undo takes back what was typed, as the last step.
    doc.newDocument();
    TypedRx pending(doc);
    doc.apply(Edit, SetRx(1, 44600625));
    pending.typed = Typed;
    doc.undo();
    EXPECT_EQ(doc.stepCount(), 2);
    EXPECT_EQ(ReadChannel(doc.image(), 0).rxFrequency, std::nullopt);
    EXPECT_TRUE(ReadChannel(doc.image(), 1).rxFrequency.has_value());
}

TEST_F(ChannelDocumentTest, AnUndoOrAChangeWhileTheEditsGoInAsksForThemNoSecondTime) {
    TypedRx pending(doc);
    doc.apply(Edit, SetRx(1, 44600625));
    // A message of the commit lets the user undo or change meanwhile.
    pending.during = [&] {
        doc.undo();
        doc.apply(Edit, SetRx(2, 44600625));
    };
    pending.asked = 0;
    pending.typed = 43850000;
    doc.undo();
    EXPECT_EQ(pending.asked, 1);
    // Meanwhile channel 1's step was undone and channel 2's made; the undo
    // that asked then takes back what was typed.
    EXPECT_EQ(ReadChannel(doc.image(), 0).rxFrequency, std::nullopt);
    EXPECT_FALSE(ReadChannel(doc.image(), 1).rxFrequency.has_value());
    EXPECT_TRUE(ReadChannel(doc.image(), 2).rxFrequency.has_value());
}

TEST_F(ChannelDocumentTest, AReadSavedThenUndoneTellsEachChangeOnce) {
    const QString opened = WriteFile(QStringLiteral("club.sin"), ImageMap::NewDocumentImage());
    ASSERT_TRUE(doc.load(opened).ok);
    QSignalSpy channels(&doc, &ChannelDocument::channelsChanged);
    QSignalSpy modified(&doc, &ChannelDocument::modifiedChanged);
    QSignalSpy path(&doc, &ChannelDocument::filePathChanged);
    QSignalSpy history(&doc, &ChannelDocument::historyChanged);
    MemoryImage radio = ImageMap::NewDocumentImage();
    SetRx(5, 44600625)(radio);

    doc.applyRead(Edit, radio, QStringLiteral("Radio 1.sin"));
    EXPECT_EQ(channels.count(), 1);
    EXPECT_EQ(channels[0], (QList<QVariant>{5, 5}));
    EXPECT_EQ(path.count(), 1);
    EXPECT_EQ(modified.count(), 0); // what was read is safe on the radio
    const QString saved = dir.filePath(QStringLiteral("Radio 1.sin"));
    ASSERT_TRUE(doc.save(doc.suggestedPath()).ok);
    EXPECT_EQ(path.count(), 2);
    EXPECT_EQ(path.last()[0].toString(), saved);
    EXPECT_EQ(modified.count(), 0);
    EXPECT_EQ(history.count(), 1);

    doc.undo(); // back to the file opened before, which the save did not touch
    EXPECT_EQ(channels.count(), 2);
    EXPECT_EQ(path.count(), 3);
    EXPECT_EQ(path.last()[0].toString(), opened);
    EXPECT_EQ(modified.count(), 0);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(history.count(), 2);
    doc.redo(); // the read again: in no file, as it was read
    EXPECT_TRUE(doc.filePath().isEmpty());
    EXPECT_FALSE(doc.isModified());
}

TEST_F(ChannelDocumentTest, AFileIsChangedOnDiskWhenItsSizeTimeOrBytesAreNotWhatWasLeft) {
    MemoryImage other = ImageMap::NewDocumentImage();
    SetRx(0, 44600625)(other);
    const struct {
        const char* what;
        std::function<void(const QString& path)> meanwhile;
        bool changed;
    } cases[] = {
        {"nothing", [](const QString&) {}, false},
        {"other bytes, the same size and time (cp -p)",
         [&](const QString& path) {
             const QDateTime time = QFileInfo(path).lastModified();
             WriteFile(QStringLiteral("club.sin"), other);
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::ReadWrite));
             ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
         },
         true},
        {"the same bytes, a later time",
         [](const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::ReadWrite));
             ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(5),
                                          QFileDevice::FileModificationTime));
         },
         true},
        {"another size", [](const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::Append));
             file.write("x");
         },
         true},
        {"removed", [](const QString& path) { QFile::remove(path); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const bool saved : {false, true}) {
            const QString path = WriteFile(QStringLiteral("club.sin"), ImageMap::NewDocumentImage());
            ASSERT_TRUE(doc.load(path).ok);
            if (saved) {
                doc.apply(Edit, SetRx(1, 44600625));
                ASSERT_TRUE(doc.save(path).ok);
            }
            c.meanwhile(path);
            EXPECT_EQ(doc.fileChangedOnDisk(), c.changed);
        }
    }
    // A document in no file has none to be changed.
    doc.newDocument();
    EXPECT_FALSE(doc.fileChangedOnDisk());
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
