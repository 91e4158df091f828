#pragma once
// The desktop's file and folder dialogs and program start, giving the program's Windows-form
// paths where it names files.

#include <QString>

#include <string>
#include <vector>

class QWidget;

// A folder chosen with the folder dialog, in Windows form; empty on Cancel, or when the folder
// lies on no drive of the drive map (which the user is told). The dialog starts at the folder
// shown (Windows form) or the nearest one above it that exists.
std::string BrowseForFolder(QWidget* parent, const QString& title, const std::string& shown);
// A Linux folder chosen with the folder dialog, starting at the one shown (or the nearest one
// above it that exists); empty on Cancel.
QString BrowseForLinuxFolder(QWidget* parent, const QString& title, const QString& shown);
// Legacy record files (*.rec) chosen with the open dialog (starting in startFolder, run through
// machui::RunModal), in Windows form; files on no drive of the drive map are left out and named
// to the user.
std::vector<std::string> ChooseLegacyFiles(QWidget* parent, const QString& startFolder = {});
// A program chosen with the open dialog (a path of this system); empty on Cancel.
std::string BrowseForExecutable();
// Starts a program without waiting for it; false with the reason when it can't.
bool StartDetached(const std::string& program, std::string& error);
