// The main window and the dialogs open inside the screen, whatever its size
// and scale: what a screen of 1280x1024 at scale 2 (640x512) or of 1024x768
// leaves for them.
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include "base/LineEditText.h"
#include "base/ScreenFit.h"
#include "editor/ChannelEditor.h"
#include "editor/ChannelTable.h"
#include "settings/OptionalFeaturesDialog.h"
#include "tests/app/ShellFixture.h"

namespace {

class WindowFitTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        MakeFrame();
        qApp->installEventFilter(&fit);
    }
    void TearDown() override {
        qApp->removeEventFilter(&fit);
        ShellFixture::TearDown();
    }

    static bool Inside(const QRect& area, const QWidget& window) {
        return area.contains(window.frameGeometry());
    }

    ScreenFit fit;
};

TEST_F(WindowFitTest, TheMainWindowOpensInsideAScreenSmallerThanItsSize) {
    const QRect screen = ScreenFit::AvailableArea(frame.get());
    ASSERT_LT(screen.width(), 1024); // the test screen is 800x600
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    EXPECT_TRUE(Inside(screen, *frame))
        << frame->frameGeometry().width() << "x" << frame->frameGeometry().height();
}

TEST_F(WindowFitTest, TheFirstWindowShowsEveryColumnAndTheUsersSizeAndWidthsAreKept) {
    // A screen with room for the whole table (the test screen is smaller, and
    // only the fitting would bound the window to it).
    qApp->removeEventFilter(&fit);
    auto* table = qobject_cast<QTableView*>(view->Grid());
    ASSERT_NE(table, nullptr);
    // Laid out at its first size without a screen that would bound it.
    frame->setAttribute(Qt::WA_DontShowOnScreen);
    frame->show();
    EXPECT_GE(frame->width(), 1024);
    EXPECT_EQ(table->horizontalScrollBar()->maximum(), 0) << frame->width();

    // The user widens the Name column and makes the window smaller.
    const int nameColumn = table->horizontalHeader()->count() - 1;
    const int nameWidth = table->columnWidth(nameColumn) + 37;
    table->setColumnWidth(nameColumn, nameWidth);
    frame->resize(900, 650);
    ASSERT_TRUE(frame->close());
    frame.reset();
    table->setColumnWidth(nameColumn, 10);
    MakeFrame();
    EXPECT_EQ(frame->size(), QSize(900, 650));
    EXPECT_EQ(table->columnWidth(nameColumn), nameWidth);
}

TEST_F(WindowFitTest, LineEditsShowTheirTextWhereTheFontMeasuresGlyphsTooTall) {
    EXPECT_FALSE(LineEditText::MeasuresTooTall(QApplication::font())); // this system's font
    // Where the font measures too tall (Wine's), the band edges go to the top
    // of their boxes and keep their horizontal alignment.
    LineEditText text(nullptr, [](const QFont&) { return true; });
    qApp->installEventFilter(&text);
    auto* lower = frame->findChild<QLineEdit*>(QStringLiteral("LowerBandBox"));
    ASSERT_NE(lower, nullptr);
    const Qt::Alignment horizontal = lower->alignment() & Qt::AlignHorizontal_Mask;
    frame->show();
    qApp->removeEventFilter(&text);
    EXPECT_EQ(lower->alignment(), horizontal | Qt::AlignTop);
}

TEST_F(WindowFitTest, ADialogTooLargeForTheScreenScrollsInsideIt) {
    // 1024x768 at scale 1, 1280x1024 at scale 2, and a screen it cannot fit.
    for (const QRect area :
         {QRect(0, 0, 1024, 768), QRect(0, 0, 640, 512), QRect(100, 50, 400, 300)}) {
        MemoryImage image = doc.image();
        OptionalFeaturesDialog dialog(image, frame.get());
        const QSize needed = dialog.minimumSizeHint();
        ScreenFit::Fit(&dialog, area);
        EXPECT_TRUE(area.contains(dialog.geometry())) << area.width();
        EXPECT_EQ(dialog.findChild<QScrollArea*>() != nullptr,
                  needed.height() > area.height() || needed.width() > area.width())
            << area.width();
    }
}

} // namespace
