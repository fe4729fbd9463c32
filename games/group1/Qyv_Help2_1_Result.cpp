// The points and the score-window fields of a finished group-1 round.
#include "games/group1/Qyv_Help2_1.h"

#include "foundation/Qyv_FCount.h"
#include "foundation/ClubPlayer.h"

namespace Group1 {

using namespace GameState;

namespace {

bool HoldsCard(const TCardCode& c) { return !(c == cards::Empty); }

} // namespace

void GameResult1()
{
    using namespace FCount;
    const int game = CurrentGameId;
    const bool won = GameWon != 0;
    CountPlayerName = ClubPlayer::CurrentPlayerName.left(20);
    CountRound = PlayerRounds;
    CountPasses = PassCount;
    CountGameScore = MoveCounter;
    CountScoreBefore = PlayerScore;

    if (IsVardelin(game)) {
        CountLayout = 2;
        CountCardsLeft = 2 * VardelinWasteCards() + VardelinFaceDownCards();
        CountExtra = CountCoveredPiles1();
        CountDealScore = ComputeScore1();
    } else if (IsScorpion(game)) {
        CountLayout = 3;
        CountCardsLeft = 0;
        CountExtra = 0;
        CountDealScore = won ? 200 : MoveCounter;
    } else if (IsYukon(game)) {
        CountLayout = 4;
        CountCardsLeft = CardsLeftOnTable1();
        CountExtra = 0;
        CountDealScore = won ? 200 : 100 - CountCardsLeft;
    } else if (IsSpider(game)) {
        CountLayout = 2;
        int down = 0;
        for (int p = 1; p <= 10; ++p)
            for (int s = 1; s <= 52; ++s)
                if (HoldsCard(PileCards[p][s]) && PileFaceUp[p][s] == 0)
                    ++down;
        int suits = 0;
        for (int f = 1; f <= 8; ++f)
            if (HoldsCard(FoundationCards[f][1]))
                ++suits;
        CountCardsLeft = down;
        CountExtra = suits;
        CountDealScore = won ? 500 - MoveCounter : 5 * suits + 200 - down;
    } else if (game == FreeCell) {
        CountLayout = 7;
        int left = 0;
        for (int p = 1; p <= 8; ++p)
            for (int s = 1; s <= 19; ++s)
                if (HoldsCard(PileCards[p][s]))
                    ++left;
        for (int c = 1; c <= 4; ++c)
            if (HoldsCard(FreeCellCards[c]))
                ++left;
        CountCardsLeft = left;
        CountDealScore = won ? 500 - MoveCounter : 200 - left;
    }

    NewTotalScore = PlayerScore + CountDealScore;
    CountTotal = NewTotalScore;
}

} // namespace Group1
