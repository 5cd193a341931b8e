// Reads arbitrary bytes as a convention card, upgrades it, asks every query of the vocabulary
// in every notrump structure, and checks that writing the card and reading it back gives the
// same card.
#include "convention/CardFile.h"
#include "convention/CardVocabulary.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

void AskPlainKeys(corvane::ConventionCards& cards) {
    using namespace corvane;
    for (const auto& info : card_keys::Vocabulary) {
        const std::string key(info.Key);
        cards.CardTicked(key);
        cards.CardTicked(key + "=" + std::string(info.Codes.substr(0, info.Codes.find(' '))));
        cards.CardInt(key);
        cards.CardCall(key);
        cards.CardLevelLimit(key);
        cards.CardCallAtLeast(key, BidCode(2, Hearts));
        if (info.Kind == CardValueKind::HcpRange) {
            cards.CardRange(key);
            cards.CardLow(key);
            cards.CardHigh(key);
        }
    }
    for (const bool flag : {false, true}) cards.ActiveOneNTRange({flag, !flag, flag});
    cards.MinorRaiseForcing(Pass);
    for (Strain s = Clubs; s <= Spades; ++s) cards.TwoLevelOpeningHigh(s);
}

void AskStructureKeys(corvane::ConventionCards& cards) {
    using namespace corvane;
    for (const auto& info : card_keys::StructureVocabulary) {
        cards.CardStructEquals(":" + std::string(info.Key), Ticked);
    }
    cards.UsesJacobyTransfers();
    cards.UsesLebensohl();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ConventionCard card = ConventionCard::FromText(text);
    UpgradeCard(card);

    // A leading byte-order mark is dropped on reading, so a card whose first key starts with
    // one cannot come back byte for byte.
    const std::string written = card.ToText();
    if (written.rfind("\xEF\xBB\xBF", 0) != 0 && !(ConventionCard::FromText(written) == card)) {
        __builtin_trap();
    }

    ConventionCards cards;
    cards.Card(1) = card;
    cards.Card(2) = ConventionCard::FromText(text);
    cards.UpdateDefences();
    for (int side = 1; side <= 2; ++side) {
        cards.SelectSide(side);
        AskPlainKeys(cards);
    }
    cards.SelectSide(1);
    for (const char code : NTStructureCodes) {
        cards.SetNTStructure(1, code);
        AskStructureKeys(cards);
    }
    return 0;
}
