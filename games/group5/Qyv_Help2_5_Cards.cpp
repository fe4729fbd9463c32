// The group-5 engine's card moves that every module makes the same way.
#include "games/group5/Qyv_Help2_5.h"

namespace Group5 {

using namespace GameState;

bool LayOnFoundation5(int f, const TCardCode& card, Byte value)
{
    FoundationCards[f][FoundationCounts[f]] = card;
    FoundationValues[f][FoundationCounts[f]] = value;
    ++FoundationCounts[f];
    RedrawFoundation5(f);
    return FoundationCounts[f] == 14;
}

void LayOnWaste5(const TCardCode& card, Byte value, int part)
{
    WasteCards[WasteCount] = card;
    WasteValues[WasteCount] = value;
    ++WasteCount;
    RedrawKoloda5(part);
}

void TakeWasteTop5(TCardCode& card, Byte& value)
{
    const int top = WasteCount - 1;
    card = WasteCards[top];
    value = WasteValues[top];
    WasteCards[top] = cards::Empty;
    WasteValues[top] = cards::EmptyValue;
    --WasteCount;
}

} // namespace Group5
