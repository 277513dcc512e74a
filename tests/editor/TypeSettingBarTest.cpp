// The type bar's controls are seen whole: the band boxes' numbers in any
// font and style, the lists' entries in a bar short of room.
#include <QComboBox>
#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <QStyle>
#include <QStyleFactory>
#include <gtest/gtest.h>
#include <memory>

#include "editor/TypeSettingBar.h"

namespace {

// The columns between the leftmost and the rightmost dark pixel of the box's
// inside (its frame left out).
int InkSpan(QLineEdit* box) {
    const QImage image = box->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
    constexpr int Frame = 4;
    int first = image.width();
    int last = -1;
    for (int x = Frame; x < image.width() - Frame; ++x) {
        for (int y = Frame; y < image.height() - Frame; ++y) {
            if (qGray(image.pixel(x, y)) < 100) {
                first = std::min(first, x);
                last = x;
            }
        }
    }
    return last < first ? 0 : last - first + 1;
}

TEST(TypeSettingBarBoxes, FiveDigitsAreSeenWholeInAnyStyleAndAFontChosenAfterwards) {
    for (const QString& name : QStyleFactory::keys()) {
        const std::unique_ptr<QStyle> style(QStyleFactory::create(name));
        for (const int points : {8, 16}) {
            TypeSettingBar bar;
            // The font is set after the boxes exist, as the system's may be.
            QFont font = bar.font();
            font.setPointSize(points);
            for (QLineEdit* box : {bar.LowerBox(), bar.UpperBox()}) {
                box->setStyle(style.get());
            }
            bar.setFont(font);
            bar.show();
            for (QLineEdit* box : {bar.LowerBox(), bar.UpperBox()}) {
                box->setText(QStringLiteral("00000"));
                box->setCursorPosition(0);
                const int digits = box->fontMetrics().horizontalAdvance(QStringLiteral("00000"));
                EXPECT_GE(InkSpan(box), digits * 8 / 10)
                    << name.toStdString() << ", " << points << " pt: box " << box->width()
                    << " px for " << digits << " px of digits";
            }
        }
    }
}

TEST(TypeSettingBarLists, AShortBarGivesUpItsGapsBeforeAnyEntryIsCut) {
    QWidget window;
    auto& bar = *new TypeSettingBar(&window);
    window.show();
    // A large scale on a small screen: the window offers less than the bar asks.
    bar.setGeometry(0, 0, bar.sizeHint().width() - 30, bar.sizeHint().height());
    QCoreApplication::sendPostedEvents(); // the layout takes the new size
    for (QComboBox* list : {bar.TypeList(), bar.ManualList()}) {
        EXPECT_GE(list->width(), list->sizeHint().width()) << list->currentText().toStdString();
    }
}

} // namespace
