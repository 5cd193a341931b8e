#include "files/LinImport.h"

#include "bidding/Call.h"
#include "bidding/CallText.h"
#include "files/DealFileAuction.h"
#include "cards/Cards.h"
#include "scoring/ContractScore.h"

#include <array>
#include <cctype>

namespace corvane {

namespace {

std::vector<std::string> SplitList(std::string_view value) {
    if (value.rfind("h ", 0) == 0) value.remove_prefix(2);
    std::vector<std::string> items;
    size_t start = 0;
    while (true) {
        const size_t comma = value.find(',', start);
        items.emplace_back(value.substr(start, comma == std::string_view::npos ? value.npos : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return items;
}

bool IsGiven(const std::string& item) { return !item.empty() && item != "."; }

CardCode CardFromText(std::string_view text) {
    if (text.size() != 2) return NoCard;
    const Strain suit = SuitFromChar(text[0]);
    const TRank rank = RankFromChar(text[1]);
    return suit > Spades || rank < 2 ? NoCard : MakeCard(suit, rank);
}

// A contract as the auction or the result list gives it.
struct Contract {
    bool known = false;
    CallCode bid = Pass;  // Pass: passed out
    int doubling = 0;
    TSeat declarer = South;
    std::optional<int> tricks;  // from the result list
};

// "4SNX-1", "3NS=", "2HE+2", "P".
Contract ContractFromResult(std::string_view entry) {
    Contract contract;
    entry = Trimmed(entry);
    if (entry.empty()) return contract;
    if (std::toupper(static_cast<unsigned char>(entry[0])) == 'P') {
        contract.known = true;
        contract.tricks = 0;
        return contract;
    }
    if (entry.size() < 4 || entry[0] < '1' || entry[0] > '7') return contract;
    const int level = entry[0] - '0';
    contract.bid = BidCode(level, SuitFromChar(entry[1]));
    const auto seat = SeatLetters.find(static_cast<char>(std::toupper(static_cast<unsigned char>(entry[2]))));
    if (seat == std::string_view::npos) return contract;
    contract.declarer = static_cast<TSeat>(seat);
    size_t i = 3;
    while (i < entry.size() && std::toupper(static_cast<unsigned char>(entry[i])) == 'X') {
        ++contract.doubling;
        ++i;
    }
    if (contract.doubling > 2 || i >= entry.size()) return contract;
    int tricks = level + 6;
    if (entry[i] != '=') {
        const auto offset = IntegerFrom(entry.substr(i));
        if (!offset || (entry[i] != '+' && entry[i] != '-')) return contract;
        tricks += *offset;
    }
    if (tricks < 0 || tricks > 13) return contract;
    contract.tricks = tricks;
    contract.known = true;
    return contract;
}

// The hand file's contract text; "P" marks a passed-out board, whose contract the hand file
// derives again from the auction when it loads the board.
std::string ContractTextOf(const Contract& contract) {
    return contract.bid == Pass ? "P" : ContractText(contract.bid, contract.doubling);
}

// The play in table order (four places a trick: opening leader, dummy, third hand,
// declarer) and the tricks the declaring side won.
struct PlayedTricks {
    std::vector<std::string> places;
    int declarerTricks = 0;
};

PlayedTricks ArrangePlay(const std::vector<CardCode>& cards, TSeat declarer, Strain trump) {
    PlayedTricks out;
    TSeat leader = LHO(declarer);
    for (size_t first = 0; first < cards.size(); first += 4) {
        std::array<std::string, 4> trick{"-", "-", "-", "-"};
        TSeat winner = leader;
        CardCode best = NoCard;
        const size_t count = std::min<size_t>(4, cards.size() - first);
        for (size_t i = 0; i < count; ++i) {
            const CardCode card = cards[first + i];
            const TSeat seat = static_cast<TSeat>((leader + i) & 3);
            trick[static_cast<size_t>((seat - declarer + 3) & 3)] =
                std::string{StrainLetters[static_cast<size_t>(SuitOf(card))], RankChars[static_cast<size_t>(RankOf(card))]};
            const bool beats = best == NoCard ||
                               (SuitOf(card) == SuitOf(best) && RankOf(card) > RankOf(best)) ||
                               (SuitOf(card) == trump && SuitOf(best) != trump);
            if (beats) {
                best = card;
                winner = seat;
            }
        }
        out.places.insert(out.places.end(), trick.begin(), trick.end());
        if (count == 4) {
            out.declarerTricks += !AreOpponents(winner, declarer);
            leader = winner;
        }
    }
    return out;
}

class LinReader {
public:
    explicit LinReader(std::string_view eventDate) : date_(eventDate) {}

    DealFileImport Run(const std::vector<std::string>& lines) {
        std::string buffer;
        std::string tag;
        bool haveTag = false;
        for (const auto& line : lines) {
            buffer += line;
            size_t start = 0;
            for (size_t bar = buffer.find('|'); bar != std::string::npos; bar = buffer.find('|', start)) {
                std::string piece = buffer.substr(start, bar - start);
                start = bar + 1;
                if (!haveTag) {
                    tag = LowerCase(Trimmed(piece));
                    haveTag = true;
                } else {
                    Handle(tag, piece);
                    haveTag = false;
                }
            }
            buffer.erase(0, start);
            // A note may run over several lines: each line is a note of its own.
            if (haveTag && tag == "nt" && !buffer.empty()) {
                Handle(tag, buffer);
                buffer.clear();
            }
        }
        if (haveTag && !buffer.empty()) Handle(tag, buffer);
        if (open_) FinishBoard();
        return DealFileImport{out_.ToLines(), std::move(messages_)};
    }

private:
    void Handle(const std::string& tag, const std::string& value) {
        if (tag == "vg") ReadEvent(value);
        else if (tag == "rs") results_ = SplitList(value);
        else if (tag == "pn" || tag == "pw") ReadNames(value);
        else if (tag == "mp") boardScores_ = SplitList(value);
        else if (tag == "mn") fallbackEvent_ = value;
        else if (tag == "qx") StartBoard(value);
        else if (tag == "md") ReadDeal(value);
        else if (tag == "sv") ReadVulnerability(value);
        else if (tag == "mb") ReadCalls(value);
        else if (tag == "an") {
            notes_.push_back(value);
            calls_.push_back("(" + std::to_string(notes_.size()) + ")");
        } else if (tag == "nt") notes_.push_back(value);
        else if (tag == "pc") ReadCard(value);
        else if (tag == "mc") claim_ = IntegerFrom(value);
        else if (tag == "ah") ReadBoardTitle(value);
    }

    void ReadEvent(const std::string& value) {
        auto items = SplitList(value);
        while (items.size() < 9) items.emplace_back(".");
        event_ = items[0];
        segment_ = items[1];
        const std::string scoring = UpperCase(items[2]);
        scoring_ = scoring == "I" ? "IMP" : scoring == "M" ? "MP" : scoring == "B" ? "BAM" : items[2];
        firstBoard_ = IntegerFrom(items[3]).value_or(1);
        homeTeam_ = items[5];
        homeCarry_ = IntegerFrom(items[6]).value_or(0);
        visitTeam_ = items[7];
        visitCarry_ = IntegerFrom(items[8]).value_or(0);
        for (size_t i = 9; i < items.size(); ++i) messages_.push_back("Unknown VG data: " + items[i]);
    }

    // Names given before a board's deal belong to that board; once its deal is read they are
    // the next board's (files that name each room's players just before its "qx").
    void ReadNames(const std::string& value) {
        names_ = SplitList(value);
        if (!open_ || !dealRead_) boardNames_ = names_;
    }

    void StartBoard(const std::string& value) {
        if (open_) FinishBoard();
        const std::string place = value.substr(0, value.find(','));
        const int board = place.size() > 1 ? IntegerFrom(place.substr(1, 3)).value_or(1) : 1;
        Open(place.empty() ? 'o' : place[0], board);
    }

    void Open(char room, int board) {
        if (dealCounter_ == 0 || board != board_) {
            ++dealCounter_;
            dealer_ = South;
            vulnerability_ = VulNone;
        }
        if (sawBoard_) claim_.reset();
        sawBoard_ = true;
        dealRead_ = false;
        boardNames_ = names_;
        open_ = true;
        board_ = board;
        room_ = room;
        dealSection_ = DealSectionName(dealCounter_);
        resultSection_ = dealSection_ + "." + room;
        const std::string event = IsGiven(event_) ? event_ : fallbackEvent_;
        WriteDeal("Event", event);
        if (IsGiven(segment_)) WriteDeal("Round", segment_);
        WriteDeal("Date", date_);
        WriteDeal("Board", std::to_string(board));
        if (IsGiven(scoring_)) WriteDeal("Scoring", scoring_);
        if (IsGiven(homeTeam_)) WriteDeal("HomeTeam", homeTeam_);
        if (IsGiven(visitTeam_)) WriteDeal("VisitTeam", visitTeam_);
        if (homeCarry_ != 0 || visitCarry_ != 0)
            WriteDeal("CarryOver", std::to_string(homeCarry_) + "," + std::to_string(visitCarry_));
    }

    // A file without "qx" holds one board, the open room of board 1.
    void EnsureOpen() {
        if (!open_) Open('o', 1);
    }

    void WriteDeal(std::string_view key, std::string_view value) {
        if (!value.empty()) out_.Write(dealSection_, key, value);
    }
    void WriteResult(std::string_view key, std::string_view value) {
        if (!value.empty()) out_.Write(resultSection_, key, value);
    }

    void ReadDeal(const std::string& value) {
        EnsureOpen();
        if (value.empty()) return;
        // Files of single deals one after another carry no "qx": a second deal on a board is
        // the next board, never a replacement of the first.
        if (dealRead_) {
            const int next = board_ + 1;
            FinishBoard();
            Open('o', next);
        }
        dealRead_ = true;
        static constexpr std::array<TSeat, 4> seatOfDigit{South, West, North, East};
        const int digit = value[0] - '0';
        dealer_ = seatOfDigit[digit >= 1 && digit <= 4 ? static_cast<size_t>(digit - 1) : 0];
        WriteDeal("Dealer", std::string(1, SeatLetters[dealer_]));
        DealHoldings deal{};
        const bool read = value.find(',', 2) != std::string::npos ? ReadCommaHands(value, deal) : ReadOldHands(value, deal);
        if (read) {
            WriteDeal("Deal", PbnDealString(deal, dealer_));
        } else {
            messages_.push_back("Deal not valid: " + value);
        }
    }

    // Hands South, West, North, East separated by commas; a missing hand gets the cards the
    // others do not hold.
    static bool ReadCommaHands(std::string_view value, DealHoldings& deal) {
        static constexpr std::array<TSeat, 4> order{South, West, North, East};
        const auto hands = SplitList(value.substr(1));
        if (hands.size() > 4) return false;
        for (size_t h = 0; h < hands.size(); ++h) {
            int suit = Spades;
            for (const char c : hands[h]) {
                const Strain selected = SuitFromChar(c);
                const TRank rank = RankFromChar(c);
                if (selected <= Spades && rank < 2) {
                    suit = selected;
                } else if (rank >= 2) {
                    auto& holding = deal[order[h]][static_cast<size_t>(suit)];
                    if (Holds(holding, rank)) return false;
                    holding |= RankBit(rank);
                } else {
                    return false;
                }
            }
        }
        return CompleteDeal(deal);
    }

    // The older layout without commas: a new seat at every "S", starting after the dealer.
    bool ReadOldHands(std::string_view value, DealHoldings& deal) const {
        value = value.substr(1, 53);
        TSeat seat = NextSeat(dealer_);
        int suit = Spades;
        for (const char c : value) {
            if (c == ',') continue;
            const Strain selected = SuitFromChar(c);
            const TRank rank = RankFromChar(c);
            if (selected <= Spades && rank < 2) {
                if (selected == Spades) seat = NextSeat(seat);
                suit = selected;
            } else if (rank >= 2) {
                auto& holding = deal[seat][static_cast<size_t>(suit)];
                if (Holds(holding, rank)) return false;
                holding |= RankBit(rank);
            } else {
                return false;
            }
        }
        return CompleteDeal(deal);
    }

    // The one hand left short receives the rest of the pack; the deal stands only as 52
    // distinct cards, 13 a hand.
    static bool CompleteDeal(DealHoldings& deal) {
        std::array<int, 4> lengths{};
        std::array<Holding, 4> held{};
        for (size_t seat = 0; seat < 4; ++seat) {
            for (size_t suit = 0; suit < 4; ++suit) {
                if (held[suit] & deal[seat][suit]) return false;
                held[suit] |= deal[seat][suit];
                lengths[seat] += Length(deal[seat][suit]);
            }
        }
        int shortSeats = 0;
        size_t shortSeat = 0;
        for (size_t seat = 0; seat < 4; ++seat) {
            if (lengths[seat] > 13) return false;
            if (lengths[seat] < 13) {
                ++shortSeats;
                shortSeat = seat;
            }
        }
        if (shortSeats == 0) return true;
        if (shortSeats > 1) return false;
        for (size_t suit = 0; suit < 4; ++suit) deal[shortSeat][suit] |= FullSuit & ~held[suit];
        return true;
    }

    void ReadVulnerability(const std::string& value) {
        EnsureOpen();
        const std::string v = LowerCase(value);
        std::string text = "NONE";
        vulnerability_ = VulNone;
        if (v == "n") {
            text = "NS";
            vulnerability_ = VulNS;
        } else if (v == "e") {
            text = "EW";
            vulnerability_ = VulEW;
        } else if (v == "b") {
            text = "BOTH";
            vulnerability_ = VulBoth;
        } else if (v != "0" && v != "o") {
            messages_.push_back("Bad Vulnerability: " + value);
        }
        WriteDeal("Vulnerable", text);
    }

    void ReadCalls(const std::string& value) {
        const std::string text = UpperCase(Trimmed(value));
        if (text.find("PPP") != std::string::npos) {
            for (auto& call : CompactCallTexts(text)) calls_.push_back(std::move(call));
            return;
        }
        if (auto call = CallTokenText(text); call && !call->empty()) calls_.push_back(std::move(*call));
    }

    void ReadCard(const std::string& value) {
        const CardCode card = CardFromText(Trimmed(value));
        if (card == NoCard) {
            messages_.push_back("Illegal card");
            return;
        }
        play_.push_back(card);
    }

    // "Board 12": the number after the word.
    void ReadBoardTitle(const std::string& value) {
        EnsureOpen();
        const size_t word = value.find("Board");
        const std::string_view shown = word == std::string::npos ? std::string_view(value) : std::string_view(value).substr(word + 5);
        WriteDeal("Board", Trimmed(shown));
    }

    const std::string& Name(size_t i) const {
        static const std::string none;
        return i < boardNames_.size() ? boardNames_[i] : none;
    }

    // The list entry of this board and room: two entries a board, open room first.
    const std::string* BoardEntry(const std::vector<std::string>& list, bool closed) const {
        const long index = 2L * (board_ - firstBoard_) + (closed ? 1 : 0);
        if (index < 0 || static_cast<size_t>(index) >= list.size()) return nullptr;
        return &list[static_cast<size_t>(index)];
    }

    void FinishBoard() {
        EnsureOpen();
        const bool closed = std::tolower(static_cast<unsigned char>(room_)) == 'c';
        // Names run South, West, North, East; a closed room's four follow the open room's,
        // unless the list holds just the four of this room.
        const size_t first = closed && boardNames_.size() > 4 ? 4 : 0;
        static constexpr std::array<std::string_view, 4> order{"South", "West", "North", "East"};
        for (size_t i = 0; i < 4; ++i) WriteResult(order[i], Name(first + i));

        std::vector<std::string> calls;
        for (auto& call : calls_) {
            if (!call.empty() && call.front() == '(' && !calls.empty()) calls.back() += call;
            else calls.push_back(call);
        }
        if (!calls.empty()) {
            for (size_t n = 0; n < notes_.size(); ++n) WriteResult("(" + std::to_string(n + 1) + ")", notes_[n]);
            WriteResult("Auction", JoinWithCommas(calls));
        }

        Contract contract;
        if (calls.size() >= 4) {
            const AuctionContract reached = ContractOfCalls(calls, dealer_);
            contract.known = true;
            contract.bid = reached.bid;
            contract.doubling = reached.doubling;
            contract.declarer = reached.declarer == NoSeat ? South : reached.declarer;
        } else if (const auto* entry = BoardEntry(results_, closed)) {
            contract = ContractFromResult(*entry);
        }
        if (contract.known) WriteContract(contract);
        WriteBoardScore();

        calls_.clear();
        notes_.clear();
        play_.clear();
        claim_.reset();
        open_ = false;
    }

    void WriteContract(const Contract& contract) {
        const bool passedOut = contract.bid == Pass;
        WriteResult("Contract", ContractTextOf(contract));
        WriteResult("Declarer", std::string(1, SeatLetters[contract.declarer]));
        std::optional<int> tricks = contract.tricks;
        if (!passedOut) {
            const auto played = ArrangePlay(play_, contract.declarer, StrainOf(contract.bid));
            if (!tricks && claim_ && *claim_ >= 0 && *claim_ <= 13) tricks = claim_;
            if (!tricks && !play_.empty()) tricks = played.declarerTricks;
            if (!played.places.empty()) WriteResult("Play", JoinWithCommas(played.places));
        } else {
            tricks = 0;
        }
        // Without a result list, a claim or any play the outcome is unknown: no result is
        // made up, so the board stays open to be played.
        if (!tricks) return;
        WriteResult("Result", std::to_string(*tricks));
        const int score = ContractScore(contract.bid, contract.doubling, contract.declarer, *tricks,
                                        SeatVulnerable(vulnerability_, contract.declarer));
        WriteResult("Score", "NS " + std::to_string(score));
    }

    void WriteBoardScore() {
        const long index = 2L * (board_ - firstBoard_);
        std::string value = "0.0";
        if (index >= 0 && boardScores_.size() >= static_cast<size_t>(index) + 2) {
            value = boardScores_[static_cast<size_t>(index)];
            if (value.empty()) {
                const std::string& other = boardScores_[static_cast<size_t>(index) + 1];
                value = other.empty() ? "0.0" : other.front() == '-' ? other.substr(1) : "-" + other;
            }
        }
        const size_t percent = value.find('%');
        if (percent != std::string::npos) {
            WriteDeal("Scoring", "MP");
            WriteResult("ScoreMP", "NS " + value.substr(0, percent));
        } else {
            WriteResult("ScoreIMP", "NS " + value);
        }
    }

    DealFileSections out_;
    std::vector<std::string> messages_;
    std::string date_;
    std::string event_, fallbackEvent_, segment_, scoring_, homeTeam_, visitTeam_;
    int homeCarry_ = 0, visitCarry_ = 0, firstBoard_ = 1;
    std::vector<std::string> results_, names_, boardNames_, boardScores_;
    int board_ = 1;
    int dealCounter_ = 0;
    bool open_ = false;
    bool sawBoard_ = false;
    bool dealRead_ = false;
    char room_ = 'o';
    std::string dealSection_ = DealSectionName(1), resultSection_ = DealSectionName(1) + ".o";
    TSeat dealer_ = South;
    Vulnerability vulnerability_ = VulNone;
    std::vector<std::string> calls_, notes_;
    std::vector<CardCode> play_;
    std::optional<int> claim_;
};

bool TwoDigits(std::string_view name, long at, int& value) {
    if (at < 0 || static_cast<size_t>(at) + 2 > name.size()) return false;
    const char a = name[static_cast<size_t>(at)];
    const char b = name[static_cast<size_t>(at) + 1];
    if (!std::isdigit(static_cast<unsigned char>(a)) || !std::isdigit(static_cast<unsigned char>(b))) return false;
    value = (a - '0') * 10 + (b - '0');
    return true;
}

}  // namespace

DealFileImport ImportLin(const std::vector<std::string>& lines, std::string_view eventDate) {
    return LinReader(eventDate).Run(lines);
}

std::optional<std::string> EventDateFromFileName(std::string_view name) {
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] != '-' || i + 3 >= name.size() || name[i + 3] != '-') continue;
        const long at = static_cast<long>(i);
        int a = 0, b = 0, c = 0;
        if (!TwoDigits(name, at - 2, a) || !TwoDigits(name, at + 1, b) || !TwoDigits(name, at + 4, c)) continue;
        if (a * b <= 0) continue;
        const int year = c <= 50 ? 2000 + c : 1900 + c;
        return std::to_string(year) + "." + std::string(name.substr(i - 2, 2)) + "." + std::string(name.substr(i + 1, 2));
    }
    return std::nullopt;
}

}  // namespace corvane
