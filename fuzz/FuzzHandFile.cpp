// Feeds arbitrary bytes to the INI store and the hand-file reader: every board and result is
// loaded, every board compared, and the store's text must read back to the same sections.
#include "files/BridgeINI.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

int SectionsWithLines(const corvane::TBigIniFile& ini) {
    int count = 0;
    for (int i = 0; i < ini.Sections().Count(); ++i) {
        for (const auto& line : ini.Sections().Lines(i)) {
            if (!line.empty() && line != " ") {
                ++count;
                break;
            }
        }
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    TBridgeINI hands("/nonexistent-folder/fuzz.ini");
    hands.LoadText(text);
    for (int i = 0; i < hands.Sections().Count(); ++i) {
        const std::string name = hands.Sections().Name(i);
        if (IsResultSection(name)) {
            hands.LoadResult(name);
        } else {
            const int board = SectionNumber(name);
            hands.LoadBoard(board);
            hands.CompareResults(board);
            hands.BoardStatus(board, "South");
            hands.PlayedBoard(board, "South");
        }
    }
    hands.LastBoard();
    hands.MaxResults();
    hands.PlayerNames();
    hands.FindBoard(text.substr(0, 8));
    hands.FirstUnfinishedBoard("South");

    // What the store writes must read back with the same sections.
    TBigIniFile again(true);
    again.LoadText(hands.FileText());
    if (SectionsWithLines(again) != SectionsWithLines(hands)) std::abort();

    // Edits through the public operations keep the store consistent.
    const std::string_view key = text.substr(0, size / 3);
    hands.WriteString(key, key, text.substr(size / 3));
    hands.DeleteKey(key, key);
    hands.ReadInteger(key, key, 0);
    return 0;
}
