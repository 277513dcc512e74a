#include "editor/ImageStep.h"

StepName StepName::Of(const BiText& text) {
    return {QString::fromUtf8(text.english), QString::fromUtf8(text.chinese)};
}

StepName StepName::Of(const BiText& text, int number) {
    return {QString::fromUtf8(text.english).arg(number),
            QString::fromUtf8(text.chinese).arg(number)};
}

ImageStep::ImageStep(StepRestorer& restorer, StepName name, ImageSnapshot before,
                     ImageSnapshot after, GridCell focus)
    : m_Restorer(restorer), m_Name(std::move(name)), m_Before(std::move(before)),
      m_After(std::move(after)), m_Focus(focus) {
    setText(m_Name.english);
}

void ImageStep::undo() {
    m_Restorer.RestoreStep(*m_Before, m_Focus);
}

void ImageStep::redo() {
    // QUndoStack::push runs redo at once; the change is already on screen.
    if (m_bPushing) {
        m_bPushing = false;
        return;
    }
    m_Restorer.RestoreStep(*m_After, m_Focus);
}
