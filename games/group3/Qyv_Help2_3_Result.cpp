// The score record of a group-3 round and the info panel of the seven games that have
// one.
#include "games/group3/Qyv_Help2_3.h"

#include "games/kit/KitTable.h"

#include "foundation/ClubPlayer.h"
#include "foundation/DrawHelpers.h"
#include "foundation/Qyv_FCount.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"

namespace Group3 {

using namespace GameState;
using Scaling::Scaled;

namespace {

// Cards in a (possibly nested) array of card codes.
int CardsIn(const TCardCode& c)
{
    return HoldsCard3(c) ? 1 : 0;
}

template <class Range>
int CardsIn(const Range& range)
{
    int n = 0;
    for (const auto& e : range)
        n += CardsIn(e);
    return n;
}

int CardsInPiles(int piles, int depth)
{
    int n = 0;
    for (int p = 1; p <= piles; ++p)
        for (int s = 1; s <= depth; ++s)
            if (HoldsCard3(PileCards[p][s]))
                ++n;
    return n;
}

int CardsInFirst(const Cards104& cards, int depth)
{
    int n = 0;
    for (int s = 1; s <= depth; ++s)
        if (HoldsCard3(cards[s]))
            ++n;
    return n;
}

int CompleteFoundations(int count)
{
    int n = 0;
    for (int f = 1; f <= count; ++f)
        if (FoundationCounts[f] == 14)
            ++n;
    return n;
}

int FigCardsLeft()
{
    int n = 0;
    for (int p = 1; p <= 15; ++p) {
        const int k = PileCounts[p];
        if (k < 2 || k > 4)
            continue;
        bool equal = true;
        for (int s = 2; s <= k; ++s)
            equal = equal && PileValues[p][s] == PileValues[p][1];
        if (!equal)
            n += k;
    }
    return n;
}

int FigCompletePiles()
{
    int n = 0;
    for (int p = 1; p <= 15; ++p)
        if (PileCounts[p] == 4 && PileValues[p][2] == PileValues[p][1] && PileValues[p][3] == PileValues[p][1]
            && PileValues[p][4] == PileValues[p][1])
            ++n;
    return n;
}

} // namespace

void GameResult3()
{
    using namespace FCount;
    const int game = CurrentGameId;
    if (!IsGroup3Game(game))
        return;
    const bool won = GameWon != 0;
    CountPlayerName = ClubPlayer::CurrentPlayerName.left(20);
    CountRound = PlayerRounds;
    CountScoreBefore = PlayerScore;
    int& L = CountCardsLeft;
    int& E = CountExtra;
    switch (game) {
    case PictureGallery: {
        CountLayout = 0;
        CountPasses = 0;
        L = CardsIn(GalleryCards) + (ExtraPileCount < 100 ? 105 - ExtraPileCount : 0);
        E = 24;
        for (int c = 1; c <= 8; ++c)
            for (int r = 1; r <= 3; ++r)
                if (HoldsCard3(PileCards2[c][r][4]))
                    --E;
        CountDealScore = won ? 200 : 100 - L - 5 * E;
        break;
    }
    case Desire: {
        CountLayout = 0;
        CountPasses = 0;
        L = CardsInPiles(8, 12) + CardsIn(DesireReserveCards);
        if (DesireReservesEmpty()) {
            E = 0;
            for (int c = 1; c <= 8; ++c)
                if (PileCounts[c] != 0)
                    ++E;
        } else {
            E = 8;
        }
        CountDealScore = won ? 200 : 100 - L - 5 * E;
        break;
    }
    case Twenty: {
        CountLayout = 0;
        CountPasses = 0;
        L = CardsInFirst(StockCards, 104);
        for (int a = 1; a <= 7; ++a)
            for (int b = 1; b <= 3; ++b)
                for (int s = 1; s <= 5; ++s)
                    if (HoldsCard3(PileCards2[a][b][s]))
                        ++L;
        E = CompleteFoundations(8);
        CountDealScore = won ? 200 : 100 - L + 5 * E;
        break;
    }
    case Calculation:
        CountLayout = 0;
        CountPasses = 0;
        L = CardsInPiles(4, 48) + CardsInFirst(WasteCards, 52);
        E = CompleteFoundations(4);
        CountDealScore = won ? 200 : 100 - L + 5 * E;
        break;
    case Sultan: {
        CountLayout = 2;
        CountPasses = PassCount;
        CountGameScore = MoveCounter;
        L = 104 - CardsIn(SultanCards);
        E = 0;
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 3; ++c) {
                if (r == 1 && c == 2)
                    E += SultanNext[r][c] == 13 ? 1 : 0;
                else
                    E += SultanNext[r][c] == 14 ? 1 : 0;
            }
        CountDealScore = won ? 400 + 100 * (3 - PassCount) - MoveCounter : 100 - L + 5 * E;
        break;
    }
    case Backbone: {
        CountLayout = 2;
        CountPasses = PassCount;
        CountGameScore = MoveCounter;
        L = CardsIn(BackboneCards) + CardsInFirst(StockCards, 104) + CardsInFirst(WasteCards, 104);
        E = 0;
        for (int f = 1; f <= 8; ++f)
            E += BackboneFoundationNext[f] == 14 ? 1 : 0;
        CountDealScore = won ? 400 + 100 * (2 - PassCount) - MoveCounter : 100 - L + 5 * E;
        break;
    }
    case Carpet:
        CountLayout = 7;
        CountGameScore = MoveCounter;
        L = CardsInFirst(StockCards, 52) + CardsInFirst(WasteCards, 52);
        CountDealScore = won ? 200 - MoveCounter : 50 - L;
        break;
    case Fig:
        CountLayout = 0;
        CountPasses = PassCount;
        CountGameScore = MoveCounter;
        L = FigCardsLeft();
        E = FigCompletePiles();
        CountDealScore = won ? 200 : 100 - L + 5 * E;
        break;
    case FlowerGarden:
        CountLayout = 7;
        CountPasses = PassCount;
        CountGameScore = MoveCounter;
        L = CardsIn(SadReserveCards) + CardsInPiles(6, 20);
        CountDealScore = won ? 200 - MoveCounter : 50 - L;
        break;
    case EightSages:
        CountLayout = 8;
        CountPasses = PassCount;
        CountGameScore = MoveCounter;
        L = CardsInFirst(WasteCards, 104) + CardsInFirst(StockCards, 104);
        CountDealScore = won ? 400 + 100 * (2 - PassCount) - MoveCounter : 100 - L;
        break;
    default:
        break;
    }
    NewTotalScore = PlayerScore + CountDealScore;
    CountTotal = NewTotalScore;
}

