#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

#include "commands/FileCommands.h"
#include "shell/MainWindow.h"
#include "base/LanguageModule.h"
#include "base/ModalRunner.h"
#include "formats/ProfileFile.h"
#include "base/AppLanguage.h"
#include "document/ChannelDocument.h"
#include "editor/ChannelEditor.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/QtPrinters.h"

// A main frame over a channel view, with its settings file, recent list and
// language module in a temporary folder: the user's own settings are never
// touched and no message box ever opens.
class ShellFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        bChinese = 0;
        LanguageName() = QStringLiteral("English");
        profile.Open(dir.path().toStdString(), "MAIN.ini", true, true);
        module = std::make_unique<LanguageModule>(QStringList{ModuleDir()});
        ASSERT_TRUE(module->Load(QStringLiteral("English")));
        ModalRunner::Set([this](QDialog& dialog) {
            dialogs.append(dialog.windowTitle());
            return dialogAnswer;
        });
    }

    void TearDown() override {
        frame.reset();
        view.reset();
        ModalRunner::Set({});
        module.reset();
        bChinese = 0;
        LanguageName() = QStringLiteral("English");
    }

    // The folder of the built language modules (beside the test programs).
    static QString ModuleDir() { return QCoreApplication::applicationDirPath(); }

    // The main window over the document, in the form view (made here unless
    // a test made its own).
    void MakeFrame() {
        if (!view) {
            view = std::make_unique<ChannelEditor>(doc);
        }
        frame = std::make_unique<MainWindow>(ShellContext{doc, *view, profile, *module});
    }

    // The file dialog answered by chosenFile; each question noted in
    // chooserCalls as "open:" or "save:" and the suggestion.
    void ChooseFilesByScript() {
        frame->Files().SetFileChooser([this](QWidget*, bool save, const QString& suggested) {
            chooserCalls.append(QStringLiteral("%1:%2").arg(save ? "save" : "open", suggested));
            return chosenFile;
        });
    }

    QString TempPath(const QString& name) const { return dir.filePath(name); }

    // Channel files in the temporary folder.
    QString WriteImage(const QString& name, const MemoryImage& image) {
        QFile f(TempPath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(image.data()), MemoryImage::Size);
        return f.fileName();
    }
    static QByteArray ReadFile(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Drags path over the frame and drops it there if the frame takes it.
    void Drop(const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(frame.get(), &enter);
        if (enter.isAccepted()) {
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(frame.get(), &drop);
        }
    }

    QTemporaryDir dir;
    RecordingPrompter prompter;
    ProfileFile profile;
    std::unique_ptr<LanguageModule> module;
    ChannelDocument doc;
    std::unique_ptr<ChannelEditor> view;
    std::unique_ptr<MainWindow> frame;
    QStringList dialogs;
    QStringList chooserCalls;
    QString chosenFile;
    int dialogAnswer = 0;
};
