#pragma once

// A channel view on a new document, shown and active on the offscreen
// platform, with every message box answered by a recorder.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "base/AppLanguage.h"
#include "editor/ChannelCommands.h"
#include "editor/ChannelEditor.h"
#include "editor/ChannelTable.h"
#include "editor/ChannelTableModel.h"
#include "editor/TypeSettingBar.h"
#include "document/ChannelDocument.h"
#include "image/Channel.h"
#include "image/ImageMap.h"
#include "support/QtPrinters.h"
#include "support/RecordingPrompter.h"

class ViewFixture : public ::testing::Test {
protected:
    void SetUp() override {
        SetLanguage(false);
    }
    void TearDown() override {
        m_Commands.reset();
        m_View.reset();
        SetLanguage(false);
    }

    static void SetLanguage(bool chinese) {
        bChinese = chinese ? 1 : 0;
        LanguageName() = chinese ? QStringLiteral("Chinese") : QStringLiteral("English");
    }

    // Makes m_Start the document and shows it in a new view, in the current
    // language.
    void Open() {
        m_Doc.newDocument(m_Start);
        m_Commands.reset();
        m_View = std::make_unique<ChannelEditor>(m_Doc);
        // The channel commands, as the main window makes them over the table.
        m_Commands = std::make_unique<ChannelCommands>(m_Doc, *m_View->Grid());
        m_View->resize(1300, 640); // every column in sight
        m_View->show();
        m_View->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_View.get()));
        m_View->Bar()->TypeList()->setFocus();
    }

    // Opens the view with band edges 136-174, where the VHF frequencies the
    // table tests type are in range.
    void OpenWithVhfBand() {
        Open();
        Bar().LowerBox()->setText(QStringLiteral("136"));
        Bar().UpperBox()->setText(QStringLiteral("174"));
    }

    // Writes channel n of the shown document, as one step.
    void WriteToDocument(const Channel& c, int n) {
        m_Doc.apply(BiText{"Test", "Test"}, [&](MemoryImage& image) {
            WriteChannel(c, n, image);
            return true;
        });
    }

    ChannelTable& Grid() { return *m_View->Grid(); }
    TypeSettingBar& Bar() { return *m_View->Bar(); }
    QString Cell(int row, int col) { return Grid().CellText(row, col); }
    // The open cell editor, if any.
    QWidget* Editor() { return Grid().OpenEditor(); }
    QLineEdit* LineEditor() { return qobject_cast<QLineEdit*>(Editor()); }

    void ClickCell(int row, int col, Qt::MouseButton button = Qt::LeftButton) {
        Grid().scrollTo(Grid().model()->index(row - 1, col - 1));
        QTest::mouseClick(Grid().viewport(), button, {}, Grid().CellRect(row, col).center());
    }
    static QWidget* Focus() { return QApplication::focusWidget(); }
    // Each key goes where the focus is then, as the user's keys do.
    static void Type(const QString& text) {
        for (const QChar ch : text) {
            QTest::keyClicks(Focus(), QString(ch));
        }
    }
    static void Key(Qt::Key key) { QTest::keyClick(Focus(), key); }

    RecordingPrompter m_Prompter;
    // The document Open shows; tests fill it in before.
    MemoryImage m_Start = ImageMap::NewDocumentImage();
    ChannelDocument m_Doc;
    std::unique_ptr<ChannelEditor> m_View;
    std::unique_ptr<ChannelCommands> m_Commands;
};
