#pragma once

// The command identifiers of the menu, toolbar and accelerators. They keep the
// numbers the radio's users and the help pages know the commands by.
namespace CommandId {
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int EditUndo = 57643;
inline constexpr int EditRedo = 57644;
inline constexpr int AppAbout = 57664;
inline constexpr int AppExit = 57665;
inline constexpr int HelpFinder = 57667;
inline constexpr int HelpContents = 57669;
inline constexpr int ReadFromRadio = 32771;
inline constexpr int WriteToRadio = 32772;
inline constexpr int OptionalFeatures = 32784;
inline constexpr int SwitchLanguage = 32785;
inline constexpr int SideKey = 32786;
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;
} // namespace CommandId
