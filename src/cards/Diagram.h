// A deal drawn as text: North on top, West and East beside each other, South below.
#pragma once

#include "cards/Cards.h"

#include <string>

namespace corvane {

std::string DealDiagram(const DealHoldings& deal);

}  // namespace corvane
