// The group-5 info panel, the action buttons and the result of a deal.
#include "games/group5/Qyv_Help2_5.h"

#include "games/kit/KitTable.h"

#include "foundation/ClubPlayer.h"
#include "foundation/DrawHelpers.h"
#include "foundation/Qyv_FCount.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"

#include <QFont>
#include <algorithm>

namespace Group5 {

using namespace GameState;
using platform::Canvas;
using platform::TColor;
using Scaling::RoundHalfEven;
using Scaling::Scaled;

namespace {

constexpr TColor MovesColour = 0xFF9696;
constexpr TColor SecondColour = 0xFF96FF;
constexpr TColor VariantsColour = 0x00FFFF;

int FilledSlots(const Cards104& places, int last)
{
    int n = 0;
    for (int s = 1; s <= last; ++s)
        n += HoldsCard5(places[s]) ? 1 : 0;
    return n;
}

int CardsOnFoundations(int foundations)
{
    int n = 0;
    for (int f = 1; f <= foundations; ++f)
        for (int s = 1; s <= 13; ++s)
            n += HoldsCard5(FoundationCards[f][s]) ? 1 : 0;
    return n;
}

int CompleteFoundations(int foundations)
{
    int n = 0;
    for (int f = 1; f <= foundations; ++f)
        n += FoundationCounts[f] == 14 ? 1 : 0;
    return n;
}

QString Colon(const Texts::TText& t) { return Texts::Tx(t) + QLatin1Char(':'); }

// One label and its number: the label from `left`, the number ending at `right`.
void Pair(Canvas& c, const QString& label, int number, int left, int right, int y, TColor colour)
{
    DrawHelpers::TextOutShadow(label, left, right, y, c, colour, 'l');
    DrawHelpers::TextOutShadow(QString::number(number), left, right, y, c, colour, 'r');
}

// The label and its number on two lines, both centred.
void CentredPair(Canvas& c, const QString& label, int number, int left, int right, int y, int gap, TColor colour)
{
    DrawHelpers::TextOutShadow(label, left, right, y, c, colour, 'c');
    DrawHelpers::TextOutShadow(QString::number(number), left, right, y + gap, c, colour, 'c');
}

} // namespace

int GameResult5()
{
    using namespace FCount;
    CountPlayerName = ClubPlayer::CurrentPlayerName.left(20);
    CountRound = PlayerRounds;
    CountPasses = PassCount;
    CountScoreBefore = PlayerScore;
    CountGameScore = MoveCounter;
    const int game = CurrentGameId;
    const bool won = GameWon != 0;
    int points = 0;
    if (StandInTable5) {
        // No play on the stand-in's table: the series total stays as it was.
        CountDealScore = 0;
        NewTotalScore = PlayerScore;
        CountTotal = NewTotalScore;
        return 0;
    }
    switch (game) {
    case UnclePelk: {
        // This deal's numbers, as the TabloG board shows them.
        CountLayout = 2;
        CountCardsLeft = 0;
        for (int s = 1; s <= 104; ++s)
            CountCardsLeft += HoldsCard5(WasteCards[s]) ? 1 : 0;
        CountExtra = 0;
        for (int f = 1; f <= 8; ++f)
            CountExtra += PelkFoundationSuits[f] != '#' ? 1 : 0;
        points = PelkPoints();
        break;
    }
    case BusyAces:
    case Lucie:
    case Crescent:
    case OpenCrescent:
    case Alzhir:
    case FortyThieves:
    case Miss: {
        CountLayout = 2;
        if (game == BusyAces)
            CountCardsLeft = FilledSlots(WasteCards, 104) + FilledSlots(StockCards, 104);
        else if (game == Lucie)
            CountCardsLeft = 52 - CardsOnFoundations(4);
        else
            CountCardsLeft = 104 - CardsOnFoundations(8);
        CountExtra = CompleteFoundations(game == Lucie ? 4 : 8);
        const int wonPoints = game == BusyAces ? 600 : 500;
        points = won ? wonPoints - MoveCounter : 10 * CountExtra + 100 - CountCardsLeft;
        break;
    }
    case Daemon:
    case Clover: {
        CountLayout = 8;
        if (game == Daemon) {
            CountCardsLeft = FilledSlots(WasteCards, 52) + FilledSlots(StockCards, 52);
            for (int s = 1; s <= 13; ++s)
                CountCardsLeft += HoldsCard5(DemonReserveCards[s]) ? 1 : 0;
        } else {
            CountCardsLeft = 0;
            for (int p = 1; p <= 16; ++p)
                CountCardsLeft += FilledSlots(PileCards[p], 14);
        }
        points = won ? 500 - MoveCounter - 100 * (PassCount - 1) : 100 - CountCardsLeft;
        break;
    }
    default: return 0;
    }
    CountDealScore = points;
    NewTotalScore = PlayerScore + points;
    CountTotal = NewTotalScore;
    return points;
}

void DrawInfoPanel5()
{
    auto* table = Kit::TableImage();
    const int game = CurrentGameId;
    if (!table || StandInTable5 || game == UnclePelk)
        return;
    Canvas& c = table->canvas();
    c.font.name = Settings::FontTimesName;
    c.font.height = Scaling::FontHeightFor(Scaled(game == Lucie ? 20 : 26), QStringLiteral("times"));
    c.font.italic = true;
    c.font.bold = false;
    c.brush.style = platform::BrushStyle::Clear;
    const int W = CardWidth;
    const int H = CardHeight;
    const QString moves = Texts::Tx(Texts::TxtMoves);
    const QString bullet = Texts::Tx(Texts::TxtBullet);
    const QString variants = Colon(Texts::TxtVariants);
    int count = 0;

    switch (game) {
    case BusyAces: {
        const int y = RoundHalfEven((GridY[2][1] + H + Scaling::TableHeight) / 2.0) - Scaled(15);
        const int left = FoundationPosX[2];
        const int right = FoundationPosX[7] + W;
        Kit::RestoreBackground(c, left - Scaled(10), y - Scaled(10), right - left + Scaled(20), Scaled(50));
        Pair(c, moves, MoveCounter, left, FoundationPosX[3] + W, y, MovesColour);
        Pair(c, Colon(Texts::TxtScore), GameResult5(), FoundationPosX[6], right, y, SecondColour);
        return;
    }
    case Lucie: {
        const int width = 2 * Scaled(20) + W;
        const int x1 = GridX[4][4];
        const int y0 = GridY[4][4] + Scaled(10);
        Kit::RestoreBackground(c, x1, y0, width, H);
        CentredPair(c, bullet, PassCount, x1, x1 + width, y0, Scaled(20), SecondColour);
        CentredPair(c, moves, MoveCounter, x1, x1 + width, y0 + Scaled(40), Scaled(20), MovesColour);
        const int x2 = GridX[1][5];
        const int yB = RoundHalfEven((FoundationPosY[4] + H) / 2.0) - Scaled(25);
        Kit::RestoreBackground(c, x2, FoundationPosY[4], width, H);
        CountMoves5(count);
        CentredPair(c, variants, count, x2, x2 + width, yB, Scaled(25), SecondColour);
        return;
    }
    case Crescent:
    case OpenCrescent: {
        const int left = FoundationPosX[1];
        const int right = FoundationPosX[2] + W;
        const int y0 = Scaled(13) + FoundationPosY[5] + H;
        Kit::RestoreBackground(c, left - Scaled(10), y0, right - left + Scaled(20), Scaled(60));
        CountMoves5(count);
        Pair(c, bullet, PassCount, left, right, y0, MovesColour);
        Pair(c, variants, count, left, right, y0 + Scaled(30), SecondColour);
        return;
    }
    case Alzhir: {
        const int y = Scaled(15) + AlzhirReserveY + H;
        const int left = AlzhirReserveX[1] - W - Scaled(2);
        const int right = AlzhirReserveX[6] + 2 * W + Scaled(2);
        Kit::RestoreBackground(c, left - Scaled(10), y, right - left + Scaled(20), Scaled(30));
        CountMoves5(count);
        Pair(c, moves, MoveCounter, left, AlzhirReserveX[1] + W, y, MovesColour);
        Pair(c, Colon(Texts::TxtScore), GameResult5(), AlzhirReserveX[3], AlzhirReserveX[4] + W, y, SecondColour);
        Pair(c, variants, count, AlzhirReserveX[6], right, y, VariantsColour);
        return;
    }
    case Daemon: {
        const int left = std::max(10, AuxPile2X - W);
        const int right = AuxPile2X + W;
        const int y0 = Scaled(20) + DemonReserveY[1];
        Kit::RestoreBackground(c, left - Scaled(10), y0, right - left + Scaled(20), Scaled(130));
        CountMoves5(count);
        Pair(c, moves, MoveCounter, left, right, y0, MovesColour);
        GameResult5();
        Pair(c, bullet, PassCount, left, right, y0 + Scaled(50), SecondColour);
        Pair(c, variants, count, left, right, y0 + Scaled(100), VariantsColour);
        return;
    }
    case Clover:
    case FortyThieves:
    case Miss: {
        const int y = game == Clover ? Scaled(70) + PosY[2] + H + Scaled(2) : Scaled(230) + PosY[1] + H + Scaled(2);
        const int left = PosX[1] + Scaled(10);
        const int right = PosX[6] + W - Scaled(10);
        Kit::RestoreBackground(c, left - Scaled(10), y, right - left + Scaled(20), Scaled(30));
        CountMoves5(count);
        Pair(c, moves, MoveCounter, left, PosX[2] + W - Scaled(10), y, MovesColour);
        if (game == Clover) {
            GameResult5();
            Pair(c, bullet, PassCount, PosX[3] + Scaled(10), PosX[4] + W - Scaled(10), y, SecondColour);
        }
        Pair(c, variants, count, PosX[5] + Scaled(10), right, y, VariantsColour);
        return;
    }
    default: return;
    }
}

void PlaceActionButtons5()
{
    if (!Form1 || !Form1->Button7 || !Form1->Button8)
        return;
    const int W = Scaled(ActionButtonWidth);
    const int H = Scaled(ActionButtonHeight);
    const int CW = CardWidth;
    const int CH = CardHeight;
    int left = 0, top = 0, width = W;
    switch (CurrentGameId) {
    case UnclePelk: {
        const int cx = MainAreaRect[3] + RoundHalfEven((Scaling::TableWidth - MainAreaRect[3]) / 2.0);
        left = cx - RoundHalfEven(W / 2.0);
        top = SideAreaRect[4] + RoundHalfEven((Scaling::TableHeight - SideAreaRect[4]) / 2.0) - H;
        break;
    }
    case BusyAces: {
        const int cx = FoundationPosX[8] - Scaled(2);
        left = cx - RoundHalfEven(W / 2.0);
        top = GridY[2][6] + RoundHalfEven(CH / 2.0) - H;
        break;
    }
    case Lucie: {
        const int cx = GridX[4][5] + RoundHalfEven((CW + 2 * LucieFanSteps[1][5]) / 2.0);
        width = W - Scaled(15);
        left = cx - RoundHalfEven(width / 2.0);
        top = GridY[4][5] + RoundHalfEven(CH / 2.0) - H;
        break;
    }
    case Crescent:
    case OpenCrescent:
        left = FoundationPosX[7] + Scaled(5);
        top = Scaled(10) + FoundationPosY[5] + CH;
        break;
    case Alzhir:
        left = AlzhirReserveX[6] + CW + Scaled(10);
        top = Scaled(20) + AlzhirReserveY;
        width = Scaling::TableWidth - left - Scaled(10);
        break;
    case Daemon:
        left = FoundationX[3];
        top = Scaled(2) + DemonReserveY[13] + CH;
        width = FoundationX[4] + CW - FoundationX[3];
        break;
    case Clover:
        left = PosX[7];
        top = Scaled(70) + PosY[2] + CH + 2;
        width = PosX[8] + CW - PosX[7];
        break;
    case FortyThieves:
    case Miss:
        left = PosX[9];
        top = Scaled(230) + PosY[1] + CH + 2;
        width = PosX[10] + CW - PosX[9];
        break;
    default: return;
    }
    const int fontHeight = Scaling::FontHeightFor(Scaled(20), QStringLiteral("times"));
    for (TQyvCardsButton* b : {Form1->Button7, Form1->Button8}) {
        QFont f = b->font();
        f.setFamily(platform::resolvedFamily(Settings::FontTimesName));
        f.setPixelSize(std::max(1, fontHeight));
        b->setFont(f);
    }
    Form1->Button7->setGeometry(left, top, width, H);
    Form1->Button8->setGeometry(left, top + H, width, H);
}

} // namespace Group5
