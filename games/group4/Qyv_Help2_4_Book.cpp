// Book's rules, hit test, stock turn, turned-cards panel and running score.
#include "games/group4/Qyv_Help2_4.h"

#include "games/kit/KitTable.h"

#include "foundation/CardPictures.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/Sprite.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/Cp1251.h"
#include "platform/PictureControl.h"
#include "platform/Resources.h"

#include <algorithm>

namespace Group4 {

using namespace GameState;
using Scaling::Scaled;

namespace {

bool HoldsCard(const TCardCode& c) { return !(c == cards::Empty); }

// Ace 0, two 1 .. King 12; -1 for no card.
int RankIndex(const TCardCode& c)
{
    const int order = cards::rankOrder(c.rank());
    if (order < 0)
        return -1;
    return order == 12 ? 0 : order + 1;
}

bool IsAce(const TCardCode& c) { return c.rank() == cards::RankAce; }

// The suit of foundation F: 1, 2 hearts; 3, 4 diamonds; 5, 6 clubs; 7, 8 spades.
char FoundationSuit(int F) { return cards::SuitOrder[(F - 1) / 2]; }

// Does the point lie in row band k (1..4)?
bool InBand(int Y, int k)
{
    const int top = BookBounds[2];
    const int step = BookBounds[5];
    return top + (k - 1) * step <= Y && Y <= top + k * step;
}

int CountCards(const Cards104& pile)
{
    int n = 0;
    for (int s = 1; s <= 104; ++s)
        if (HoldsCard(pile[s]))
            ++n;
    return n;
}

// The cream of the turned-cards panel.
constexpr platform::TColor PanelCream = 0xE2F6FB;

// The main window's panel picture once one of the panel's size is loaded into it; until
// then a drawn cream panel.
QImage PanelPicture()
{
    if (Form1 && Form1->ImageRamka) {
        const platform::Canvas& held = Form1->ImageRamka->canvas();
        if (held.width() == 385 && held.height() == 85)
            return held.image();
    }
    const QImage made = platform::resources::image(QStringLiteral("ImageRamka"));
    if (!made.isNull())
        return made;
    platform::Canvas c(385, 85, PanelCream);
    c.pen.color = 0x40506A;
    c.brush.style = platform::BrushStyle::Clear;
    c.rectangle(0, 0, 385, 85);
    c.rectangle(3, 3, 382, 82);
    return c.image();
}

// The small suit sign of the panel: 0 hearts, 1 diamonds, 2 clubs, 3 spades.
QImage SmallSuitSign(int suit)
{
    static QImage signs[4];
    QImage& sign = signs[suit];
    if (sign.isNull())
        sign = platform::resources::image(QStringLiteral("ImageList3_%1").arg(suit));
    if (sign.isNull()) {
        const QImage full = platform::resources::image(CardPictures::SuitSignResourceName(suit + 1, 0, false));
        if (!full.isNull())
            sign = full.scaled(11, 11, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return sign;
}

QString PanelRankText(char rank)
{
    static const char* english = "JQKA";
    static const char* russian = "\xC2\xC4\xCA\xD2";
    int court = -1;
    switch (rank) {
    case cards::RankJack: court = 0; break;
    case cards::RankQueen: court = 1; break;
    case cards::RankKing: court = 2; break;
    case cards::RankAce: court = 3; break;
    default: return QString(QChar::fromLatin1(rank));
    }
    // Languages other than English and Russian take the English letters.
    if (Texts::LanguageIndex == 1)
        return platform::cp1251::toUnicode(QByteArray(1, russian[court]));
    return QString(QChar::fromLatin1(english[court]));
}

} // namespace

int LastCardIndex4(const Cards104& Row)
{
    for (int s = 16; s >= 1; --s)
        if (HoldsCard(Row[s]))
            return s;
    return 0;
}

bool BookFitsTableau(const TCardCode& Card, const TCardCode& Target)
{
    if ((cards::isRed(Card) && cards::isRed(Target)) || (cards::isBlack(Card) && cards::isBlack(Target)))
        return false;
    if (IsAce(Card))
        return false;
    const int rank = RankIndex(Card);
    if (rank < 1)
        return false;
    if (rank == 12)
        return Target == cards::Empty;
    return RankIndex(Target) == rank + 1;
}

bool BookFitsFoundation(const TCardCode& Card, int F)
{
    if (CurrentGameId != Book || F < 1 || F > 8)
        return false;
    int top = 0;
    for (int s = 1; s <= 13; ++s)
        if (HoldsCard(FoundationCards[F][s]))
            top = s;
    return RankIndex(Card) == top && Card.suit() == FoundationSuit(F);
}

bool BookHitTest(int X, int Y, int& Slot, int& Row, int& Area)
{
    Slot = 0;
    Row = 0;
    Area = AreaNothing;
    bool result = false;
    if (CurrentGameId != Book)
        return false;
    const int leftEdge = BookBounds[1];
    const int rightEdge = BookBounds[3];
    const int s = BookBounds[4];
    const int W = CardWidth;

    // The rows, scanned slot by slot outward: a later hit replaces an earlier one.
    auto scanRows = [&](bool leftSide) {
        for (int i = 1; i <= 16; ++i) {
            for (int k = 1; k <= 4; ++k) {
                const int r = leftSide ? k : k + 4;
                if (!InBand(Y, k))
                    continue;
                const Cards104& row = PileCards[r];
                const bool here = HoldsCard(row[i]);
                const bool nextEmpty = i == 16 || !HoldsCard(row[i + 1]);
                int cardLeft, cardRight, stripLeft, stripRight;
                if (leftSide) {
                    cardRight = leftEdge - (i - 1) * s;
                    cardLeft = cardRight - W;
                    stripLeft = leftEdge - i * s;
                    stripRight = cardRight;
                } else {
                    cardLeft = rightEdge + (i - 1) * s;
                    cardRight = cardLeft + W;
                    stripLeft = cardLeft;
                    stripRight = rightEdge + i * s;
                }
                const bool onStrip = stripLeft <= X && X <= stripRight;
                const bool onCard = cardLeft <= X && X <= cardRight;
                const bool hit = (onStrip && here) || (onCard && here && nextEmpty)
                    || (onCard && i == 1 && !here);
                if (!hit)
                    continue;
                Slot = i;
                Row = r;
                Area = AreaRow;
                result = nextEmpty;
            }
        }
    };
    if (X <= leftEdge)
        scanRows(true);
    if (X >= rightEdge)
        scanRows(false);

    // The foundations: the painted places, so that their whole width takes a drop.
    if (leftEdge < X && X < rightEdge) {
        for (int f = 1; f <= 8; ++f) {
            const TRect4& r = BookFoundationRects[f];
            if (r[1] <= X && X <= r[3] && InBand(Y, (f + 1) / 2)) {
                Slot = f;
                Row = 0;
                Area = AreaFoundation;
                result = false;
            }
        }
    }

    const int wasteTop = WasteTopY4();
    if (BookWasteRect[1] <= X && X <= BookWasteRect[3] && wasteTop <= Y && Y <= wasteTop + CardHeight) {
        Area = AreaWaste;
        result = true;
    }
    return result;
}

void DealFromKoloda4()
{
    if (CurrentGameId != Book || StockCount < 1 || StockCount > 104)
        return;
    const TCardCode card = StockCards[StockCount];
    const Byte value = StockValues[StockCount];
    StockCards[StockCount] = cards::Empty;
    StockValues[StockCount] = cards::EmptyValue;
    --StockCount;
    RedrawStockWaste4();
    if (Settings::MoveMode != 0 && Kit::TableImage()) {
        Kit::TableImage()->repaintNow();
        Sprite::SpriteFly(BookStockRect[1], BookStockRect[2], BookWasteRect[1], WasteTopY4() - 2, FlySpeed, card, 0);
    }
    if (WasteCount < 1 || WasteCount > 104)
        return;
    WasteCards[WasteCount] = card;
    WasteValues[WasteCount] = value;
    ++WasteCount;
    RedrawStockWaste4();
    if (SelectedPile == 9)
        SelectedPile = 0;
}

void BookCardListPos(int n, int& X, int& Y)
{
    static const int lineY[4] = {21, 32, 43, 54};
    const int line = (n - 1) / 16;
    const int entry = (n - 1) % 16 + 1;
    X = BookListRect[1] + Scaled(33) + Scaled(20) * (entry - 1);
    Y = BookListRect[2] + Scaled(lineY[std::clamp(line, 0, 3)]);
}

void BookCardListPanel(bool Redraw)
{
    auto* table = Kit::TableImage();
    if (CurrentGameId != Book || !table)
        return;
    platform::Canvas& canvas = table->canvas();
    if (Redraw)
        canvas.stretchDraw(QRect(BookListRect[1], BookListRect[2], Scaled(385), Scaled(85)), PanelPicture());
    const int n = WasteCount - 1;
    if (n < 0 || n > 64)
        return;
    if (n >= 1) {
        const TCardCode card = WasteCards[n];
        int x, y;
        BookCardListPos(n, x, y);
        canvas.font.name = Settings::FontSerifName;
        canvas.font.height = Scaling::FontHeightFor(16, QStringLiteral("serif"));
        canvas.font.bold = false;
        canvas.font.italic = false;
        canvas.brush.style = platform::BrushStyle::Clear;
        canvas.font.color = cards::isRed(card) ? 0x0000FF : 0x000000;
        if (card.rank() == cards::RankTen) {
            canvas.textOut(x - 2, y - 2, QStringLiteral("1"));
            canvas.textOut(x + 1, y - 2, QStringLiteral("0"));
        } else {
            canvas.textOut(x, y - 2, PanelRankText(card.rank()));
        }
        const int suit = cards::suitOrder(card.suit());
        if (suit >= 0) {
            const QImage sign = SmallSuitSign(suit);
            if (!sign.isNull())
                canvas.draw(x + 7, y, sign);
        }
    }
    if (n == 64)
        return;
    int x, y;
    BookCardListPos(n + 1, x, y);
    canvas.pen.color = PanelCream;
    canvas.pen.mode = platform::PenMode::Copy;
    canvas.brush.color = PanelCream;
    canvas.brush.style = platform::BrushStyle::Solid;
    canvas.rectangle(x - 2, y, x + Scaled(19), y + Scaled(12));
}

void BookCardPos(bool ToFoundation, int Foundation, int Row, int& X, int& Y)
{
    if (ToFoundation) {
        const int f = std::clamp(Foundation, 1, 8);
        X = BookFoundationRects[f][1];
        Y = BookFoundationRects[f][2];
        return;
    }
    const int r = std::clamp(Row, 1, 8);
    const bool left = r <= 4;
    X = left ? BookLeftRects[1][1] : BookRightRects[1][1];
    Y = left ? BookLeftRects[r][2] : BookRightRects[r - 4][2];
    for (int i = 1; i <= 16; ++i)
        if (!HoldsCard(PileCards[r][i])) {
            X += (left ? -1 : 1) * (i - 1) * Scaled(12);
            break;
        }
}

int BookUnorderedRows()
{
    int n = 0;
    for (int r = 1; r <= 8; ++r) {
        const int last = LastCardIndex4(PileCards[r]);
        for (int s = 2; s <= last; ++s)
            if (!BookFitsTableau(PileCards[r][s], PileCards[r][s - 1])) {
                ++n;
                break;
            }
    }
    return n;
}

int BookCardsLeft4() { return CountCards(WasteCards) + CountCards(StockCards); }

int ComputeScore4()
{
    if (CurrentGameId != Book)
        return 0;
    if (GameWon)
        return 200;
    const int s = 100 - BookCardsLeft4() - 5 * BookUnorderedRows();
    return s == 100 ? 200 : s;
}

} // namespace Group4
