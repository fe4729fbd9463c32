#include "games/group2/Qyv_Golf2.h"

#include "foundation/GameState.h"
#include "foundation/Settings.h"
#include "games/group2/Qyv_Help2_2.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitEnd.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitTable.h"

#include <QString>
#include <algorithm>

namespace Group2 {

namespace {

using namespace GameState;

enum class TCover {
    Diagonals, // the two places diagonally in front, in the same layer
    Front,     // the place in front in the same column
    LayerAbove // the four diagonal places in the layer above
};

struct TGolfRules {
    int game;
    TCover cover;
    bool columnRepaint;      // a play repaints only the played card's column
    bool stockRepaintsGrid;  // a stock turn repaints the grid as well
    bool panelBeforeFlight;  // the info panel drawn once more before the flight
};

constexpr TGolfRules kRules[] = {
    {GolfPeak, TCover::Diagonals, false, true, false},
    {GolfThreePeaks, TCover::Diagonals, false, true, false},
    {GolfRug, TCover::Front, true, false, false},
    {GolfDiamond, TCover::Diagonals, false, true, true},
    {GolfBlock, TCover::LayerAbove, false, false, false},
};

const TGolfRules& Rules()
{
    for (const TGolfRules& r : kRules)
        if (r.game == CurrentGameId)
            return r;
    return kRules[0];
}

bool InGrid(int p, int k, int l)
{
    return p >= 1 && p <= GolfColumns2() && k >= 1 && k <= GolfRows2() && l >= 1 && l <= GolfLayers2();
}

bool InRect(int x, int y, int left, int top, int width, int height)
{
    return x >= left && x <= left + width && y >= top && y <= top + height;
}

void Refresh()
{
    if (auto* t = Kit::TableImage())
        t->repaintNow();
}

// Only what the play changed: the played card's column in Rug, else the places around
// it (the same pixels as the whole grid's repaint, at a fraction of its cost).
void RepaintGrid(const TGolfPlace& at)
{
    if (Rules().columnRepaint)
        RedrawColumn2(at.p, 0);
    else
        RedrawGolfPlaces2(at.p, at.k);
}

void AddToWaste(const TCardCode& card, Byte value)
{
    WasteCards[WasteCount] = card;
    WasteValues[WasteCount] = value;
    ++WasteCount;
}

void PlayCard(const TGolfPlace& at)
{
    const TGolfRules& rules = Rules();
    TargetCard = GolfCard2(at.p, at.k, at.l);
    TargetValue = GolfValue2(at.p, at.k, at.l);
    GolfCard2(at.p, at.k, at.l) = cards::Empty;
    GolfValue2(at.p, at.k, at.l) = cards::EmptyValue;
    RepaintGrid(at);
    RedrawStockWaste2(0);
    RedrawFoundation2(0);
    if (rules.panelBeforeFlight)
        DrawInfoPanel2();
    if (Settings::MoveMode == 1 || Settings::MoveMode == 2)
        Kit::FlyCard(GridX[at.p][at.k], GridY[at.p][at.k], AuxPile1X, AuxPile1Y, TargetCard, 1, 0);
    else
        Refresh();
    AddToWaste(TargetCard, TargetValue);
    GolfUncover2(at);
    RepaintGrid(at);
    RedrawStockWaste2(0);
    Refresh();
    Kit::PlaySound("WavCardUp");
    DrawInfoPanel2();
}

void TurnStock()
{
    TargetCard = StockCards[StockCount];
    TargetValue = StockValues[StockCount];
    StockCards[StockCount] = cards::Empty;
    StockValues[StockCount] = cards::EmptyValue;
    --StockCount;
    RedrawStockWaste2(0);
    if (Settings::MoveMode == 1 || Settings::MoveMode == 2)
        Kit::FlyCard(AuxPile2X + 12, AuxPile2Y, AuxPile1X, AuxPile1Y, TargetCard, 1, 1);
    AddToWaste(TargetCard, TargetValue);
    if (Rules().stockRepaintsGrid)
        RedrawColumn2(0, 0);
    RedrawStockWaste2(0);
    DrawInfoPanel2();
    Kit::PlaySound("WavCardUp");
}

} // namespace

bool GolfHolds2(int p, int k, int l)
{
    return InGrid(p, k, l) && !(GolfCard2(p, k, l) == cards::Empty);
}

int GolfCoverers2(int p, int k, int l, TGolfPlace out[4])
{
    int n = 0;
    auto add = [&](int q, int m, int n2) {
        if (InGrid(q, m, n2))
            out[n++] = {q, m, n2};
    };
    switch (Rules().cover) {
    case TCover::Diagonals:
        add(p - 1, k + 1, l);
        add(p + 1, k + 1, l);
        break;
    case TCover::Front: add(p, k + 1, l); break;
    case TCover::LayerAbove:
        for (int dk : {-1, 1})
            for (int dp : {-1, 1})
                add(p + dp, k + dk, l + 1);
        break;
    }
    return n;
}

bool GolfCovered2(int p, int k, int l)
{
    TGolfPlace by[4];
    const int n = GolfCoverers2(p, k, l, by);
    for (int i = 0; i < n; ++i)
        if (GolfHolds2(by[i].p, by[i].k, by[i].l))
            return true;
    return false;
}

void GolfUncover2(const TGolfPlace& removed)
{
    // The places the removed card covered lie next to it, one row or one layer behind.
    for (int l = std::max(1, removed.l - 1); l <= removed.l; ++l)
        for (int k = std::max(1, removed.k - 1); k <= std::min(GolfRows2(), removed.k + 1); ++k)
            for (int p = std::max(1, removed.p - 1); p <= std::min(GolfColumns2(), removed.p + 1); ++p) {
                TGolfPlace by[4];
                const int n = GolfCoverers2(p, k, l, by);
                bool coveredByRemoved = false;
                for (int i = 0; i < n; ++i)
                    if (by[i].p == removed.p && by[i].k == removed.k && by[i].l == removed.l)
                        coveredByRemoved = true;
                if (coveredByRemoved && !GolfCovered2(p, k, l))
                    GolfFaceUp2(p, k, l) = 1;
            }
}

bool GolfHitTest2(int x, int y, TGolfPlace& at)
{
    bool found = false;
    for (int l = 1; l <= GolfLayers2(); ++l)
        for (int p = 1; p <= GolfColumns2(); ++p)
            for (int k = 1; k <= GolfRows2(); ++k)
                if (GolfHolds2(p, k, l) && GolfFaceUp2(p, k, l) != 0 &&
                    InRect(x, y, GridX[p][k], GridY[p][k], CardWidth, CardHeight)) {
                    at = {p, k, l};
                    found = true;
                }
    return found;
}

bool GolfPlayable2(const TGolfPlace& at)
{
    return GolfHolds2(at.p, at.k, at.l) && GolfFaceUp2(at.p, at.k, at.l) != 0 &&
           GolfFits2(GolfValue2(at.p, at.k, at.l));
}

bool InGolfStock2(int x, int y)
{
    return InRect(x, y, AuxPile2X, AuxPile2Y, CardWidth + 12, CardHeight);
}

void GolfMouseMove(int X, int Y)
{
    const bool onStock = InGolfStock2(X, Y);
    if (onStock)
        Kit::SetTableHint(QString::number(StockCount));
    else
        Kit::TableHintOff();
    TGolfPlace at;
    const bool hand = (onStock && StockCount >= 1) || (GolfHitTest2(X, Y, at) && GolfPlayable2(at));
    Kit::SetTableCursor(hand ? Kit::CursorHand : Kit::CursorArrow);
}

void GolfMouseUp(int X, int Y)
{
    Kit::RestoreScreenCursor();
    TGolfPlace at;
    bool moved = false;
    if (GolfHitTest2(X, Y, at) && GolfPlayable2(at)) {
        PlayCard(at);
        moved = true;
    } else if (InGolfStock2(X, Y) && StockCount > 0) {
        TurnStock();
        moved = true;
    }
    Kit::TEndTest t;
    t.Won = [] { return IsGameWon2(); };
    t.Stuck = [] {
        int count = 0;
        return CountMoves2(count);
    };
    Kit::RunEndTest(t, moved);
}

} // namespace Group2
