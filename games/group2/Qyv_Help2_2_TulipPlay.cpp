// The Tulip family's play: the hit test of the rows, the move rule, the dead gaps and the
// won test, the row painters, and the two steps of the redeal (collect, reshuffle).
#include "games/group2/Group2.h"
#include "games/group2/Qyv_Help2_2.h"

#include "games/kit/KitFlight.h"
#include "games/kit/KitTable.h"

#include "foundation/CardDrawing.h"
#include "foundation/Scaling.h"
#include "foundation/Shuffle.h"
#include "platform/PictureControl.h"

#include <algorithm>

namespace Group2 {

using namespace GameState;

namespace {

bool HoldsCard(const TCardCode& c) { return !(c == cards::Empty); }

bool Holds(int p, int r) { return p >= 1 && p <= 14 && HoldsCard(PileCards[p][r]); }

// Place p + 1 of the row holds the card one higher in the suit of place p.
bool Follows(int p, int r)
{
    return Holds(p, r) && Holds(p + 1, r) && PileCards[p + 1][r].suit() == PileCards[p][r].suit() &&
           PileValues[p + 1][r] == PileValues[p][r] + 1;
}

bool InRow(int Y, int r) { return Y >= TulipRowY[r] && Y <= TulipRowY[r] + CardHeight - 1; }

// Place 1 of every row and its kept run up to RefillFrom - 1 stay; the rest of the
// row is the pack's.
int RefillFrom(int r) { return std::clamp(int(TulipRefillFrom[r]), 1, 14); }

platform::Canvas* TableCanvas()
{
    auto* t = Kit::TableImage();
    return t ? &t->canvas() : nullptr;
}

} // namespace

int TulipPlaceCount() { return CurrentGameId == Paganini ? 10 : 14; }

int TulipPassLimit()
{
    switch (CurrentGameId) {
    case Tulip: return 3;
    case BlueTulip: return 5;
    default: return 1;
    }
}

bool TulipHitTest(int X, int Y, int& Place, int& Row)
{
    const int n = TulipPlaceCount();
    int place = 0, row = 0;
    for (int p = 1; p <= n; ++p)
        for (int r = 1; r <= 4; ++r)
            if (X >= TulipPlaceX[p] && X <= TulipPlaceX[p] + TulipPlaceStep && InRow(Y, r)) {
                place = p;
                row = r;
            }
    for (int r = 1; r <= 4; ++r)
        if (X >= TulipPlaceX[n] && X <= TulipPlaceX[n] + CardWidth - 1 && InRow(Y, r)) {
            place = n;
            row = r;
        }
    if (place == 0)
        return false;
    // The left neighbour's card reaches CardWidth - TulipPlaceStep pixels into an empty
    // place, at every window size.
    const int strip = CardWidth - TulipPlaceStep;
    if (place > 1 && !Holds(place, row) && X < TulipPlaceX[place] + strip) {
        if (!SourceSelected || (HitPile == place - 1 && HitPos == row))
            --place;
    }
    Place = place;
    Row = row;
    return true;
}

bool TulipTakes(int Place, int Row, const TCardCode& c, Byte v, bool rightRule)
{
    if (Place < 1 || Place > TulipPlaceCount() || Row < 1 || Row > 4 || Holds(Place, Row) || !HoldsCard(c))
        return false;
    if (Place >= 2 && Holds(Place - 1, Row) && PileCards[Place - 1][Row].suit() == c.suit() &&
        PileValues[Place - 1][Row] + 1 == v)
        return true;
    if (Place == 1 && v == 0)
        return true;
    return rightRule && Place < TulipPlaceCount() && Holds(Place + 1, Row) &&
           PileCards[Place + 1][Row].suit() == c.suit() && PileValues[Place + 1][Row] == v + 1;
}

bool TulipTakes(int Place, int Row, const TCardCode& c, Byte v)
{
    return TulipTakes(Place, Row, c, v, CurrentGameId == Paganini);
}

int TulipDeadGaps()
{
    const int n = TulipPlaceCount();
    int dead = 0;
    for (int r = 1; r <= 4; ++r)
        for (int i = 1; i <= n - 1; ++i) {
            if (!Holds(i, r) || PileCards[i][r].rank() != cards::RankKing)
                continue;
            for (int j = i + 1; j <= std::min(i + 4, n) && !Holds(j, r); ++j)
                ++dead;
        }
    return dead;
}

bool TulipWon()
{
    const int last = CurrentGameId == Paganini ? 9 : 13;
    for (int r = 1; r <= 4; ++r)
        for (int i = 1; i < last; ++i)
            if (!Follows(i, r))
                return false;
    return true;
}

bool PaganiniGapBeforeNonSix()
{
    for (int r = 1; r <= 4; ++r)
        for (int p = 1; p <= 8; ++p)
            if (!Holds(p, r) && Holds(p + 1, r) && PileCards[p + 1][r].rank() != '6')
                return true;
    return false;
}

int TulipSuitOf(const TCardCode& c)
{
    return HoldsCard(c) ? cards::suitOrder(c.suit()) + 1 : 0;
}

void ClearTulipRowHead(int Row)
{
    if (auto* canvas = TableCanvas())
        Kit::RestoreBackground(*canvas, TulipPlaceX[1], TulipRowY[Row], CardWidth, CardHeight);
}

void RedrawTulipRow(int Row, int MarkedPlace)
{
    auto* canvas = TableCanvas();
    if (!canvas)
        return;
    Kit::RestoreBackground(*canvas, TulipPlaceX[1], TulipRowY[Row], TulipPlaceX[14] - TulipPlaceX[1] + CardWidth + 1,
                           CardHeight);
    if (!Holds(1, Row)) {
        ClearTulipRowHead(Row);
        CardDrawing::DrawCardFace(TulipPlaceX[1], TulipRowY[Row], TCardCode("-0"), *canvas);
    }
    for (int p = 1; p <= 14; ++p) {
        if (Holds(p, Row))
            CardDrawing::DrawCardFace(TulipPlaceX[p], TulipRowY[Row], PileCards[p][Row], *canvas);
        if (p == MarkedPlace) // under the cards to its right
            Kit::ToggleSelectionFrame(TulipPlaceX[p], TulipRowY[Row]);
    }
}

void DrawTulipFlowers()
{
    for (int s = 1; s <= 4; ++s)
        DrawTulipFlower(s, 0, false);
    for (int r = 1; r <= 4; ++r)
        if (Holds(1, r))
            DrawTulipFlower(TulipSuitOf(PileCards[1][r]), TulipRowRun(r), false);
}

void TulipCollectCards()
{
    const int game = CurrentGameId;
    if (game != Tulip && game != BlueTulip)
        return;
    platform::fillAll(TulipKept, cards::Empty);
    int kept = 0;
    for (int r = 1; r <= 4; ++r) {
        // An empty place 1, or in Blue Tulip a row not begun by an Ace, keeps nothing.
        int from = 1;
        if (Holds(1, r) && (game == Tulip || PileValues[1][r] == 0)) {
            int i = 1;
            while (i < 14 && Follows(i, r))
                ++i;
            from = i + 1;
        }
        TulipRefillFrom[r] = Byte(std::min(from, 14));
        for (int p = 1; p < RefillFrom(r); ++p)
            if (Holds(p, r) && kept < 52)
                TulipKept[++kept] = PileCards[p][r];
    }
    if (auto* canvas = TableCanvas())
        for (int r = 1; r <= 4; ++r)
            for (int p = RefillFrom(r); p <= 14; ++p)
                if (Holds(p, r))
                    CardDrawing::DrawCardBack(TulipPlaceX[p], TulipRowY[r], *canvas);
}

void TulipRedeal()
{
    const int game = CurrentGameId;
    if (game != Tulip && game != BlueTulip)
        return;
    ShuffleDeck52();
    for (int i = 1; i <= 52; ++i)
        for (int k = 1; k <= 52; ++k)
            if (HoldsCard(TulipKept[k]) && DealCards[i] == TulipKept[k]) {
                DealCards[i] = cards::Empty;
                DealValues[i] = cards::EmptyValue;
                break;
            }
    int next = 1;
    auto deal = [&next](TCardCode& card, Byte& value) {
        while (next <= 52 && !HoldsCard(DealCards[next]))
            ++next;
        if (next > 52) { // never after a stuck position: the pack fills the places exactly
            card = cards::Empty;
            value = cards::EmptyValue;
            return;
        }
        card = DealCards[next];
        value = DealValues[next];
        ++next;
    };
    for (int r = 1; r <= 4; ++r) {
        const int from = RefillFrom(r);
        // Tulip leaves the gap where the kept run ends, Blue Tulip at the row's end.
        const int gap = game == Tulip ? from : 14;
        PileCards[gap][r] = cards::Empty;
        PileValues[gap][r] = cards::EmptyValue;
        for (int p = from; p <= 14; ++p)
            if (p != gap)
                deal(PileCards[p][r], PileValues[p][r]);
    }
    for (int r = 1; r <= 4; ++r)
        RedrawTulipRow(r);
}

} // namespace Group2
