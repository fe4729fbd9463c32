// The group-5 engine's steps for Uncle Pelk: its columns on the table image, its
// foundations, its deck with the two counters, the deal from the stock and the sequences
// to the foundations, the stuck test, the TabloY and TabloG boards and the gauge. Its
// pictures stand at their own places in the window, so every flight adds the image's
// place and every clearing copies the background at that place.
#include "games/group5/Qyv_Help2_5.h"

#include "foundation/CardDrawing.h"
#include "foundation/CardPictures.h"
#include "foundation/ClubPlayer.h"
#include "foundation/DrawHelpers.h"
#include "foundation/Qyv_FCount.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/Shuffle.h"
#include "foundation/Sprite.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"
#include "platform/Resources.h"

#include <algorithm>

namespace Group5 {

using namespace GameState;
using CardDrawing::DrawCardBack;
using CardDrawing::DrawCardFace;
using platform::Canvas;
using platform::PictureControl;
using platform::TColor;
using Scaling::RoundHalfEven;
using Scaling::Scaled;

namespace {

PictureControl* Image(PictureControl* TTableSurface::*which)
{
    if (!Form1 || StandInTable5)
        return nullptr;
    return Form1->*which;
}

// The background back over a rectangle of an image that stands at its own place.
void ClearOn(PictureControl& image, int x, int y, int w, int h)
{
    const QImage& bg = CardPictures::TableBackground;
    if (bg.isNull() || w <= 0 || h <= 0)
        return;
    image.canvas().draw(x, y, bg.copy(x + image.x(), y + image.y(), w, h));
}

void ClearWhole(PictureControl& image) { ClearOn(image, 0, 0, image.width(), image.height()); }


int FilledSlots(const Cards104& a)
{
    int n = 0;
    for (int s = 1; s <= 104; ++s)
        n += HoldsCard5(a[s]) ? 1 : 0;
    return n;
}

bool IsAce(const TCardCode& c) { return c.rank() == cards::RankAce; }

// The text font of the boards: `FontTimesName` at design height `size`, italic.
void BoardFont(Canvas& c, int size, TColor colour)
{
    c.font.name = Settings::FontTimesName;
    c.font.height = Scaling::FontHeightFor(size, QStringLiteral("times"));
    c.font.italic = true;
    c.font.bold = false;
    c.font.color = colour;
    c.brush.style = platform::BrushStyle::Clear;
}

// The board picture on the background.
void BoardPicture(PictureControl& image, const char* name)
{
    ClearWhole(image);
    const QImage board = platform::resources::image(QString::fromLatin1(name));
    if (!board.isNull())
        image.canvas().draw(0, 0, board);
}

constexpr char FoundationSuitOrder[4] = {cards::SuitHearts, cards::SuitDiamonds, cards::SuitClubs, cards::SuitSpades};

int FoundationX17(int f) { return PelkPitch() * ((f - 1) % 4) + 1; }
int FoundationY17(int f) { return f <= 4 ? 0 : Scaled(100); }

} // namespace

int KolodaMargin() { return Scaling::Scale == 1.0 ? 0 : 5; }

int PelkPitch()
{
    // The wider faces of the larger window sizes would push the fourth column (and
    // foundation) past the image's edge: the pitch closes up so that it fits.
    const int width = Form1 && Form1->ImageStol && !StandInTable5 ? Form1->ImageStol->width() : Scaled(302);
    return std::min(Scaled(4) + CardWidth, (std::max(width, Scaled(302)) - CardWidth - 2) / 3);
}

int PelkTopSlot(int p)
{
    int top = 0;
    for (int s = 1; s <= 13; ++s)
        if (HoldsCard5(PileCards[p][s]))
            top = s;
    return top;
}

void RedrawPelkColumn(int p)
{
    PictureControl* image = Image(&TTableSurface::ImageStol);
    if (p < 1 || p > 8)
        return;
    const int j = p <= 4 ? p : p - 4;
    const int x = PelkPitch() * (j - 1) + 1;
    const int y = p <= 4 ? Scaled(26) : Scaled(118) + 2 * Scaled(26);
    PileBaseX[p] = x;
    PileBaseY[p] = y;
    PileTopX[p] = x;
    for (int k = 1; k <= 13; ++k)
        if (HoldsCard5(PileCards[p][k]))
            PileTopY[p] = y - 2 * (k - 1);
    if (!image)
        return;
    Canvas& c = image->canvas();
    ClearOn(*image, x - 1, y - 24, CardWidth + 1, CardHeight + 24);
    DrawCardFace(x, y, TCardCode("-*"), c);
    for (int k = 1; k <= 13; ++k)
        if (HoldsCard5(PileCards[p][k]))
            DrawCardFace(x, y - 2 * (k - 1), PileCards[p][k], c);
    // The mark under the column: up from an Ace, else down.
    const int w = RoundHalfEven(CardWidth / 2.0) - 5;
    ClearOn(*image, x + w, y + CardHeight + Scaled(2), 10, 20);
    const QImage mark = platform::resources::image(IsAce(PileCards[p][1]) ? QStringLiteral("ImageList4_1")
                                                                            : QStringLiteral("ImageList4_0"));
    if (!mark.isNull())
        c.draw(x + w, y + CardHeight + Scaled(2), mark);
}

void RedrawPelkFoundation(int f)
{
    PictureControl* image = Image(&TTableSurface::ImageTuzi);
    if (!image || f < 1 || f > 8)
        return;
    const char suit = PelkFoundationSuits[f];
    DrawCardFace(FoundationX17(f), FoundationY17(f),
                 suit == '#' ? TCardCode("-0") : TCardCode(cards::RankKing, suit), image->canvas());
    image->update();
}

void RedrawPelkDeck()
{
    // Each layer stands for 16 cards and lies 2 pixels above the one under it.
    const auto layers = [](const Cards104& stack) {
        int n = 0;
        for (int i = 1; i <= 6; ++i)
            if (HoldsCard5(stack[(i - 1) * 16 + 1]))
                n = i;
        return n;
    };
    const int y = Scaled(50);
    int x1 = Scaled(KolodaMargin()) + 1;
    int x2 = Scaled(2) + CardWidth + 3 * Scaled(KolodaMargin());
    // Both stacks stay inside the deck image whatever the face width.
    if (x2 + CardWidth > Scaled(150) - 1) {
        x2 = Scaled(150) - CardWidth - 1;
        x1 = std::clamp(x2 - CardWidth - Scaled(2), 1, x1);
    }
    const int wasteLayers = layers(WasteCards);
    const int stockLayers = layers(StockCards);
    AuxPile1X = x1;
    AuxPile1Y = y - 2 * std::max(0, wasteLayers - 1);
    AuxPile2X = x2;
    AuxPile2Y = y - 2 * std::max(0, stockLayers - 1);
    PictureControl* image = Image(&TTableSurface::ImageKoloda);
    if (!image)
        return;
    Canvas& c = image->canvas();
    ClearOn(*image, x1, y - 10, CardWidth, CardHeight + 10);
    for (int i = 1; i <= 6; ++i)
        if (HoldsCard5(WasteCards[(i - 1) * 16 + 1]))
            DrawCardFace(x1, y - 2 * (i - 1), WasteCards[(i - 1) * 16 + 1], c);
    DrawCardFace(x1, y, TCardCode("-*"), c);
    if (WasteCount > 1 && WasteCount <= 105)
        DrawCardFace(x1, AuxPile1Y, WasteCards[WasteCount - 1], c);
    ClearOn(*image, x2, y - 10, CardWidth, CardHeight + 10);
    for (int i = 1; i <= stockLayers; ++i)
        if (HoldsCard5(StockCards[(i - 1) * 16 + 1]))
            DrawCardBack(x2, y - 2 * (i - 1), c);
    if (StockCount == 0)
        DrawCardFace(AuxPile2X, AuxPile2Y, TCardCode(PassCount <= 2 ? "-y" : "-n"), c);
    const QImage box = platform::resources::image(QStringLiteral("ImageSm"));
    const int w = Scaled(50);
    const int h = Scaled(30);
    for (const int left : {Scaled(12), Scaled(83)}) {
        ClearOn(*image, left, Scaled(4), w, h);
        if (!box.isNull())
            c.stretchDraw(QRect(left, Scaled(4), w, h), box);
    }
    c.brush.style = platform::BrushStyle::Clear;
    c.font.name = Settings::FontTimesName;
    c.font.height = Scaling::FontHeightFor(Scaled(16), QStringLiteral("times"));
    c.font.italic = false;
    c.font.bold = false;
    c.font.color = 0xFF0000;
    DrawHelpers::TextOutCentered(QString::number(WasteCount - 1), Scaled(12), Scaled(12) + w, Scaled(12), c);
    DrawHelpers::TextOutCentered(QString::number(StockCount), Scaled(83), Scaled(83) + w, Scaled(12), c);
    image->update();
}

void DealFromKolodaPelk()
{
    if (StockCount < 1 || StockCount > 104 || WasteCount < 1 || WasteCount > 104)
        return;
    const TCardCode card = StockCards[StockCount];
    const Byte value = StockValues[StockCount];
    StockCards[StockCount] = cards::Empty;
    StockValues[StockCount] = cards::EmptyValue;
    --StockCount;
    const int fromX = SideAreaRect[1] + AuxPile2X;
    const int fromY = SideAreaRect[2] + AuxPile2Y;
    RedrawPelkDeck();
    if (Settings::MoveMode != 0 && Form1 && Form1->ImageKoloda) {
        Form1->ImageKoloda->repaintNow();
        Sprite::SpriteFly(fromX, fromY, SideAreaRect[1] + AuxPile1X, SideAreaRect[2] + AuxPile1Y, FlySpeed, card, 1);
    }
    WasteCards[WasteCount] = card;
    WasteValues[WasteCount] = value;
    ++WasteCount;
    RedrawPelkDeck();
    const int s = SelectedPile;
    if (s >= 1 && s <= 8)
        if (PictureControl* table = Image(&TTableSurface::ImageStol)) {
            CardDrawing::DrawCardOutline(PileTopX[s], PileTopY[s], 1, table->canvas());
            table->update();
        }
    SelectedPile = 0;
}

void SequenceToFoundation5(int Column)
{
    if (CurrentGameId != UnclePelk || Column < 1 || Column > 8)
        return;
    const char suit = PileCards[Column][1].suit();
    int f = 0;
    for (int i = 0; i < 4; ++i)
        if (FoundationSuitOrder[i] == suit)
            f = i + 1;
    if (f == 0)
        return;
    if (PelkFoundationSuits[f] != '#')
        f += 4;
    PelkFoundationSuits[f] = suit;
    for (int s = 1; s <= 13; ++s) {
        PileCards[Column][s] = cards::Empty;
        PileValues[Column][s] = cards::EmptyValue;
    }
    RedrawPelkColumn(Column);
    if (Settings::MoveMode != 0 && Form1 && Form1->ImageStol) {
        Form1->ImageStol->repaintNow();
        Sprite::SpriteFly(PileTopX[Column] + MainAreaRect[1], PileTopY[Column] + MainAreaRect[2] - 26,
                          FoundationX17(f) + TopAreaRect[1], FoundationY17(f) + TopAreaRect[2] - 24, FlySpeed,
                          TCardCode(cards::RankKing, suit), 13);
    }
    RedrawPelkFoundation(f);
    PelkRefillPending = 1;
    PelkColumnWaiting[Column] = 1;
    PelkAceBase[Column] = 0;
}

bool CountPelk()
{
    int out = 0;
    for (int f = 1; f <= 8; ++f)
        out += PelkFoundationSuits[f] != '#' ? 1 : 0;
    if (out == 8)
        return true;
    if (PassCount != 3 || StockCount != 0 || HoldsCard5(StockCards[1]))
        return false;
    const int wt = WasteCount >= 2 && WasteCount <= 105 ? WasteCount - 1 : 0;
    for (int p = 1; p <= 8; ++p) {
        const int top = PelkTopSlot(p);
        if (top == 0)
            return false;
        if (wt == 0)
            continue;
        const TCardCode& w = WasteCards[wt];
        const int wv = WasteValues[wt];
        if (w.suit() != PileCards[p][top].suit())
            continue;
        const int tv = PileValues[p][top];
        if (PelkAceBase[p] ? wv == tv + 1 : wv == tv - 1)
            return false;
        // The waste's Ace slides under a downward column whose top is not its 2.
        if (!PelkAceBase[p] && IsAce(w) && tv != 1)
            return false;
    }
    for (int c = 1; c <= 8; ++c)
        for (int p = 1; p <= 8; ++p) {
            if (c == p)
                continue;
            const int ct = PelkTopSlot(c);
            const int pt = PelkTopSlot(p);
            const bool sameSuit = PileCards[c][ct].suit() == PileCards[p][pt].suit();
            if (!PelkAceBase[c] && !PelkAceBase[p] && sameSuit && PileValues[c][1] == PileValues[p][pt] - 1)
                return false;
            if (!PelkAceBase[c] && PelkAceBase[p] && sameSuit && PileValues[c][ct] == PileValues[p][pt] + 1)
                return false;
        }
    return true;
}

void DealPelk()
{
    ShuffleDeck104();
    for (int p = 1; p <= 8; ++p) {
        PileCards[p][1] = DealCards[p];
        PileValues[p][1] = DealValues[p];
        PelkAceBase[p] = IsAce(DealCards[p]) ? 1 : 0;
        PelkColumnWaiting[p] = 0;
        PelkFoundationSuits[p] = '#';
    }
    PelkRefillPending = 0;
    StockCount = 0;
    for (int i = 9; i <= 104; ++i) {
        ++StockCount;
        StockCards[StockCount] = DealCards[i];
        StockValues[StockCount] = DealValues[i];
    }
    WasteCount = 1;
    PassCount = 1;
    if (Form1 && !StandInTable5)
        for (PictureControl* image : {Form1->ImageKoloda, Form1->ImageTuzi, Form1->ImageKon, Form1->ImageHelp,
                                      Form1->ImageTablo2})
            if (image)
                image->setVisible(true);
    for (int f = 1; f <= 8; ++f)
        RedrawPelkFoundation(f);
    for (int p = 1; p <= 8; ++p)
        RedrawPelkColumn(p);
    RedrawPelkDeck();
    DrawTabloY5(true);
    DrawProgress5(true);
}

void DrawTabloY5(bool Redraw)
{
    PictureControl* image = Image(&TTableSurface::ImageKon);
    if (!image || CurrentGameId != UnclePelk)
        return;
    Canvas& c = image->canvas();
    static constexpr int rows[3] = {130, 190, 220};
    if (Redraw) {
        BoardPicture(*image, "TabloY");
        BoardFont(c, 23, 0xFF0000);
        for (int i = 0; i < 3; ++i)
            TabloBitmaps[i + 1] = c.image().copy(97, rows[i], 70, 20).scaled(75, 20);
        DrawHelpers::TextOutCentered(Texts::Tx(Texts::TxtPlayer), 33, 167, 40, c);
        QString name = ClubPlayer::CurrentPlayerName.left(20);
        while (name.endsWith(QLatin1Char(' ')))
            name.chop(1);
        c.font.color = 0x0000FF;
        for (const int h : {21, 19, 17, 15}) {
            if (c.textWidth(name) <= 135)
                break;
            c.font.height = Scaling::FontHeightFor(h, QStringLiteral("times"));
        }
        DrawHelpers::TextOutCentered(name, 33, 167, 70, c);
        BoardFont(c, 23, 0xFF0000);
        c.textOut(33, 100, Texts::Tx(Texts::TxtRound));
        c.textOut(33, 160, Texts::Tx(Texts::TxtScore));
        c.textOut(33, 130, Texts::Tx(Texts::TxtBullet));
        c.textOut(33, 190, Texts::Tx(Texts::TxtMoves));
        c.textOut(33, 220, Texts::Tx(Texts::TxtPack));
        c.font.color = 0x0000FF;
        DrawHelpers::TextOutRight(QString::number(PlayerRounds), 167, 100, c);
        DrawHelpers::TextOutRight(QString::number(PlayerScore), 167, 160, c);
    }
    BoardFont(c, 23, 0x0000FF);
    const int numbers[3] = {PassCount, MoveCounter, FilledSlots(WasteCards) + FilledSlots(StockCards)};
    for (int i = 0; i < 3; ++i) {
        if (!TabloBitmaps[i + 1].isNull())
            c.draw(97, rows[i], TabloBitmaps[i + 1]);
        DrawHelpers::TextOutRight(QString::number(numbers[i]), 167, rows[i], c);
    }
    image->update();
}

int PelkPoints()
{
    int out = 0;
    for (int f = 1; f <= 8; ++f)
        out += PelkFoundationSuits[f] != '#' ? 1 : 0;
    const bool won = out == 8;
    return won ? 800 - MoveCounter - 100 * PassCount : 10 * out - FilledSlots(WasteCards) + 50;
}

void DrawTabloG5()
{
    if (CurrentGameId != UnclePelk)
        return;
    if (Form1 && Form1->Button7)
        Form1->Button7->setEnabled(false);
    int out = 0;
    for (int f = 1; f <= 8; ++f)
        out += PelkFoundationSuits[f] != '#' ? 1 : 0;
    if (out == 8)
        GameWon = 1;
    const int points = PelkPoints();
    NewTotalScore = PlayerScore + points;
    PictureControl* image = Image(&TTableSurface::ImageTablo2);
    if (!image)
        return;
    image->setVisible(true);
    BoardPicture(*image, "TabloG");
    Canvas& c = image->canvas();
    BoardFont(c, 23, 0xFF00FF);
    DrawHelpers::TextOutCentered(Texts::Tx(GameWon ? Texts::TxtVictory : Texts::TxtLose), 33, 167, 40, c);
    DrawHelpers::TextOutCentered(Texts::Tx(GameWon ? Texts::TxtCameOut : Texts::TxtNotCameOut), 33, 167, 57, c);
    c.textOut(33, 87, Texts::Tx(Texts::TxtScore));
    c.textOut(33, 117, Texts::Tx(Texts::TxtGeneral));
    c.font.color = 0x4080FF;
    DrawHelpers::TextOutRight(QString::number(points), 167, 87, c);
    DrawHelpers::TextOutRight(QString::number(NewTotalScore), 167, 117, c);
    image->update();
}

void ProgressPixels(int X, int Y, TColor Color)
{
    PictureControl* image = Image(&TTableSurface::ImageHelp);
    if (!image)
        return;
    Canvas& c = image->canvas();
    for (int i = 0; i <= 2; ++i)
        c.setPixel(X + i, Y, Color);
}

void DrawProgress5(bool Full)
{
    PictureControl* image = Image(&TTableSurface::ImageHelp);
    if (!image || CurrentGameId != UnclePelk)
        return;
    Canvas& c = image->canvas();
    const QImage gauge = platform::resources::image(QStringLiteral("ImageGisto"));
    const int xs[3] = {20, 80, 140};
    const int pass = std::clamp(PassCount, 1, 3);
    for (int i = 0; i < 3; ++i)
        if ((Full || pass == i + 1) && !gauge.isNull())
            c.drawTransparent(xs[i], 25, gauge.copy(0, 0, 31, 111), 0xC0C0C0);
    const int n = 104 - FilledSlots(WasteCards) - FilledSlots(StockCards);
    const int p = std::clamp(RoundHalfEven(n / 104.0 * 100), 0, 100);
    const int x = xs[pass - 1];
    ClearOn(*image, x, 0, 31, 16);
    c.brush.style = platform::BrushStyle::Clear;
    c.font.name = Settings::FontSerifName;
    c.font.height = Scaling::FontHeightFor(16, QStringLiteral("serif"));
    c.font.italic = false;
    c.font.color = 0x00FFFF;
    DrawHelpers::TextOutCentered(QString::number(p) + QLatin1Char('%'), x, x + 31, 0, c);
    for (int r = 109; r >= 110 - p; --r) {
        const int y = r + 25;
        c.setPixel(x + 14, y, 0x823C96);
        ProgressPixels(x + 11, y - 1, 0x823C96);
        ProgressPixels(x + 8, y - 2, 0x823C96);
        ProgressPixels(x + 5, y - 3, 0x823C96);
        ProgressPixels(x + 2, y - 4, 0x823C96);
        c.setPixel(x + 1, y - 5, 0x823C96);
        c.setPixel(x + 16, y, 0x8C42C0);
        ProgressPixels(x + 17, y - 1, 0x8C42C0);
        ProgressPixels(x + 20, y - 2, 0x8C42C0);
        ProgressPixels(x + 23, y - 3, 0x8C42C0);
        ProgressPixels(x + 26, y - 4, 0x8C42C0);
        c.setPixel(x + 29, y - 5, 0x8C42C0);
    }
    const QImage level = platform::resources::image(QStringLiteral("ImageListG_0"));
    const QImage frame = platform::resources::image(QStringLiteral("ImageListG_1"));
    if (!level.isNull())
        c.draw(x, 125 - p, level);
    if (!frame.isNull())
        c.draw(x, 25, frame);
    image->update();
}

} // namespace Group5
