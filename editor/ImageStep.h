#pragma once

#include <QString>
#include <QUndoCommand>
#include <memory>

#include "base/Lang.h"
#include "image/MemoryImage.h"

// What a save would write at one point of the history. Consecutive steps share
// the snapshot between them, so a step costs one image, not two.
using ImageSnapshot = std::shared_ptr<const MemoryImage>;

// A channel cell: row 1-128, column 1-13; row 0 means none.
struct GridCell {
    int row = 0;
    int col = 0;
};

// The name of a step in both languages, kept as texts so that the menus show
// it in whatever language is in force when they are opened.
struct StepName {
    QString english;
    QString chinese;

    static StepName Of(const BiText& text);
    // A text with %1, filled with number in both languages.
    static StepName Of(const BiText& text, int number);
    QString In(Lang lang) const { return lang == Lang::Chinese ? chinese : english; }
};

// Puts the document and what shows it into one side of a step.
class StepRestorer {
public:
    virtual ~StepRestorer() = default;
    // image: the document on that side; focus: the cell to make current.
    virtual void RestoreStep(const MemoryImage& image, GridCell focus) = 0;
};

// One undo step: the images before and after it.
class ImageStep final : public QUndoCommand {
public:
    ImageStep(StepRestorer& restorer, StepName name, ImageSnapshot before, ImageSnapshot after,
              GridCell focus);

    void undo() override;
    void redo() override;

    const StepName& Name() const { return m_Name; }
    const ImageSnapshot& Before() const { return m_Before; }
    const ImageSnapshot& After() const { return m_After; }

private:
    StepRestorer& m_Restorer;
    StepName m_Name;
    ImageSnapshot m_Before;
    ImageSnapshot m_After;
    GridCell m_Focus;
    bool m_bPushing = true; // pushed after the change was already made
};
