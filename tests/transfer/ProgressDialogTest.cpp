// The transfer's progress dialog as the user reads it.
#include <QAccessible>
#include <QLabel>
#include <QProgressBar>
#include <gtest/gtest.h>

#include "transfer/ProgressDialog.h"
#include "tests/support/QtPrinters.h"

namespace {

QString AccessibleName(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

TEST(ProgressDialog, TheStatusTellsTheBlockThePercentageAndTheTimeLeft) {
    ProgressDialog dialog;
    qint64 now = 0;
    dialog.SetClock([&now] { return now; });
    dialog.Create(nullptr);
    EXPECT_EQ(dialog.StatusText(),
              QStringLiteral("Not started yet. Connect the radio, switch it on and press Start."));
    now = 1000; // the wake-up took a while; the pace counts from the first block
    dialog.SetProgress(1);
    dialog.SetStatusText(QStringLiteral("1")); // the bare count is told in words
    EXPECT_EQ(dialog.StatusText(), QStringLiteral("Block 1 of 397, 0%"));
    now = 1700;
    dialog.SetProgress(36);
    EXPECT_EQ(dialog.StatusText(), QStringLiteral("Block 36 of 397, 9%, about 8 s left"));
    EXPECT_EQ(dialog.Bar()->text(), QStringLiteral("9%"));
    // What a screen reader says of the bar and the line: the line as shown.
    auto* line = dialog.findChild<QLabel*>(QStringLiteral("progressStatus"));
    EXPECT_EQ(AccessibleName(dialog.Bar()), QStringLiteral("Transfer progress"));
    EXPECT_EQ(AccessibleName(line), dialog.StatusText());
    // The bar and the line agree where rounding could part them (21.9%).
    for (int block : {87, 392}) {
        dialog.SetProgress(block);
        EXPECT_TRUE(dialog.StatusText().contains(QStringLiteral(", ") + dialog.Bar()->text()))
            << dialog.StatusText().toStdString() << " / " << dialog.Bar()->text().toStdString();
    }
    dialog.SetPhase(QStringLiteral("Step 2 of 2: reading the radio back to verify"));
    dialog.SetProgress(397);
    EXPECT_EQ(dialog.StatusText(), QStringLiteral("Block 397 of 397, 100%"));
    // A new window starts from the idle text again, without the last phase.
    dialog.Destroy();
    dialog.Create(nullptr);
    EXPECT_EQ(dialog.StatusText(),
              QStringLiteral("Not started yet. Connect the radio, switch it on and press Start."));
    EXPECT_EQ(dialog.Phase(), QString());
    EXPECT_EQ(dialog.Bar()->text(), QStringLiteral("0%"));
}

} // namespace
