// The group-2 info panels and the points of a deal for the score window.
#include "games/group2/Qyv_Help2_2.h"

#include "games/kit/KitTable.h"

#include "foundation/ClubPlayer.h"
#include "foundation/DrawHelpers.h"
#include "foundation/Qyv_FCount.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"

#include <QList>
#include <algorithm>

namespace Group2 {

using namespace GameState;
using Scaling::Scaled;

namespace {

bool HoldsCard(const TCardCode& c) { return !(c == cards::Empty); }

constexpr platform::TColor Navy = 0x800000;
constexpr platform::TColor Purple = 0x800080;
constexpr platform::TColor LightBlue = 0xFF9696;
constexpr platform::TColor Pink = 0xFF96FF;
constexpr platform::TColor Yellow = 0x00FFFF;

// One label and its number on a panel line: the label starting at labelX, the number
// ending at numberRight.
struct PanelText {
    QString label;
    int labelX;
    int number;
    int numberRight;
    int y;
    platform::TColor color;
};

// Restores the panel's box, widened to hold every line whole (text drawn over its own
// remains thickens at each repaint), then writes the lines with their shadows.
void DrawShadowPanel(platform::Canvas& canvas, int x1, int y1, int x2, int y2, const QList<PanelText>& lines)
{
    const int textHeight = canvas.textHeight(QStringLiteral("0"));
    for (const PanelText& t : lines) {
        x1 = std::min(x1, t.labelX - 2);
        x2 = std::max(x2, t.numberRight + 3);
        y1 = std::min(y1, t.y - 2);
        y2 = std::max(y2, t.y + textHeight + 3);
    }
    Kit::RestoreBackground(canvas, x1, y1, x2 - x1, y2 - y1);
    for (const PanelText& t : lines) {
        DrawHelpers::TextOutShadow(t.label, t.labelX, 0, t.y, canvas, t.color, 'l');
        DrawHelpers::TextOutShadow(QString::number(t.number), 0, t.numberRight, t.y, canvas, t.color, 'r');
    }
}

QString Variants() { return Texts::Tx(Texts::TxtVariants) + QLatin1Char(':'); }

void DrawTulipPanel(platform::Canvas& canvas)
{
    const int L = BoardRects[1][1];
    const int T = BoardRects[1][2];
    const int right = L + Scaled(130) + 1; // the shadow text ends one left of its X
    const int boxHeight = Scaled(30);
    const struct {
        const Texts::TText* label;
        int number;
        int y;
    } lines[] = {{&Texts::TxtBullet, PassCount, T + Scaled(15)}, {&Texts::TxtMoves, MoveCounter, T + Scaled(55)}};
    for (const auto& line : lines) {
        // The label's box spans the whole line, the number's its column.
        DrawHelpers::DrawShadowText(Texts::Tx(*line.label), L, line.y, Scaled(152), boxHeight, Navy, LightBlue,
                                    true, canvas);
        DrawHelpers::DrawShadowText(QString::number(line.number), right, line.y, Scaled(45), boxHeight, Purple,
                                    Pink, false, canvas);
    }
}

void DrawDeucesPanel(platform::Canvas& canvas, int moves)
{
    const bool nap = CurrentGameId == NapoleonSquare;
    const int xL = nap ? Scaled(10) : PosX[1];
    const int xR = nap ? PosX[1] - Scaled(10) : PosY[3] + CardWidth;
    const int y0 = nap ? PosY[4] + Scaled(5) : PosY[3] + CardHeight + Scaled(20);
    const int x1 = nap ? Scaled(10) - Scaled(5) : xL - Scaled(5);
    const int x2 = nap ? xR + 2 * Scaled(5) : xR + Scaled(5);
    const QString score = Texts::Tx(Texts::TxtScore) + (nap ? QStringLiteral(":") : QString());
    DrawShadowPanel(canvas, x1, y0 - Scaled(5), x2, y0 - Scaled(5) + Scaled(120),
                    {{Texts::Tx(Texts::TxtMoves), xL, MoveCounter, xR, y0, LightBlue},
                     {score, xL, FCount::CountDealScore, xR, y0 + Scaled(30), Pink},
                     {Variants(), xL, moves, xR, y0 + Scaled(60), Yellow}});
}

void DrawGolfPanel(platform::Canvas& canvas, int moves)
{
    const int W = CardWidth;
    const int H = CardHeight;
    const int left = GolfCardsLeft2();
    const QString cardsLabel = Texts::Tx(Texts::TxtLCards);
    int x1, y1, x2, y2;
    switch (CurrentGameId) {
    case GolfPeak: {
        x1 = GridX[1][7] - Scaled(10);
        y1 = GridY[11][7] + H + Scaled(10);
        x2 = GridX[13][7] + W + Scaled(10);
        y2 = y1 + Scaled(40);
        const int y = GridY[11][7] + H + Scaled(5);
        DrawShadowPanel(canvas, x1, y1, x2, y2,
                        {{cardsLabel, GridX[1][7], left, GridX[3][7] + W, y, LightBlue},
                         {Variants(), GridX[11][7], moves, GridX[13][7] + W, y, Yellow}});
        return;
    }
    case GolfThreePeaks: {
        x1 = GridX[7][4] - Scaled(10);
        y1 = GridY[13][4] + H + Scaled(35);
        x2 = GridX[13][4] + W + Scaled(10);
        y2 = GridY[11][4] + H + Scaled(35) + Scaled(40);
        const int y = GridY[11][4] + H + Scaled(30);
        DrawShadowPanel(canvas, x1, y1, x2, y2,
                        {{cardsLabel, GridX[7][4], left, GridX[9][4] + W - Scaled(10), y, LightBlue},
                         {Variants(), GridX[11][4] + Scaled(10), moves, GridX[13][4] + W, y, Yellow}});
        return;
    }
    case GolfRug:
        x1 = GridX[1][1] - Scaled(10);
        y1 = GridY[1][5] + H + Scaled(35);
        x2 = GridX[2][1] + W + Scaled(10);
        y2 = y1 + Scaled(70);
        break;
    case GolfDiamond:
        x1 = AuxPile2X - Scaled(10);
        y1 = GridY[1][1];
        x2 = GridX[1][1] + W + Scaled(10) - Scaled(12);
        y2 = GridY[1][1] + Scaled(70);
        break;
    default: // Block
        x1 = GridX[7][1] - Scaled(10);
        y1 = GridY[7][7] + H + Scaled(2);
        x2 = GridX[11][1] + W + Scaled(10);
        y2 = GridY[11][7] + H + Scaled(70);
        break;
    }
    const int labelX = x1 + Scaled(10);
    const int numberRight = x2 - Scaled(10);
    DrawShadowPanel(canvas, x1, y1, x2, y2,
                    {{cardsLabel, labelX, left, numberRight, y1, LightBlue},
                     {Variants(), labelX, moves, numberRight, y1 + Scaled(30), Yellow}});
}

} // namespace

void DrawInfoPanel2()
{
    auto* table = Kit::TableImage();
    const int game = CurrentGameId;
    if (!IsGroup2Game(game))
        return;
    int moves = 0;
    if (!IsTulipFamily(game))
        CountMoves2(moves);
    if (IsDeucesOrNap(game))
        GameResult2();
    if (!table)
        return;
    platform::Canvas& canvas = table->canvas();
    canvas.font.name = Settings::FontTimesName;
    canvas.font.height = Scaling::FontHeightFor(Scaled(26), QStringLiteral("times"));
    canvas.font.italic = true;
    canvas.font.bold = false;
    canvas.brush.style = platform::BrushStyle::Clear;
    if (IsTulipFamily(game))
        DrawTulipPanel(canvas);
    else if (IsDeucesOrNap(game))
        DrawDeucesPanel(canvas, moves);
    else
        DrawGolfPanel(canvas, moves);
}

void GameResult2()
{
    using namespace FCount;
    const int game = CurrentGameId;
    if (!IsGroup2Game(game))
        return;
    const bool won = GameWon != 0;
    CountPlayerName = ClubPlayer::CurrentPlayerName.left(20);
    CountRound = PlayerRounds;
    CountScoreBefore = PlayerScore;

    if (IsTulipFamily(game)) {
        CountLayout = 2;
        CountPasses = PassCount;
        int rest = 0, rows = 0;
        const int full = game == Paganini ? 9 : 13;
        for (int r = 1; r <= 4; ++r) {
            rest += TulipRowRest(r);
            if (TulipRowRun(r) >= full)
                ++rows;
        }
        CountCardsLeft = rest;
        CountExtra = rows;
        const int passes = game == Tulip ? 3 : game == BlueTulip ? 5 : 1;
        CountDealScore = won ? 300 - MoveCounter + 100 * (passes - PassCount) : 10 * rows + 50 - rest;
        CountGameScore = MoveCounter;
    } else if (IsDeucesOrNap(game)) {
        CountLayout = 5;
        CountPasses = 0;
        int home = 0, complete = 0;
        for (int f = 1; f <= 8; ++f) {
            for (int s = 1; s <= 13; ++s)
                if (HoldsCard(FoundationCards[f][s]))
                    ++home;
            if (FoundationCounts[f] == 14)
                ++complete;
        }
        CountCardsLeft = 104 - home;
        CountExtra = complete;
        CountDealScore = won ? 300 - MoveCounter : 5 * complete + 100 - CountCardsLeft;
        CountGameScore = MoveCounter;
    } else {
        CountLayout = 4;
        CountPasses = 0;
        CountCardsLeft = GolfCardsLeft2();
        CountExtra = 0;
        CountDealScore = won ? StockCount + 200 : 100 - CountCardsLeft;
    }
    NewTotalScore = PlayerScore + CountDealScore;
    CountTotal = NewTotalScore;
}

} // namespace Group2
