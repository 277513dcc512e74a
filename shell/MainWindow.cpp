#include "shell/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QStyleHints>
#include <QTableView>
#include <QToolBar>

#include "commands/ChannelListCommands.h"
#include "commands/CompareCommands.h"
#include "commands/EditCommands.h"
#include "commands/FileCommands.h"
#include "commands/FleetCommands.h"
#include "commands/HelpCommands.h"
#include "commands/HelpWindow.h"
#include "commands/LanguageSwitch.h"
#include "commands/LicenceGate.h"
#include "commands/MainActions.h"
#include "commands/PlanCommands.h"
#include "transfer/PortChoice.h"
#include "commands/PrintCommands.h"
#include "formats/ProfileFile.h"
#include "commands/RecentFileList.h"
#include "commands/SettingsCommands.h"
#include "transfer/TransferCommands.h"
#include "shell/WindowPlacement.h"
#include "base/AppLanguage.h"
#include "base/Prompter.h"
#include "document/ChannelDocument.h"
#include "editor/ChannelCommands.h"
#include "editor/ChannelEditor.h"
#include "editor/ChannelTable.h"
#include "image/BandLimits.h"
#include "image/ChannelOperations.h"
#include "image/CommandTexts.h"

namespace {

// The first channel file among dropped or opened URLs, empty when there is none.
QString FirstChannelFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) {
        return {};
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && FileCommands::IsChannelFile(url.toLocalFile())) {
            return url.toLocalFile();
        }
    }
    return {};
}

} // namespace

MainWindow::MainWindow(const ShellContext& context, QWidget* parent)
    : QMainWindow(parent), m_Context(context) {
    setObjectName(QStringLiteral("CMainFrame")); // the name outside tools know the window by
    m_Actions = new MainActions(this);
    m_Files = new FileCommands(context, this, this);
    m_Edit = new EditCommands(context.doc, *m_Actions, this);
    m_Help = new HelpCommands(this, this);
    m_Print = new PrintCommands(context.doc, this, this);
    m_Language = new LanguageSwitch(context, this, this);
    m_Settings = new SettingsCommands(context.doc, this, this);
    m_ChannelLists = new ChannelListCommands(context.doc, this);
    m_Channels = new ChannelCommands(context.doc, *context.editor.Grid(), this);
    m_Plans = new PlanCommands(context.doc, *context.editor.Grid(), context.profile, this);

    for (QAction* action : {m_ChannelLists->ImportAction(), m_ChannelLists->ExportAction(),
                            m_Plans->InsertAction(), m_Plans->CheckAction()}) {
        m_Actions->Add(action, MainActions::Need::NoTransfer);
    }
    // Every menu shows its items' keys, a menu opened as a pop-up too (the
    // grid's menu, or one a screen reader opens).
    QGuiApplication::styleHints()->setShowShortcutsInContextMenus(true);

    setCentralWidget(&context.editor);
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    // Shortcuts without a menu item still need a home in the window.
    addAction(m_Actions->helpContents);
    m_Recent = new RecentFileList(context.profile, m_FileMenu, m_Actions->appExit, this);
    m_Files->SetRecentFiles(m_Recent);
    ConnectCommands();
    Retranslate();
    connect(&context.doc, &ChannelDocument::modifiedChanged, this, &MainWindow::ShowModifiedState);
    connect(&context.doc, &ChannelDocument::filePathChanged, this, &MainWindow::ShowTitle);
    m_Print->SetDocumentName([this] { return m_Files->DocumentName(); });
    m_ChannelLists->SetDocumentPlace([this] { return m_Files->DocumentFolder(); },
                                     [this] { return m_Files->DocumentBaseName(); });
    ShowModifiedState();

    setAcceptDrops(true);
    WindowPlacement::Restore(*this, *context.editor.Grid(), context.profile);
}

MainWindow::~MainWindow() {
    // The view belongs to the application, not to the frame.
    if (QWidget* view = takeCentralWidget()) {
        view->setParent(nullptr);
    }
}

QString MainWindow::Title() {
    return tr("Orin Programing Software");
}

void MainWindow::BuildMenus() {
    MainActions& a = *m_Actions;
    m_FileMenu = menuBar()->addMenu(QString());
    m_FileMenu->addActions({a.fileNew, a.fileOpen, a.fileSave, a.fileSaveAs});
    m_FileMenu->addSeparator();
    m_FileMenu->addActions({m_ChannelLists->ImportAction(), m_ChannelLists->ExportAction()});
    m_FileMenu->addSeparator();
    m_FileMenu->addActions({a.filePrint, a.filePrintPreview, a.filePrintSetup});
    m_FileMenu->addSeparator();
    m_FileMenu->addAction(a.appExit);

    m_EditMenu = menuBar()->addMenu(QString());
    m_EditMenu->addActions({a.editUndo, a.editRedo});
    m_EditMenu->addSeparator();
    m_Channels->AddTo(m_EditMenu);
    m_EditMenu->addSeparator();
    m_EditMenu->addAction(m_Plans->InsertAction());

    m_ProgramMenu = menuBar()->addMenu(QString());
    m_ProgramMenu->addActions({a.optionalFeatures, a.sideKey});
    m_ProgramMenu->addSeparator();
    m_ProgramMenu->addAction(m_Plans->CheckAction());

    m_PortMenu = menuBar()->addMenu(QString());

    m_ViewMenu = menuBar()->addMenu(QString());
    m_ViewMenu->addActions({a.viewToolbar, a.viewStatusBar, a.switchLanguage});

    m_HelpMenu = menuBar()->addMenu(QString());
    m_HelpMenu->addAction(a.helpTopics);
    m_HelpMenu->addSeparator();
    m_HelpMenu->addAction(a.appAbout);
}

