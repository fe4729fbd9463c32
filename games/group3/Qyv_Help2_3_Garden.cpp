// The column play that Flower garden and 8 Sages share.
#include "games/group3/Qyv_Help2_3_Garden.h"

#include "games/group3/Qyv_41_Sad.h"
#include "games/group3/Qyv_Help2_3.h"
#include "games/group3/Qyv_Help2_3_Play.h"

#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitEnd.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitPress.h"
#include "games/kit/KitTable.h"

#include <algorithm>
#include <vector>

namespace Group3 {

using namespace GameState;

namespace {

bool Inside(int X, int Y, int x, int y)
{
    return X >= x && X <= x + CardWidth && Y >= y && Y <= y + CardHeight;
}

// Slots of a column the painter reaches (Flower garden 20, 8 Sages 13).
int Depth()
{
    return CurrentGameId == FlowerGarden ? 20 : 13;
}

void Refit(int c)
{
    ColumnStep[c] = SadFanStep(c);
}

void LayHand(int c)
{
    const int k = Kit::HeldCount();
    for (int i = 1; i <= k && PileCounts[c] <= Depth(); ++i) {
        PileCards[c][PileCounts[c]] = DragCards[i];
        PileValues[c][PileCounts[c]] = DragValues[i];
        ++PileCounts[c];
    }
    Kit::ClearHeld();
}

} // namespace

int GardenTopY3(int c)
{
    return ColumnTop + std::max(0, PileCounts[c] - 2) * ColumnStep[c];
}

QPoint GardenCardAt3(int c, int pos)
{
    return {ColumnX[c], ColumnTop + (pos - 1) * ColumnStep[c]};
}

bool GardenColumnTopAt3(int X, int Y, int columns, int& c, int& pos)
{
    for (int i = 1; i <= columns; ++i)
        if (Inside(X, Y, ColumnX[i], GardenTopY3(i))) {
            c = i;
            pos = std::max(1, PileCounts[i] - 1);
            return true;
        }
    return false;
}

bool GardenFoundationAt3(int X, int Y, int foundations, int& f)
{
    for (int i = 1; i <= foundations; ++i)
        if (Inside(X, Y, FoundationX[i], FoundationY)) {
            f = i;
            return true;
        }
    return false;
}

int GardenFoundationFor3(const TCardCode& card, int foundations)
{
    for (int f = 1; f <= foundations; ++f)
        if (SadFitsFoundation(card, f))
            return f;
    return 0;
}

bool GardenBeginPress3(platform::MouseButton Button)
{
    if (!Kit::BeginPress(Button))
        return false;
    Kit::StartPressTiming();
    return true;
}

bool GardenLiftColumn3(int c, int p, int X, int Y)
{
    const int top = PileCounts[c] - 1;
    if (p < 1 || p > top || top > Depth() || !Kit::TakeUpDrag())
        return false;
    std::vector<TCardCode> run;
    std::vector<Byte> values;
    for (int j = p; j <= top; ++j) {
        run.push_back(PileCards[c][j]);
        values.push_back(PileValues[c][j]);
    }
    Kit::HoldRun(run, values, ColumnStep[c]);
    Kit::TLiftFrame frame = Kit::CardFrame(ColumnX[c], GardenCardAt3(c, p).y());
    frame.Bottom = GardenCardAt3(c, top).y() + CardHeight + CardInset;
    Kit::ShowDragSprite(frame, X, Y, true, [c, p, top] {
        for (int j = p; j <= top; ++j) {
            PileCards[c][j] = cards::Empty;
            PileValues[c][j] = cards::EmptyValue;
        }
        PileCounts[c] = p;
        RedrawColumn3(c, 0);
    });
    return true;
}

bool GardenLiftCard3(const TCardCode& card, Byte value, int x, int y, int X, int Y, const std::function<void()>& empty)
{
    if (!HoldsCard3(card) || !Kit::TakeUpDrag())
        return false;
    const TCardCode one[] = {card};
    const Byte v[] = {value};
    Kit::HoldRun(one, v, 0);
    Kit::ShowDragSprite(Kit::CardFrame(x, y), X, Y, true, empty);
    return true;
}

void GardenDropOnColumn3(int c)
{
    LayHand(c);
    Refit(c);
    RedrawColumn3(c, 0);
    RefreshTable3();
}

void GardenReturnToColumn3(int c)
{
    LayHand(c);
    RedrawColumn3(c, 0);
    RefreshTable3();
}

bool GardenDropOnFoundation3(int f)
{
    const bool complete = GardenPutOnFoundation3(f, DragCards[1], DragValues[1]);
    Kit::ClearHeld();
    return complete;
}

void GardenTakeColumnTop3(int c, bool refit)
{
    const int top = PileCounts[c] - 1;
    if (top < 1)
        return;
    PileCards[c][top] = cards::Empty;
    PileValues[c][top] = cards::EmptyValue;
    PileCounts[c] = top;
    if (refit)
        Refit(c);
    RedrawColumn3(c, 0);
    RefreshTable3();
}

void GardenPutOnColumn3(int c, const TCardCode& card, Byte value, bool refit)
{
    if (PileCounts[c] < 1 || PileCounts[c] > Depth())
        return;
    PileCards[c][PileCounts[c]] = card;
    PileValues[c][PileCounts[c]] = value;
    ++PileCounts[c];
    if (refit)
        Refit(c);
    RedrawColumn3(c, 0);
    RefreshTable3();
}

bool GardenPutOnFoundation3(int f, const TCardCode& card, Byte value)
{
    const int n = FoundationCounts[f];
    if (n < 1 || n > 13)
        return false;
    FoundationCards[f][n] = card;
    FoundationValues[f][n] = value;
    FoundationCounts[f] = n + 1;
    RedrawFoundation3(f);
    RefreshTable3();
    return FoundationCounts[f] == 14;
}

bool GardenDoubleClickMove3(const TCardCode& source, Byte value, int foundations, const std::function<QPoint()>& take)
{
    const TCardCode card = source; // `take` empties the slot it names

    const int f = GardenFoundationFor3(card, foundations);
    if (f == 0)
        return false;
    const QPoint from = take();
    if (Settings::MoveMode != 0)
        Kit::FlyCard(from.x(), from.y(), FoundationX[f], FoundationY, card, 1, 0);
    const bool complete = GardenPutOnFoundation3(f, card, value);
    ++MoveCounter;
    DrawInfoPanel3();
    Kit::PlaySound(complete ? "WavStopka" : "WavCardUp");
    return true;
}

void GardenEndTest3()
{
    Kit::TEndTest t = EndTest3();
    t.Panel = [] { DrawInfoPanel3(); };
    t.WonPanel = Kit::TPanelOrder::AfterScore;
    t.LostPanel = Kit::TPanelOrder::BeforeScore;
    DrawInfoPanel3();
    Kit::RunEndTest(t, false);
}

} // namespace Group3
