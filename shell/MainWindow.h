#pragma once

#include <QMainWindow>

#include "commands/ShellContext.h"

class ChannelCommands;
class EditCommands;
class FileCommands;
class HelpCommands;
class LanguageSwitch;
class MemoryImage;
class MainActions;
class PrintCommands;
class QLabel;
class QMenu;
class QToolBar;
class RecentFileList;
class SettingsCommands;
class ChannelListCommands;
class PlanCommands;
class CompareCommands;
class FleetCommands;
class TransferCommands;

// The main window: menu bar, toolbar and status bar around the channel view.
// The commands live in small controller classes; the frame builds the command
// surface, routes each command to its controller and keeps its texts in the
// interface language.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const ShellContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    MainActions& Actions() const { return *m_Actions; }
    FileCommands& Files() const { return *m_Files; }
    HelpCommands& Help() const { return *m_Help; }
    PrintCommands& Printing() const { return *m_Print; }
    LanguageSwitch& Language() const { return *m_Language; }
    RecentFileList& RecentFiles() const { return *m_Recent; }
    ChannelListCommands& ChannelLists() const { return *m_ChannelLists; }
    PlanCommands& Plans() const { return *m_Plans; }
    ChannelCommands& Channels() const { return *m_Channels; }
    // Compare With File, Compare With Radio, Verify After Write; nullptr until
    // AttachTransfer.
    CompareCommands* Compare() const { return m_Compare; }
    FleetCommands* Fleet() const { return m_Fleet; }

    QToolBar* ToolBar() const { return m_ToolBar; }
    QMenu* FileMenu() const { return m_FileMenu; }
    // Between File and Program: Undo and Redo, and what else edits the channels.
    QMenu* EditMenu() const { return m_EditMenu; }
    QMenu* ProgramMenu() const { return m_ProgramMenu; }
    QMenu* PortMenu() const { return m_PortMenu; }
    QMenu* ViewMenu() const { return m_ViewMenu; }
    QMenu* HelpMenu() const { return m_HelpMenu; }
    // The status bar's idle text.
    QLabel* IdleLabel() const { return m_Idle; }

    // The Read and Write commands of the radio link, placed at the head of the
    // Program menu and in the toolbar. The link fills PortMenu() itself.
    void InstallTransferActions(QAction* read, QAction* write);
    // Joins the radio link's commands to the window: Read and Write in the
    // Program menu and the toolbar, the Port menu, the image-changing commands
    // disabled while a transfer runs, and a running transfer stopped when the
    // window closes.
    void AttachTransfer(TransferCommands* transfer);
    // Commands that change the image, disabled while a transfer runs.
    void SetImageCommandsEnabled(bool enabled);

    static QString Title();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void ConnectCommands();
    void Retranslate();
    void CentreOnScreen();
    void ShowModifiedState();
    void ShowTitle();
    // The one check before every write, the single one and the fleet's: lists
    // channels outside the band edges, then those that would transmit outside
    // the user's licence; false when the user chose not to write.
    bool MayWrite(const MemoryImage& image);

    ShellContext m_Context;
    MainActions* m_Actions;
    FileCommands* m_Files;
    EditCommands* m_Edit;
    HelpCommands* m_Help;
    PrintCommands* m_Print;
    LanguageSwitch* m_Language;
    SettingsCommands* m_Settings;
    ChannelListCommands* m_ChannelLists;
    PlanCommands* m_Plans;
    ChannelCommands* m_Channels;
    TransferCommands* m_Transfer = nullptr;
    CompareCommands* m_Compare = nullptr;
    FleetCommands* m_Fleet = nullptr;
    RecentFileList* m_Recent = nullptr;
    QToolBar* m_ToolBar = nullptr;
    QMenu* m_FileMenu = nullptr;
    QMenu* m_EditMenu = nullptr;
    QMenu* m_ProgramMenu = nullptr;
    QMenu* m_PortMenu = nullptr;
    QMenu* m_ViewMenu = nullptr;
    QMenu* m_HelpMenu = nullptr;
    QLabel* m_Idle = nullptr;
    QAction* m_ProgramSeparator = nullptr;
    QAction* m_ToolbarTransferAnchor = nullptr;
};
