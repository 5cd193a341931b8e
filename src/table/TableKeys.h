// Keys as the table receives them, and the two-slot buffer that pairs a letter with a level or
// rank.
#pragma once

#include <string>

namespace corvane {

enum class KeyCode {
    Character,
    Enter,
    Backspace,
    Left,
    Right,
    Up,
    Down,
    Home,
    F1, F2, F3, F4, F5, F6, F7, F8, F9, F11,
    Other,
};

struct TableKey {
    KeyCode Code = KeyCode::Other;
    char Character = 0;  // upper case for letters
    bool Shift = false;
    bool Ctrl = false;
    bool Alt = false;

    static TableKey Char(char c);
    static TableKey Of(KeyCode code) { return TableKey{code}; }
};

// Two slots: a strain or suit letter (or "P" / "X" while bidding), then a level or rank.
class KeyBuffer {
public:
    void SetLetter(char c) { letter_ = c; }
    void SetSecond(char c) { second_ = c; }
    bool Complete() const { return letter_ != 0 && second_ != 0; }
    char Letter() const { return letter_; }
    char Second() const { return second_; }
    void Clear() { letter_ = second_ = 0; }

private:
    char letter_ = 0;
    char second_ = 0;
};

}  // namespace corvane
