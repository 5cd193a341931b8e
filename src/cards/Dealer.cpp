#include "cards/Dealer.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace corvane {

namespace {

constexpr int CardsPerHand = 13;
constexpr int MaxControls = 12;
constexpr int FirstUnbalancedShape = 5422;  // 4333, 4432, 4441 and 5332 lie below
constexpr Vulnerability BoardCycle[16] = {2, 0, 1, 2, 3, 1, 2, 3, 0, 2, 3, 0, 1, 3, 0, 1};

// One suit's quality requirement, read once per deal rather than once per shuffle.
struct QualityTest {
    enum class Kind { None, MinPoints, AceOrKing, Ace, TopCards };
    Kind kind = Kind::None;
    int count = 0;  // points for MinPoints, x of "xy"
    int top = 0;    // y of "xy"
    bool negate = false;

    bool Passes(Holding h) const {
        bool ok = true;
        switch (kind) {
        case Kind::None: return true;
        case Kind::MinPoints: ok = HighCardPoints(h) >= count; break;
        case Kind::AceOrKing: ok = Holds(h, Ace) || Holds(h, King); break;
        case Kind::Ace: ok = Holds(h, Ace); break;
        case Kind::TopCards: {
            const Holding topRanks = FullSuit & ~((RankBit(Ace + 1 - top)) - 1);
            ok = Length(h & topRanks) >= count;
            break;
        }
        }
        return ok != negate;
    }
};

struct SeatTest {
    bool constrained = false;
    bool malformedControls = false;  // such a seat never passes
    int minHcp = 0, maxHcp = 37;
    bool balanced = false;
    bool testControls = false;
    int minControls = 0, maxControls = MaxControls;
    std::array<int, 4> minLength{}, maxLength{};
    std::array<QualityTest, 4> quality{};
};

bool ParseControlCode(const std::string& code, int& low, int& high) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (code.size() == 1 && digit(code[0])) {
        low = high = code[0] - '0';
        return true;
    }
    if (code.size() == 2 && digit(code[0]) && code[1] == '+') {
        low = code[0] - '0';
        high = MaxControls;
        return true;
    }
    if (code.size() == 3 && digit(code[0]) && code[1] == '-' && digit(code[2])) {
        low = code[0] - '0';
        high = code[2] - '0';
        return true;
    }
    return false;
}

QualityTest ParseQuality(const std::string& fullCode, char seatLetter,
                         std::vector<std::string>& messages) {
    const std::string code = fullCode.substr(0, 3);
    QualityTest test;
    if (code.empty() || code == "-") return test;
    std::string rest = code;
    if (rest[0] == '-') {
        test.negate = true;
        rest.erase(0, 1);
    }
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (rest.size() == 1) {
        switch (std::toupper(static_cast<unsigned char>(rest[0]))) {
        case 'T': test.kind = QualityTest::Kind::MinPoints; test.count = 0; return test;
        case 'J': test.kind = QualityTest::Kind::MinPoints; test.count = 1; return test;
        case 'Q': test.kind = QualityTest::Kind::MinPoints; test.count = 2; return test;
        case 'K': test.kind = QualityTest::Kind::AceOrKing; return test;
        case 'A': test.kind = QualityTest::Kind::Ace; return test;
        default: break;
        }
    } else if (rest.size() == 2 && digit(rest[0]) && digit(rest[1]) && rest[1] != '0') {
        test.kind = QualityTest::Kind::TopCards;
        test.count = rest[0] - '0';
        test.top = rest[1] - '0';
        return test;
    }
    const std::string message = std::string("Bad Suit Quality for ") + seatLetter + " :" + code;
    if (std::find(messages.begin(), messages.end(), message) == messages.end()) {
        messages.push_back(message);
    }
    QualityTest fallback;  // a code starting with a digit asks nothing, any other is read as "-J"
    if (!digit(code[0])) {
        fallback.kind = QualityTest::Kind::MinPoints;
        fallback.count = 1;
        fallback.negate = true;
    }
    return fallback;
}

