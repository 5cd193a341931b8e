// Every key a convention card holds, the kind of value it takes and, for a choice, the codes in
// the order the editor offers them. The card editor writes exactly these keys; the bidder reads
// them through the card queries; the shipped cards give each a deliberate value.
#pragma once

#include <array>
#include <string_view>

namespace corvane {

inline constexpr std::string_view DefaultCardFile = "Std American.cc";
inline constexpr std::string_view CardFileExtension = ".cc";

// Values with a fixed meaning.
inline constexpr std::string_view Ticked = "X";
inline constexpr std::string_view NoChoice = "NUL";
inline constexpr std::string_view UnsetBound = "__";
inline constexpr char BoundFiller = '_';
inline constexpr int TopBound = 40;  // "+UP" and "&UP"

enum class CardValueKind {
    Tick,      // "X" when ticked, absent when not
    Choice,    // one of Codes, "NUL" when none chosen
    HcpRange,  // two keys, the code + "L" and + "H", each a bound 0..40 or "__"
    CallLimit, // a call such as "3S", "__" or absent when unset
    Position,  // which card of the pattern in the key is led, 1 .. pattern length
    Text,
};

struct CardKeyInfo {
    std::string_view Key;
    CardValueKind Kind;
    std::string_view Codes = {};  // blank-separated, for Choice only
};

namespace card_keys {
using K = CardValueKind;
// clang-format off
inline constexpr CardKeyInfo Vocabulary[] = {
    // General approach
    {"TEAM", K::Text}, {"SPECIALSYSTEM", K::Text},
    {"VLOPEN", K::Tick}, {"VL3RD", K::Tick}, {"VLOVER", K::Tick}, {"VLPRE", K::Tick},
    {"FO", K::Choice, "1C 2C NAT2 OTH"},
    {"GENS", K::Choice, "STD 2/1 K-S PREC GOREN CAN"},
    {"STD", K::Tick}, {"2/1", K::Tick}, {"K-S", K::Tick}, {"PREC", K::Tick}, {"GOREN", K::Tick},
    {"CAN", K::Tick},
    {"2/1NOTGF", K::Tick}, {"2/1GF", K::Tick}, {"GFUNLESS", K::Tick},
    // 1NT
    {"ONA", K::HcpRange}, {"ONB", K::HcpRange},
    {"NTNV", K::Tick}, {"NTVU", K::Tick}, {"NT12", K::Tick}, {"NT34", K::Tick},
    {"NTTHEYV", K::Tick}, {"NTTHEYNV", K::Tick},
    // 2NT and 3NT
    {"TN", K::HcpRange}, {"2N3C", K::Choice, "STAY PUP2 BARON"}, {"2N3S", K::Choice, "4C MSS MIN"},
    {"TEX2", K::Tick}, {"SMOL2", K::Tick}, {"JAC2", K::Tick},
    {"HN", K::HcpRange}, {"3N", K::Choice, "BAL GAMB NAMY"},
    // Majors
    {"1MOV3M", K::Choice, "F I W"}, {"1M3M", K::Choice, "F I W"}, {"1M1N", K::Choice, "F S N"},
    {"1M3N", K::Tick}, {"SPLINT", K::Tick}, {"BERGEN", K::Tick}, {"CONSTR", K::Tick},
    {"SWISS", K::Tick}, {"REVB", K::Tick},
    {"1MQ", K::Choice, "WEST LR GF"}, {"1M2N", K::Choice, "BAL JAC"},
    {"DRU", K::Choice, "REV REG 2WAY NONE"},
    {"M2N", K::HcpRange}, {"M3N", K::HcpRange},
    {"4MAJ12", K::Tick}, {"5MAJ12", K::Tick}, {"CAN12", K::Tick},
    {"4MAJ34", K::Tick}, {"5MAJ34", K::Tick}, {"CAN34", K::Tick},
    // Minors
    {"CLEN", K::Choice, "4 3 2 ?"}, {"DLEN", K::Choice, "4 3 2 ?"},
    {"1C3C", K::Choice, "F I W"}, {"1CO3C", K::Choice, "F I W"},
    {"1CFR", K::Choice, "INVM OTHM SPLINTER NONE"}, {"FREQ", K::Tick},
    {"1CQ", K::Choice, "WEST LR GF"}, {"C1N", K::HcpRange},
    {"1C2NF", K::Tick}, {"1C2NI", K::Tick}, {"C2N", K::HcpRange}, {"C3N", K::HcpRange},
    // Two-level openings
    {"TCH", K::HcpRange}, {"2C", K::Choice, "F PREC FC"},
    {"2CR", K::Choice, "2HNEG WAIT NEG CTLS ACES ALBARRAN"}, {"2NDNEG", K::Tick},
    {"2D", K::Choice, "WK FLAN ROMA PREC FD"}, {"TDH", K::HcpRange},
    {"2DNSF", K::Choice, "Y N"}, {"2D2N", K::Choice, "NEG FEA OG ASK"},
    {"THH", K::HcpRange}, {"2H", K::Choice, "WK FLAN FH"}, {"2HNSF", K::Choice, "Y N"},
    {"2H2N", K::Choice, "NEG NAT FEA OG FLAN"},
    {"TSH", K::HcpRange}, {"2S", K::Choice, "WK FS"}, {"2SNSF", K::Choice, "Y N"},
    {"2S2N", K::Choice, "NEG NAT FEA OG"},
    // Other conventional bids
    {"WJSA", K::Tick}, {"WJSC", K::Tick}, {"FSF1", K::Tick}, {"FSFG", K::Tick}, {"ITAL", K::Tick},
    {"UNUN", K::Tick}, {"PASK", K::Tick}, {"WITTES", K::Tick}, {"CRASH", K::Tick},
    {"BROMAD", K::Tick}, {"BART", K::Tick}, {"ZNEWCNVTS", K::Text},
    {"NONMF", K::Tick}, {"NMF", K::Tick}, {"CKBK", K::Tick}, {"CBK2", K::Tick},
    // Doubles
    {"NEGX", K::CallLimit}, {"RESX", K::CallLimit}, {"SUPX", K::CallLimit},
    {"XOFF", K::Tick}, {"MAXX", K::Tick}, {"ROSX", K::Tick}, {"XPEN", K::Tick}, {"ACTX", K::Tick},
    // Notrump overcalls
    {"OVN", K::HcpRange}, {"BAL", K::HcpRange}, {"UNNT", K::Choice, "MIN LOW NAT"},
    {"SAND", K::Tick}, {"DIRNTNAT", K::Tick}, {"BALNTNAT", K::Tick},
    // Overcalls
    {"SOC", K::HcpRange}, {"OVC4", K::Tick}, {"OVCL", K::Tick},
    {"JR", K::Choice, "F I W"}, {"NEWS", K::Choice, "F I W TA"},
    {"JQLR", K::Tick}, {"LOTT", K::Tick}, {"JOS", K::Tick}, {"JOI", K::Tick}, {"JOW", K::Tick},
    // Defence to 1NT
    {"VNTW", K::Choice, "NATURAL ASTRO BROZEL CANSINO CAPP DONT HELLO LANDY MECKWELL WOOLSEY"},
    {"VNTS", K::Choice, "NATURAL ASTRO BROZEL CANSINO CAPP DONT HELLO LANDY MECKWELL WOOLSEY"},
    {"VNTWBAL", K::Choice, "NATURAL ASTRO BROZEL CANSINO CAPP DONT HELLO LANDY MECKWELL WOOLSEY"},
    {"VNTSBAL", K::Choice, "NATURAL ASTRO BROZEL CANSINO CAPP DONT HELLO LANDY MECKWELL WOOLSEY"},
    {"StrongNTHCP", K::Choice, "12 13 14 15"},
    // Preempts
    {"PRE", K::Choice, "S L W"}, {"NAMY", K::Tick},
    // Over a takeout double
    {"NSF1", K::Tick}, {"NSF2", K::Tick}, {"XXNO", K::Tick}, {"TOXJS", K::Choice, "F I W"},
    {"MAJX2N", K::Choice, "LR+ LR W NAT"}, {"MINX2N", K::Choice, "LR+ LR WK NAT"},
    // Direct cue bids
    {"MINQ", K::Choice, "NAT TO MICH TAB"}, {"MAJQ", K::Choice, "NAT TO MICH TAB"},
    {"ARTQ", K::Choice, "NAT TO MICH TAB"},
    // Against preempts
    {"VPREX", K::Choice, "TO PEN"}, {"VPRETEXT", K::CallLimit}, {"VPRE2N", K::Choice, "NAT LEB"},
    {"LEAPMICH", K::Tick},
    // Slam
    {"4N", K::Choice, "BLKW RKC RKC14 KEYC RKCMM MODSTD"}, {"4C", K::Choice, "NAT GERB RKCG"},
    {"4NO", K::Choice, "DOPI DEPO"}, {"CTL2", K::Tick}, {"DI", K::Tick},
    {"MW", K::Choice, "NO 0314 1430"},
    // Leads against suit contracts
    {"SXX", K::Position}, {"SXXX", K::Position}, {"SXXXX", K::Position}, {"SXXXXX", K::Position},
    {"SAKX", K::Position}, {"ST9X", K::Position}, {"SKQX", K::Position}, {"SKJTX", K::Position},
    {"SQJX", K::Position}, {"SKT9X", K::Position}, {"SJTX", K::Position}, {"SQT9X", K::Position},
    {"SKQT9", K::Position}, {"VSUIT", K::Choice, "4 3"}, {"SIG", K::Choice, "A C S"},
    // Leads against notrump
    {"NXX", K::Position}, {"NXXX", K::Position}, {"NXXXX", K::Position}, {"NXXXXX", K::Position},
    {"NAKJX", K::Position}, {"NAQJX", K::Position}, {"NAJT9", K::Position}, {"NAT9X", K::Position},
    {"NKQJX", K::Position}, {"NKQT9", K::Position}, {"NQJTX", K::Position}, {"NQT9X", K::Position},
    {"NJT9X", K::Position}, {"NT9XX", K::Position}, {"VNT", K::Choice, "4 3 ATT"},
    // Carding
    {"CARDS", K::Choice, "STD UDCA"}, {"CARDN", K::Choice, "STD UDCA"},
    {"1DN", K::Choice, "STD LAV OE UD"},
    {"SMITH", K::Tick}, {"TSPF", K::Tick}, {"FOSTER", K::Tick}, {"SPECIAL", K::Tick},
    {"TECHO", K::Tick},
};

// The keys that exist once per notrump structure, stored as structure code + ":" + key. The
// editor writes "1N-X" and "SMOL1"; "IN-X" and "SMOLL1" are older spellings still moved by the
// upgrade.
inline constexpr std::array<std::string_view, 24> NTStructureKeys = {
    "STAY", "PUP1", "GARB", "1N2D", "1N2H", "1N2S", "1N2N", "1N3C", "1N3D", "1N3H", "1N3S",
    "SYSON", "TEX1", "SMOLL1", "LEBF", "LEBS", "IN-X", "ACCP", "WALS", "XX2C", "BELA",
    "RELAYPOOR", "RELAYGOOD", "SMOL1",
};
// The upgrade moves all but the last under the main structure.
inline constexpr size_t UpgradedStructureKeyCount = 23;

inline constexpr CardKeyInfo StructureVocabulary[] = {
    {"GARB", K::Tick}, {"STAY", K::Tick}, {"PUP1", K::Tick}, {"RELAYGOOD", K::Tick},
    {"RELAYPOOR", K::Tick}, {"SYSON", K::Tick}, {"SMOL1", K::Tick}, {"LEBF", K::Tick},
    {"1N-X", K::Tick}, {"WALS", K::Tick}, {"ACCP", K::Tick}, {"XX2C", K::Tick}, {"BELA", K::Tick},
    {"TEX1", K::Tick}, {"LEBS", K::Tick},
    {"1N2N", K::Choice, "INV 3C 3D"}, {"1N3C", K::Choice, "W I F"}, {"1N3D", K::Choice, "W I F"},
    {"1N2D", K::Choice, "NAT JACH CART"}, {"1N2H", K::Choice, "NAT JACS"},
    {"1N2S", K::Choice, "NAT 3C MSS EITHER"}, {"1N3H", K::Choice, "W I F 55I"},
    {"1N3S", K::Choice, "W I F 55F"},
};
// clang-format on

// Boxes of which a card ticks exactly one.
inline constexpr std::array<std::array<std::string_view, 3>, 4> OneOfThree = {{
    {"2/1NOTGF", "2/1GF", "GFUNLESS"},
    {"4MAJ12", "5MAJ12", "CAN12"},
    {"4MAJ34", "5MAJ34", "CAN34"},
    {"JOS", "JOI", "JOW"},
}};
// Boxes that exclude each other.
inline constexpr std::array<std::array<std::string_view, 2>, 3> ExclusivePairs = {{
    {"NTNV", "NTVU"}, {"NT12", "NT34"}, {"NTTHEYV", "NTTHEYNV"},
}};
}  // namespace card_keys

// Notrump structures: main 1NT opening, second 1NT range, 1NT rebid after a forcing club,
// direct and balancing 1NT overcalls.
inline constexpr std::string_view NTStructureCodes = "M2FDB";
inline constexpr char MainStructure = 'M';
inline constexpr char SecondRangeStructure = '2';
inline constexpr char ForcingClubStructure = 'F';
inline constexpr char DirectOvercallStructure = 'D';
inline constexpr char BalancingOvercallStructure = 'B';
inline constexpr int ForcingClubNTLow = 16;

// The opponents' 1NT counts as strong from this many HCP when the card does not say.
inline constexpr int DefaultStrongNTHCP = 14;

}  // namespace corvane
