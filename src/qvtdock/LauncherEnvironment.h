#pragma once
// What the launcher's main form takes from the machine it runs on: its own path, the user's
// name, the file system probes and changes of a first run, the start-up messages, the shell that
// makes the slots' icons, the notification area, and the folder picker's answer. The launcher
// uses the system's (LauncherEnvironment_win.cpp); tests replace parts of it, a program folder in
// a temporary folder, say, or scripted answers.
#include <optional>
#include <string>

class TShell;
class TSHBrowseForFolderEx;
class TTrayShell;

class TLauncherEnvironment {
public:
    virtual ~TLauncherEnvironment();

    // The program file's full path.
    virtual std::string ProgramPath();
    // The logged-on user's name; empty when it cannot be read or code page 932 cannot hold it.
    virtual std::string UserName();
    // IsDirectory: the folder exists and shows an entry.
    virtual bool FolderExists(const std::string& folder);
    virtual bool FileExists(const std::string& file);
    // Creates the folder and its missing parents; a failure shows later, when the folder is used.
    virtual void MakeFolders(const std::string& folder);
    // Copies source over target; a failure shows later, when the target is read.
    virtual void CopyFileOver(const std::string& source, const std::string& target);
    // A start-up question with Yes and No (the system's box, in the foreground, system-modal);
    // true for Yes.
    virtual bool Ask(const std::string& caption, const std::string& text);
    // A plain message (the system's information box, captioned with the application's title).
    virtual void Tell(const std::string& text);
    // The shell that makes the slots' icons and runs them.
    virtual TShell& Shell();
    // The notification area that holds the tray icon.
    virtual TTrayShell& TrayShell();
    // Runs the folder picker: the chosen folder's path, or none when the user cancelled.
    virtual std::optional<std::string> PickFolder(TSHBrowseForFolderEx& picker);
};