SeatTest CompileSeat(const SeatPattern& p, TSeat seat, std::vector<std::string>& messages) {
    SeatTest t;
    t.constrained = !p.IsTrivial();
    if (!t.constrained) return t;
    t.minHcp = p.MinHCP;
    t.maxHcp = p.MaxHCP;
    t.balanced = p.Balanced == 1;
    t.minLength = p.MinLength;
    t.maxLength = p.MaxLength;
    if (p.ControlCode != "-") {
        t.testControls = true;
        if (!ParseControlCode(p.ControlCode, t.minControls, t.maxControls)) {
            t.malformedControls = true;
            messages.push_back("The Control code for " + std::string(SeatNames[seat]) +
                               " is formatted incorrectly. " +
                               "Valid codes are formated like: 2, 3-6, 4+");
        }
    }
    for (size_t suit = 0; suit < 4; ++suit) {
        t.quality[suit] = ParseQuality(p.QualityCode[suit], SeatLetters[seat], messages);
    }
    return t;
}

// The deck as card indices: suit = index / 13, rank = index % 13 + 2, clubs first.
using Deck = std::array<std::uint8_t, 52>;

constexpr Deck OrderedDeck() {
    Deck d{};
    for (std::uint8_t i = 0; i < 52; ++i) d[i] = i;
    return d;
}

// Swaps for 1-based positions from `from` down to `to`. After the step for position i, every
// position from i up is final.
void ShuffleSteps(Deck& deck, RandomGenerator& gen, std::uint32_t from, std::uint32_t to) {
    for (std::uint32_t i = from; i >= to; --i) {
        const std::uint32_t j = gen.Random(i) + 1;
        std::swap(deck[i - 1], deck[j - 1]);
    }
}

std::array<Holding, 4> BuildHand(const Deck& deck, TSeat seat) {
    std::array<Holding, 4> hand{};
    const size_t first = static_cast<size_t>(seat) * CardsPerHand;
    for (size_t k = first; k < first + CardsPerHand; ++k) {
        hand[deck[k] / 13] |= RankBit(deck[k] % 13 + 2);
    }
    return hand;
}

bool SeatPasses(const SeatTest& t, const std::array<Holding, 4>& hand) {
    if (t.malformedControls) return false;
    int hcp = 0;
    for (Holding h : hand) hcp += HighCardPoints(h);
    if (hcp < t.minHcp || hcp > t.maxHcp) return false;
    if (t.balanced && ShapeCode(hand) >= FirstUnbalancedShape) return false;
    if (t.testControls) {
        const int c = Controls(hand);
        if (c < t.minControls || c > t.maxControls) return false;
    }
    for (size_t suit = 0; suit < 4; ++suit) {
        const int len = Length(hand[suit]);
        if (len < t.minLength[suit] || len > t.maxLength[suit]) return false;
        if (!t.quality[suit].Passes(hand[suit])) return false;
    }
    return true;
}

struct CompiledPattern {
    std::array<SeatTest, 4> seats{};
    // The lowest deck position the test reads: the shuffle can stop there, since later swaps
    // never move a card at or above it.
    std::uint32_t lowestTestedPosition = 53;
};

CompiledPattern Compile(const PracticePattern& pattern, std::vector<std::string>& messages) {
    CompiledPattern c;
    for (TSeat s = 0; s < 4; ++s) {
        c.seats[s] = CompileSeat(pattern.Seats[s], s, messages);
        if (c.seats[s].constrained && c.lowestTestedPosition == 53) {
            c.lowestTestedPosition = std::max<std::uint32_t>(2, s * CardsPerHand + 1U);
        }
    }
    return c;
}