void MainWindow::BuildToolBar() {
    MainActions& a = *m_Actions;
    m_ToolBar = addToolBar(QString());
    m_ToolBar->setObjectName(QStringLiteral("ToolBar"));
    m_ToolBar->setIconSize(QSize(18, 18));
    m_ToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    a.fileNew->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    a.fileOpen->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    a.fileSave->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    a.filePrint->setIcon(
        QIcon::fromTheme(QStringLiteral("document-print"),
                         style()->standardIcon(QStyle::SP_FileDialogDetailedView)));
    a.appAbout->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    m_ToolBar->addActions({a.fileNew, a.fileOpen, a.fileSave});
    m_ToolBar->addSeparator();
    m_ToolbarTransferAnchor = m_ToolBar->addSeparator();
    m_ToolBar->addActions({a.filePrint, a.appAbout});
}

void MainWindow::BuildStatusBar() {
    m_Idle = new QLabel;
    m_Idle->setObjectName(QStringLiteral("idleText"));
    // A normal (not permanent) widget: status prompts hide it while they show.
    statusBar()->addWidget(m_Idle, 1);
}

void MainWindow::ConnectCommands() {
    MainActions& a = *m_Actions;
    connect(a.fileNew, &QAction::triggered, m_Files, &FileCommands::OnFileNew);
    connect(a.fileOpen, &QAction::triggered, m_Files, &FileCommands::OnFileOpen);
    connect(a.fileSave, &QAction::triggered, m_Files, &FileCommands::OnFileSave);
    connect(a.fileSaveAs, &QAction::triggered, m_Files, &FileCommands::OnFileSaveAs);
    connect(a.filePrint, &QAction::triggered, m_Print, &PrintCommands::OnFilePrint);
    connect(a.filePrintPreview, &QAction::triggered, m_Print, &PrintCommands::OnFilePrintPreview);
    connect(a.filePrintSetup, &QAction::triggered, m_Print, &PrintCommands::OnFilePrintSetup);
    connect(a.appExit, &QAction::triggered, this, &QWidget::close);
    connect(a.editUndo, &QAction::triggered, m_Edit, &EditCommands::OnUndo);
    connect(a.editRedo, &QAction::triggered, m_Edit, &EditCommands::OnRedo);
    connect(a.helpTopics, &QAction::triggered, m_Help, &HelpCommands::OnHelpTopics);
    connect(a.helpContents, &QAction::triggered, m_Help, &HelpCommands::OnHelpContents);
    connect(a.appAbout, &QAction::triggered, m_Help, &HelpCommands::OnAbout);
    connect(a.optionalFeatures, &QAction::triggered, m_Settings,
            &SettingsCommands::OnOptionalFeatures);
    connect(a.sideKey, &QAction::triggered, m_Settings, &SettingsCommands::OnSideKey);
    connect(a.switchLanguage, &QAction::triggered, m_Language, &LanguageSwitch::SwitchLanguage);
    connect(m_Recent, &RecentFileList::OpenRequested, m_Files, &FileCommands::OpenPath);

    connect(a.viewToolbar, &QAction::toggled, m_ToolBar, &QWidget::setVisible);
    connect(m_ToolBar, &QToolBar::visibilityChanged, a.viewToolbar, [this](bool visible) {
        // A toolbar hidden with its window (minimised, closing) is still "on".
        if (isVisible()) {
            m_Actions->viewToolbar->setChecked(visible);
        }
    });
    connect(a.viewStatusBar, &QAction::toggled, statusBar(), &QWidget::setVisible);
}

void MainWindow::InstallTransferActions(QAction* read, QAction* write) {
    QAction* first = m_Actions->optionalFeatures;
    m_ProgramMenu->insertAction(first, read);
    m_ProgramMenu->insertAction(first, write);
    m_ProgramSeparator = m_ProgramMenu->insertSeparator(first);
    if (read->icon().isNull()) {
        read->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    }
    if (write->icon().isNull()) {
        write->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    }
    m_ToolBar->insertAction(m_ToolbarTransferAnchor, read);
    m_ToolBar->insertAction(m_ToolbarTransferAnchor, write);
}

