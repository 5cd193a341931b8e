// The player file: PlayerFolder + name + ".sta", an INI store holding every option of one
// person, and the choice of player at start-up.
#pragma once

#include "settings/Options.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr std::string_view PlayerFileExtension = ".sta";
inline constexpr std::string_view EmptyNameMessage =
    "Please fill in \"Player's Name\" before leaving this screen.";
inline constexpr std::string_view AnonymousPlayer = "Anonymous";

std::string PlayerFilePath(const std::string& playerFolder, std::string_view name);

// The options record and whose it is.
class PlayerSettings {
public:
    // playerFolder ends with "/".
    explicit PlayerSettings(std::string playerFolder);

    const std::string& PlayerFolder() const { return playerFolder_; }
    const std::string& CurrentPlayer() const { return currentPlayer_; }

    Options Values;

    // Makes name the current player and reads his file into Values; a missing file, key or a
    // value out of range gives the default. The name must not be empty (the welcome form asks
    // for one first). Returns why the file could not be read, empty when it could or was absent.
    std::string LoadPlayer(const std::string& name);
    // Writes every option into the current player's file, keeping its other sections. Returns
    // the error, empty on success.
    std::string SavePlayer() const;

private:
    std::string playerFolder_;
    std::string currentPlayer_;
};

// The player whose file was modified last; empty when the folder holds none.
std::string StartupPlayer(const std::string& playerFolder);

// The names of all player files, in name order; the current player alone when there are none.
std::vector<std::string> ListPlayers(const std::string& playerFolder, const std::string& currentPlayer);

// The welcome form's answer for the typed name: OK with an empty name is refused (nothing; the
// form shows EmptyNameMessage and stays open), Cancel with an empty name gives "Anonymous".
std::optional<std::string> WelcomeAnswer(std::string_view typed, bool ok);

}  // namespace corvane