namespace {

struct PanelLine {
    QString label;
    int value;
    int y;
    int left;
    int right;
};

constexpr platform::TColor LineColors[3] = {0x00FF9696, 0x00FF96FF, 0x0000FFFF};

} // namespace

void DrawInfoPanel3()
{
    auto* table = Kit::TableImage();
    if (!table)
        return;
    platform::Canvas& canvas = table->canvas();
    canvas.font.height = Scaling::FontHeightFor(Scaled(26), QStringLiteral("times"));
    canvas.font.name = Settings::FontTimesName;
    canvas.font.italic = true;
    canvas.font.bold = false;
    canvas.brush.style = platform::BrushStyle::Clear;
    const int game = CurrentGameId;
    if (!IsGroup3Game(game) || game == PictureGallery || game == Desire || game == Twenty)
        return;

    int variants = 0;
    CountMoves3(variants);
    GameResult3();
    using Texts::Tx;
    const QString moves = Tx(Texts::TxtMoves);
    const QString bullet = Tx(Texts::TxtBullet);
    const QString cardsLeft = Tx(Texts::TxtLCards);
    const QString variantsLabel = Tx(Texts::TxtVariants) + QLatin1Char(':');
    const int W = CardWidth;
    const int H = CardHeight;

    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    PanelLine lines[3];
    // Three lines one under the other in a box from (x0, y0) to (x1, y1).
    auto stacked = [&](int firstY, int step, int left, int right) {
        for (int i = 0; i < 3; ++i) {
            lines[i].y = firstY + i * step;
            lines[i].left = left;
            lines[i].right = right;
        }
    };
    switch (game) {
    case Calculation: {
        const int y = PosY[1] + H + Scaled(100);
        const int right = PosX[1] - Scaled(20);
        stacked(y, Scaled(45), Scaled(10), right);
        x0 = Scaled(10) - Scaled(5);
        y0 = y - Scaled(5);
        x1 = right + Scaled(5);
        y1 = y0 + Scaled(120);
        break;
    }
    case Sultan:
        stacked(Scaled(30), Scaled(25), Scaled(30), AuxPile2X - Scaled(30));
        x1 = AuxPile2X - Scaled(30) + Scaled(5);
        y1 = GridY[1][1] - 1;
        break;
    case Backbone: {
        const int y = AuxPile2Y + H + Scaled(30);
        lines[0] = {{}, 0, y, FoundationPosX[1], FoundationPosX[2] + W};
        lines[1] = {{}, 0, y, BackboneX[1], BackboneX[12] + W};
        lines[2] = {{}, 0, y, FoundationPosX[5], FoundationPosX[6] + W};
        x0 = FoundationPosX[1] - Scaled(10);
        y0 = y - Scaled(10);
        x1 = FoundationPosX[6] + W + Scaled(10);
        y1 = y + Scaled(30) + Scaled(10);
        break;
    }
    case Carpet: {
        const int below = H + Scaled(30);
        lines[0] = {{}, 0, GridY[1][4] + below, FoundationPosX[1], GridX[1][4] + W};
        lines[1] = {{}, 0, GridY[2][4] + below, GridX[2][4] + Scaled(35), GridX[4][4] + W - Scaled(35)};
        lines[2] = {{}, 0, GridY[3][4] + below, GridX[5][4], FoundationPosX[4] + W};
        x0 = FoundationPosX[1] - Scaled(50);
        y0 = GridY[1][4] + below;
        x1 = FoundationPosX[4] + W + Scaled(50);
        y1 = GridY[5][4] + below + Scaled(30);
        break;
    }
    case Fig:
    case FlowerGarden:
    case EightSages: {
        if (game == Fig) {
            x0 = PosX[1] - Scaled(10);
            y0 = PosY[15] + H + 3 * Scaled(30) + Scaled(10) - Scaled(5);
            x1 = PosX[4] - Scaled(2) + 2 * Scaled(10);
        } else {
            y0 = ColumnTop + Scaled(280) + Scaled(10) - Scaled(5);
            x0 = (game == FlowerGarden ? ColumnX[2] : FoundationX[1]) - Scaled(10);
            x1 = game == FlowerGarden ? ColumnX[5] + W + 2 * Scaled(10) : FoundationX[3] + W + Scaled(10);
        }
        y1 = y0 + Scaled(5) + Scaled(90) + (game == EightSages ? 1 : 2) * Scaled(5);
        stacked(y0 + Scaled(5), Scaled(30), x0 + Scaled(10), x1 - Scaled(game == FlowerGarden ? 30 : 10));
        break;
    }
    default:
        return;
    }

    const bool bullets = game == Sultan || game == Backbone || game == EightSages;
    if (game == Calculation) {
        lines[0].label = moves;
        lines[0].value = MoveCounter;
        lines[1].label = Tx(Texts::TxtScore);
        lines[1].value = FCount::CountDealScore;
    } else {
        lines[0].label = bullets ? bullet : cardsLeft;
        lines[0].value = bullets ? PassCount : FCount::CountCardsLeft;
        lines[1].label = moves;
        lines[1].value = MoveCounter;
    }
    lines[2].label = variantsLabel;
    lines[2].value = variants;

    Kit::RestoreBackground(canvas, x0, y0, x1 - x0, y1 - y0);
    for (int i = 0; i < 3; ++i) {
        const PanelLine& l = lines[i];
        DrawHelpers::TextOutShadow(l.label, l.left, l.right, l.y, canvas, LineColors[i], 'l');
        DrawHelpers::TextOutShadow(QString::number(l.value), l.left, l.right, l.y, canvas, LineColors[i], 'r');
    }
}

} // namespace Group3