void MainWindow::AttachTransfer(TransferCommands* transfer) {
    m_Transfer = transfer;
    InstallTransferActions(transfer->ReadAction(), transfer->WriteAction());
    // The port chosen last time is the one a new start uses.
    PortChoice& port = transfer->Port();
    const std::string saved = m_Context.profile.GetValue("MAIN", "PORT", "");
    if (!saved.empty()) {
        port.SetPortName(QString::fromStdString(saved));
    }
    connect(&port, &PortChoice::portChosen, this, [this](const QString& name) {
        m_Context.profile.SetValue("MAIN", "PORT", name.toStdString());
        m_Context.profile.Save();
    });
    port.PopulateMenu(m_PortMenu);
    m_Compare = new CompareCommands(m_Context.doc, *m_Files, *transfer, m_Context.profile, this);
    m_Actions->Add(m_Compare->CompareFileAction(), MainActions::Need::NoTransfer);
    // File: after the channel lists. Program: after Write, then the check box.
    const QList<QAction*> fileActions = m_FileMenu->actions();
    m_FileMenu->insertAction(
        fileActions.value(fileActions.indexOf(m_ChannelLists->ExportAction()) + 1),
        m_Compare->CompareFileAction());
    m_Fleet = new FleetCommands(m_Context.doc, *m_Files, *transfer, m_Context.profile, this);
    m_ProgramMenu->insertAction(m_ProgramSeparator, m_Fleet->Action());
    m_ProgramMenu->insertAction(m_ProgramSeparator, m_Compare->CompareRadioAction());
    m_ProgramMenu->insertAction(m_ProgramSeparator, m_Compare->VerifyAction());
    connect(transfer, &TransferCommands::busyChanged, this,
            [this](bool busy) { SetImageCommandsEnabled(!busy); });
    // A read replaces the document: unsaved changes are asked about first,
    // and what was read belongs to no file until it is saved under a name.
    transfer->SetBeforeRead([this] { return m_Files->MaybeSave(); });
    transfer->SetBeforeWrite([this](const MemoryImage& image) { return MayWrite(image); });
    connect(transfer, &TransferCommands::statusMessage, statusBar(),
            [this](const QString& text) { statusBar()->showMessage(text); });
}

bool MainWindow::MayWrite(const MemoryImage& image) {
    // Channels the band edges no longer cover (after the edges were changed)
    // are listed; the user may still write them.
    const BandEdges band = DecodeBandLimits(image);
    const ChannelOps::Channels outside = ChannelOps::OutsideBand(image, band);
    if (!outside.empty()) {
        QStringList numbers;
        for (int n : outside) {
            if (numbers.size() == 20) {
                numbers << QStringLiteral("…");
                break;
            }
            numbers << QString::number(n + 1);
        }
        if (!CurrentPrompter().AskYesNo(this, Tr(CommandTexts::OutsideBandQuestion)
                                                  .arg(numbers.join(QStringLiteral(", ")),
                                                       QString::number(band.lower),
                                                       QString::number(band.upper)))) {
            return false;
        }
    }
    // Then the licence the user chose, if any.
    return MayWriteUnderLicence(m_Context.profile, image, this);
}

void MainWindow::SetImageCommandsEnabled(bool enabled) {
    m_Actions->SetTransferRunning(!enabled);
    for (QAction* action : m_FileMenu->actions()) {
        if (action->parent() == m_FileMenu) {
            action->setEnabled(enabled); // recent-file entries
        }
    }
    m_Edit->SetAllowed(enabled);
    setAcceptDrops(enabled);
    m_Channels->SetTransferRunning(!enabled);
}

void MainWindow::Retranslate() {
    m_Actions->Retranslate();
    m_Edit->Refresh();
    m_FileMenu->setTitle(tr("&File"));
    m_EditMenu->setTitle(tr("&Edit"));
    m_ProgramMenu->setTitle(tr("&Program"));
    m_PortMenu->setTitle(tr("P&ort"));
    m_ViewMenu->setTitle(tr("&View"));
    m_HelpMenu->setTitle(tr("&Help"));
    m_ToolBar->setWindowTitle(tr("Toolbar"));
    m_Idle->setText(tr("For Help，Please Press F1"));
    ShowTitle();
}

void MainWindow::ShowTitle() {
    // The document first, as desktop programs name their windows; the mark
    // shows while it holds changes not saved anywhere.
    setWindowTitle(QStringLiteral("%1[*] - %2").arg(m_Files->DocumentName(), Title()));
}

void MainWindow::ShowModifiedState() {
    setWindowModified(m_Context.doc.isModified());
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::CentreOnScreen() {
    const QScreen* screen = this->screen();
    if (!screen) {
        return;
    }
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    CentreOnScreen();
}

void MainWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    CentreOnScreen();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!FirstChannelFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = FirstChannelFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    activateWindow();
    m_Files->OpenPath(path);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_Files->MaybeSave()) {
        event->ignore();
        return;
    }
    WindowPlacement::Keep(*this, *m_Context.editor.Grid(), m_Context.profile);
    // The transfer works on a copy of the image on another thread; it must end
    // and close its port before the window and the document go away.
    if (m_Transfer && m_Transfer->IsBusy()) {
        m_Transfer->CancelAndWait();
    }
    QMainWindow::closeEvent(event);
}
