// The history on its own: how many steps it keeps and what undo and redo
// leave current.
#include <gtest/gtest.h>

#include "editor/ImageHistory.h"
#include "support/QtPrinters.h"

namespace {

// A restorer that only counts; the history itself is under test.
class CountingRestorer final : public StepRestorer {
public:
    void RestoreStep(const MemoryImage&, GridCell) override {
        ++restores;
    }
    int restores = 0;
};

MemoryImage WithByte(std::size_t address, std::uint8_t value) {
    MemoryImage image;
    image[address] = value;
    return image;
}

TEST(ImageHistoryTest, KeepsTheLastThousandStepsAndDropsOlderOnes) {
    CountingRestorer restorer;
    ImageHistory history(restorer);
    history.Reset(MemoryImage());
    for (int i = 1; i <= 1005; ++i) {
        history.Record(StepName::Of({"Step %1", "步骤%1"}, i), WithByte(0, std::uint8_t(i)), {});
    }
    EXPECT_EQ(restorer.restores, 0); // recording never re-applies a change
    EXPECT_EQ(history.StepCount(), ImageHistory::StepLimit);
    EXPECT_GE(ImageHistory::StepLimit, 1000);
    while (history.CanUndo()) {
        history.Undo();
    }
    EXPECT_EQ(history.Current(), WithByte(0, 5));
    EXPECT_EQ(history.RedoName(Lang::Chinese), QStringLiteral("步骤6"));
    EXPECT_EQ(restorer.restores, ImageHistory::StepLimit);
    EXPECT_TRUE(history.IsModified());
}

TEST(ImageHistoryTest, ARecordAfterUndoDropsTheRedoSteps) {
    CountingRestorer restorer;
    ImageHistory history(restorer);
    history.Reset(MemoryImage());
    history.Record(StepName::Of({"A", "A"}), WithByte(1, 1), {});
    history.Record(StepName::Of({"B", "B"}), WithByte(1, 2), {});
    history.Undo();
    history.Record(StepName::Of({"C", "C"}), WithByte(1, 3), {});
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.UndoName(Lang::English), QStringLiteral("C"));
    history.Undo();
    EXPECT_EQ(history.Current(), WithByte(1, 1));
}

} // namespace
