// Where the program and the person's files live: the program's own folder, the per-user data
// folder, and the shipped files copied into it at first start.
#pragma once

#include <string>

namespace corvane::platform {

// The folder of the running program, with a trailing "/".
std::string ProgramFolder();

// The per-user data folder: the XDG data home ($XDG_DATA_HOME, else ~/.local/share), then
// "Corvane/Ver 6/", with a trailing "/". It is not created here.
std::string DataFolderPath();

// Creates the folder (and its parents) when missing. Returns an empty text on success, else
// the start-up message "Cannot create " and the folder.
std::string CreateDataFolder(const std::string& folder);

// The folder of the files the program ships: "data" beside the program, else the installed
// share folder, else the source tree's data folder; empty when none exists.
std::string ShippedFilesFolder();

// Copies every shipped file that the data folder lacks (sub-folders included); a file the
// person already has is never replaced. Returns the number of files copied.
int InstallShippedFiles(const std::string& shippedFolder, const std::string& dataFolder);

// Start-up: the data folder, created when missing and given the shipped files it lacks.
// Returns the folder; error is set to "Cannot create " and the folder when it cannot be made.
std::string PrepareDataFolder(std::string& error);

}  // namespace corvane::platform
