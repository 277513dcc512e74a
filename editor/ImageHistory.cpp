#include "editor/ImageHistory.h"

ImageHistory::ImageHistory(StepRestorer& restorer, QObject* parent)
    : EditHistory(parent), m_Current(std::make_shared<const MemoryImage>()), m_Clean(m_Current),
      m_Restorer(restorer) {
    m_Stack.setUndoLimit(StepLimit);
}

void ImageHistory::Reset(const MemoryImage& state) {
    m_Stack.clear();
    m_Current = std::make_shared<const MemoryImage>(state);
    m_Clean = m_Current;
    emit Changed();
}

void ImageHistory::Record(StepName name, const MemoryImage& after, GridCell focus) {
    // An unchanged image shares the snapshot before it.
    ImageSnapshot next =
        after == *m_Current ? m_Current : std::make_shared<const MemoryImage>(after);
    m_Stack.push(new ImageStep(m_Restorer, std::move(name), m_Current, next, focus));
    SetCurrent(std::move(next));
}

void ImageHistory::MarkClean() {
    m_Clean = m_Current;
    emit Changed();
}

void ImageHistory::MarkClean(const MemoryImage& state) {
    m_Clean = state == *m_Current ? m_Current : std::make_shared<const MemoryImage>(state);
    emit Changed();
}

const ImageStep* ImageHistory::Step(int index) const {
    return static_cast<const ImageStep*>(m_Stack.command(index));
}

QString ImageHistory::UndoName(Lang lang) const {
    return CanUndo() ? Step(m_Stack.index() - 1)->Name().In(lang) : QString();
}

QString ImageHistory::RedoName(Lang lang) const {
    return CanRedo() ? Step(m_Stack.index())->Name().In(lang) : QString();
}

void ImageHistory::Undo() {
    if (!CanUndo()) {
        return;
    }
    const ImageStep* step = Step(m_Stack.index() - 1);
    m_Stack.undo();
    SetCurrent(step->Before());
}

void ImageHistory::Redo() {
    if (!CanRedo()) {
        return;
    }
    const ImageStep* step = Step(m_Stack.index());
    m_Stack.redo();
    SetCurrent(step->After());
}

void ImageHistory::SetCurrent(ImageSnapshot state) {
    m_Current = std::move(state);
    emit Changed();
}
