// The moves left, the info panel and the score-window fields of the group-4 games.
#include "games/group4/Qyv_Help2_4.h"

#include "games/kit/KitTable.h"

#include "foundation/ClubPlayer.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Qyv_FCount.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"

#include <algorithm>

namespace Group4 {

using namespace GameState;
using Scaling::Scaled;

namespace {

bool HoldsCard(const TCardCode& c) { return !(c == cards::Empty); }

// Values that make a removable pair: ranks adding to 13.
bool PairValues(int a, int b) { return a + b == 11; }

bool IsKing(const TCardCode& c) { return c.rank() == cards::RankKing; }

bool FreeCard(int c, int r) { return HoldsCard(PileCards[c][r]) && PileFaceUp[c][r] == 1; }

// Kings, pairs with the waste top and pairs among the free grid cards.
int GridMoves()
{
    int count = 0;
    const bool waste = WasteCount > 1 && WasteCount <= 105;
    const TCardCode wasteTop = waste ? WasteCards[WasteCount - 1] : cards::Empty;
    const int wasteValue = waste ? WasteValues[WasteCount - 1] : cards::EmptyValue;
    if (waste && IsKing(wasteTop))
        ++count;
    // Free cards by value; two values adding to 11 are never equal, so every ordered pair
    // of a value with its complement is two different cards.
    int byValue[13] = {};
    for (int c = 1; c <= 13; ++c)
        for (int r = 1; r <= 7; ++r) {
            if (!FreeCard(c, r))
                continue;
            if (IsKing(PileCards[c][r]))
                ++count;
            const int v = PileValues[c][r];
            if (waste && PairValues(v, wasteValue))
                ++count;
            if (v <= 12)
                ++byValue[v];
        }
    int pairs = 0;
    for (int v = 0; v <= 11; ++v)
        pairs += byValue[v] * byValue[11 - v];
    return count + pairs / 2;
}

bool PileTop(int i, TCardCode& card, int& value)
{
    const int top = PileCounts[i] - 1;
    if (top < 1 || top > 104)
        return false;
    card = PileCards[i][top];
    value = PileValues[i][top];
    return HoldsCard(card);
}

int NonEmptyPiles()
{
    int n = 0;
    for (int i = 1; i <= 9; ++i)
        if (PileCounts[i] > 1)
            ++n;
    return n;
}

bool BookOrdered()
{
    return BookUnorderedRows() == 0 && WasteCount <= 1 && StockCount == 0;
}

} // namespace

int GridCards4()
{
    int n = 0;
    for (int c = 1; c <= 13; ++c)
        for (int r = 1; r <= 7; ++r)
            if (HoldsCard(PileCards[c][r]))
                ++n;
    return n;
}

int PileCardsLeft4()
{
    int n = 0;
    for (int i = 1; i <= 9; ++i)
        n += std::max(0, PileCounts[i] - 1);
    return n;
}

int MonteCardsLeft4()
{
    int n = std::max(0, ExtraPileCount);
    for (int i = 1; i <= 6; ++i)
        for (int j = 1; j <= 4; ++j)
            if (HoldsCard(PileCards[i][j]))
                ++n;
    return n;
}

bool CountMoves4(int& Count)
{
    const int game = CurrentGameId;
    if (game == Book) {
        GameWon = BookOrdered() ? 1 : 0;
        return GameWon != 0;
    }
    if (game == Pairs || game == Wish) {
        // Nothing left to pair: the count shows 0, not what it held before.
        if (NonEmptyPiles() == 0) {
            Count = 0;
            return true;
        }
        int seen = 0;
        for (int i = 1; i <= 9; ++i)
            for (int j = 1; j <= 9; ++j) {
                TCardCode a, b;
                int va = 0, vb = 0;
                if (i != j && PileTop(i, a, va) && PileTop(j, b, vb) && va == vb)
                    ++seen;
            }
        Count = seen / 2;
        return Count == 0;
    }
    if (IsMonteCarlo(game)) {
        const bool bySuit = game == MonteCarloBySuit;
        int seen = 0;
        for (int i = 1; i <= 6; ++i)
            for (int j = 1; j <= 4; ++j) {
                if (!HoldsCard(PileCards[i][j]))
                    continue;
                for (int k = std::max(1, i - 1); k <= std::min(6, i + 1); ++k)
                    for (int l = std::max(1, j - 1); l <= std::min(4, j + 1); ++l) {
                        if ((k == i && l == j) || !HoldsCard(PileCards[k][l]))
                            continue;
                        const bool same = bySuit ? PileCards[i][j].suit() == PileCards[k][l].suit()
                                                 : PileValues[i][j] == PileValues[k][l];
                        if (same)
                            ++seen;
                    }
            }
        Count = seen / 2;
        return Count == 0;
    }
    if (IsPyramid(game)) {
        Count = GridMoves();
        GameWon = HoldsCard(PileCards[7][1]) ? 0 : 1;
        // A cleared apex ends Pyramid at once, whatever the stock still holds.
        if (game == Pyramid)
            return GameWon != 0 || (Count == 0 && StockCount == 0);
        return false;
    }
    if (IsDiamond(game)) {
        Count = GridMoves();
        GameWon = (HoldsCard(PileCards[4][1]) || HoldsCard(PileCards[6][1]) || HoldsCard(PileCards[8][1])
                   || HoldsCard(PileCards[10][1]))
            ? 0
            : 1;
        return false;
    }
    Count = 0;
    return false;
}

void DrawInfoPanel4()
{
    auto* table = Kit::TableImage();
    if (!table)
        return;
    platform::Canvas& canvas = table->canvas();
    const int game = CurrentGameId;
    const int W = CardWidth;
    canvas.font.name = Settings::FontTimesName;
    canvas.font.height = Scaling::FontHeightFor(Scaled(game == Book ? 23 : 26), QStringLiteral("times"));
    canvas.font.italic = true;
    canvas.font.bold = false;
    using namespace Texts;
    const QString score = Tx(TxtScore) + QLatin1Char(':');
    const QString variants = Tx(TxtVariants) + QLatin1Char(':');
    auto line = [](const QString& label, int kind, int x, int y, int valueRight, int value) {
        DrawOutlinedText(label, x, y, kind, true);
        DrawOutlinedText(QString::number(value), valueRight, y, kind, false);
    };
    int count = 0;
    const int button7Top = Form1 && Form1->Button7 ? Form1->Button7->y() : 0;
    if (game == Book) {
        const int right = BookListRect[1] - Scaled(10);
        line(Tx(TxtLPacks), 1, Scaled(10), Scaling::RoundHalfEven(Scaling::ScaleY * 420), right, BookUnorderedRows());
        line(score, 2, Scaled(10), Scaling::RoundHalfEven(Scaling::ScaleY * 460), right, ComputeScore4());
    } else if (game == Pairs) {
        CountMoves4(count);
        line(Tx(TxtPack), 1, PosX[4], AuxPile2Y + Scaled(5), PosX[7], StockCount);
        line(Tx(TxtLCards), 2, PosX[4], AuxPile2Y + Scaled(30), PosX[7], PileCardsLeft4() + StockCount);
        line(variants, 3, PosX[4], AuxPile2Y + Scaled(55), PosX[7], count);
    } else if (game == Wish) {
        CountMoves4(count);
        line(Tx(TxtLCards), 1, PosX[1], button7Top + Scaled(3), PosX[4], PileCardsLeft4());
        line(variants, 2, PosX[1], button7Top + Scaled(33), PosX[4], count);
    } else if (IsMonteCarlo(game)) {
        CountMoves4(count);
        const int right = GridX[5][4] + W;
        line(Tx(TxtLCards), 1, GridX[2][4], button7Top + Scaled(10), right, MonteCardsLeft4());
        line(variants, 2, GridX[2][4], button7Top + Scaled(40), right, count);
    } else if (IsGridGame(game)) {
        // The won flag belongs to the end test; the panel only reads the count.
        const int won = GameWon;
        CountMoves4(count);
        GameWon = won;
        const int y = GridY[11][7] + CardHeight + Scaled(5);
        line(Tx(TxtLCards), 1, GridX[1][7], y, GridX[3][7] + W, GridCards4());
        if (game != Pyramid)
            line(Tx(TxtBullet), 3, GridX[6][7], y, GridX[8][7] + W, PassCount);
        line(variants, 2, GridX[11][7], y, GridX[13][7] + W, count);
    }
}

void GameResult4()
{
    using namespace FCount;
    const int game = CurrentGameId;
    const bool won = GameWon != 0;
    CountPlayerName = ClubPlayer::CurrentPlayerName.left(20);
    CountRound = PlayerRounds;
    CountPasses = 0;
    CountScoreBefore = PlayerScore;
    int left = 0;
    int extra = 0;
    if (game == Book) {
        CountLayout = 0;
        left = BookCardsLeft4();
        extra = BookUnorderedRows();
        CountDealScore = won ? 200 : 100 - left - 5 * extra;
    } else if (game == Pairs || game == Wish) {
        CountLayout = 0;
        left = PileCardsLeft4();
        if (game == Pairs) {
            for (int s = 1; s <= 104; ++s)
                if (HoldsCard(StockCards[s]))
                    ++left;
            extra = StockCount == 0 ? NonEmptyPiles() : 0;
        } else {
            extra = NonEmptyPiles();
        }
        CountDealScore = won ? 200 : 100 - left - 5 * extra;
    } else if (IsMonteCarlo(game) || game == Pyramid) {
        CountLayout = 4;
        left = IsMonteCarlo(game) ? MonteCardsLeft4() : GridCards4();
        CountDealScore = won ? 200 : 100 - left;
    } else if (IsGridGame(game)) {
        CountLayout = 6;
        left = GridCards4();
        CountDealScore = won ? 200 - 5 * (PassCount - 1) : 100 - left;
    }
    CountCardsLeft = left;
    CountExtra = extra;
    NewTotalScore = PlayerScore + CountDealScore;
    CountTotal = NewTotalScore;
}

} // namespace Group4