// Shuffles once and tests the constrained seats, North first, stopping at the first failure.
// The swaps below the tested positions are made only for a deal that passes; for one that fails
// the generator jumps over their draws, so the sequence of deals is the same either way.
bool ShuffleAndTest(Deck& deck, RandomGenerator& gen, const CompiledPattern& pattern) {
    deck = OrderedDeck();
    const std::uint32_t stop = std::min<std::uint32_t>(pattern.lowestTestedPosition, 52);
    ShuffleSteps(deck, gen, 52, stop);
    for (TSeat s = 0; s < 4; ++s) {
        if (pattern.seats[s].constrained && !SeatPasses(pattern.seats[s], BuildHand(deck, s))) {
            gen.Skip(static_cast<int>(stop) - 2);
            return false;
        }
    }
    ShuffleSteps(deck, gen, stop - 1, 2);
    return true;
}

bool ReadsAsSeed(const std::string& text, std::int32_t seed) {
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty() && value == seed;
}

}  // namespace

int Controls(const std::array<Holding, 4>& hand) {
    int c = 0;
    for (Holding h : hand) c += 2 * Holds(h, Ace) + Holds(h, King);
    return c;
}

int ShapeCode(const std::array<Holding, 4>& hand) {
    std::array<int, 4> len{};
    for (size_t i = 0; i < 4; ++i) len[i] = Length(hand[i]);
    std::sort(len.begin(), len.end(), std::greater<>());
    return ((len[0] * 10 + len[1]) * 10 + len[2]) * 10 + len[3];
}

Vulnerability BoardVulnerability(int handNumber) { return BoardCycle[((handNumber % 16) + 16) % 16]; }

TSeat BoardDealer(int handNumber) { return static_cast<TSeat>((((handNumber - 1) % 4) + 4) % 4); }

DealOutcome Deal(DealingState& state, const DealRequest& request) {
    DealOutcome out;
    RandomGenerator& gen = state.Generator;
    DealtBoard& board = out.Board;
    if (ReadsAsSeed(state.ReproductionText, gen.RandomSeed())) {
        board.Dealer = static_cast<TSeat>(gen.RandomSeed() & 3);
        board.Vul = static_cast<Vulnerability>((gen.RandomSeed() >> 2) & 3);
    } else {
        const PracticePattern* practice = request.Practice;
        board.Dealer = practice && practice->DealerChoice >= 0 && practice->DealerChoice < 4
                           ? static_cast<TSeat>(practice->DealerChoice)
                           : BoardDealer(request.HandNumber);
        board.Vul = request.Rubber ? request.RubberVulnerability : BoardVulnerability(request.HandNumber);
        gen.SetSeed(static_cast<std::int32_t>((static_cast<std::uint32_t>(gen.RandomSeed()) & ~15U) |
                                              (board.Vul * 4U) | board.Dealer));
    }
    board.Seed = gen.RandomSeed();

    CompiledPattern pattern;
    if (request.Practice) {
        const bool mixedIn = request.Practice->MixDeals == 1 && gen.Random(1000) < 500;
        if (!mixedIn) pattern = Compile(*request.Practice, out.Messages);
    }
    Deck deck{};
    while (out.Shuffles < MaxShuffles) {
        ++out.Shuffles;
        if (ShuffleAndTest(deck, gen, pattern)) {
            for (TSeat s = 0; s < 4; ++s) board.Holdings[s] = BuildHand(deck, s);
            out.Ok = true;
            return out;
        }
    }
    return out;
}

DealtBoard DealFromSeed(std::int32_t seed) {
    DealingState state;
    state.Generator.SetSeed(seed);
    state.ReproductionText = std::to_string(seed);
    return Deal(state, DealRequest{}).Board;
}

FrequencyCount CountPatternFrequency(DealingState& state, const PracticePattern& pattern,
                                     int attempts) {
    std::vector<std::string> ignored;
    const CompiledPattern compiled = Compile(pattern, ignored);
    FrequencyCount count;
    Deck deck{};
    for (int i = 0; i < attempts; ++i) count.Passes += ShuffleAndTest(deck, state.Generator, compiled);
    count.Attempts = attempts;
    return count;
}

}  // namespace corvane
