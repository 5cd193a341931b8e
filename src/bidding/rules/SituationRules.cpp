#include "bidding/rules/SituationRules.h"

namespace corvane {

SituationRules BuiltInRules() {
    SituationRules rules;
    rules.ScorePass = ScorePass;
    rules.ScoreOpening = ScoreOpening;
    return rules;
}

}  // namespace corvane
