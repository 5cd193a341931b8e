// Moving a file to the desktop trash instead of deleting it, so the person can get it back.
#pragma once

#include <string>

namespace corvane::platform {

// Moves the file into the user's trash ($XDG_DATA_HOME/Trash, with the record that lets a file
// manager restore it). Returns an empty text on success, else why it failed; the file then
// stays where it was.
std::string MoveToTrash(const std::string& path);

}  // namespace corvane::platform
