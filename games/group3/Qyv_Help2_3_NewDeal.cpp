// The start of a group-3 round: the player's round data, the table laid out, dealt and
// painted, the action buttons, and Picture Gallery's deal buttons and light.
#include "games/group3/Qyv_Help2_3.h"

#include "games/kit/KitTable.h"

#include "foundation/CardDrawing.h"
#include "foundation/CardPictures.h"
#include "foundation/EmptyTable.h"
#include "foundation/FontsAndCursors.h"
#include "foundation/Layout.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/RoundPlayer.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"
#include "platform/Resources.h"

#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace Group3 {

using namespace GameState;
using Scaling::Scaled;

namespace {

// The game modules built so far; the other games deal the empty table with "To menu".
constexpr int BuiltModules[] = {PictureGallery, Desire,   Twenty,       Calculation, Sultan,
                                 Carpet,         Backbone, FlowerGarden, EightSages,  Fig};

void SetTimesFont(QWidget* w, int size)
{
    QFont f = w->font();
    f.setFamily(platform::resolvedFamily(Settings::FontTimesName));
    f.setPixelSize(std::max(1, Scaling::FontHeightFor(size, QStringLiteral("times"))));
    w->setFont(f);
}

bool HasPanel(int game)
{
    return game != PictureGallery && game != Desire && game != Twenty;
}

// Picture Gallery's deal buttons, left of the gallery under its light.
void PlaceDealButtons(TTableSurface& f)
{
    const int c = Scaling::RoundHalfEven(TopAreaRect[1] / 2.0);
    for (QPushButton* b : {f.BitBtn1, f.BitBtn2})
        SetTimesFont(b, Scaled(20));
    f.BitBtn1->setGeometry(c - Scaled(35), MainAreaRect[2] + CardHeight + Scaled(36), Scaled(70), 60);
    f.BitBtn1->setText(QStringLiteral("1/2"));
    f.BitBtn2->setGeometry(c - Scaled(35), MainAreaRect[2] + 2 * CardHeight + 1, Scaled(70), 60);
    f.BitBtn2->setText(Texts::Tx(Texts::TxtGame));
    f.Button7->setEnabled(false);
    for (QPushButton* b : {f.BitBtn1, f.BitBtn2}) {
        b->setVisible(true);
        b->setEnabled(true);
    }
}

void PaintPictureGallery(platform::Canvas& canvas)
{
    for (int i = 1; i <= 8; ++i)
        CardDrawing::DrawCardFace(TopAreaRect[1] + GalleryColX[i], TopAreaRect[2], TCardCode("-0"), canvas);
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 3; ++r)
            CardDrawing::DrawCardFace(MainAreaRect[1] + GalleryColX[c], MainAreaRect[2] + GalleryRowY[r],
                                      PileCards2[c][r][1], canvas);
    for (int i = 1; i <= 10; ++i)
        CardDrawing::DrawCardFace(BottomAreaRect[1] + BottomRowX[i], BottomAreaRect[2] + GalleryRowShift[1],
                                  GalleryCards[i][1], canvas);
    SourceSelected = 0;
    for (int i = 1; i <= 7; ++i)
        CardDrawing::DrawCardBack(SideAreaRect[1], SideAreaRect[2] + (i - 1) * Scaled(20), canvas);
    // A card already lying in its row's starting rank is framed.
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 3; ++r)
            if (RankIndex3(PileCards2[c][r][1]) == r)
                CardDrawing::DrawCardOutline(MainAreaRect[1] + GalleryColX[c], MainAreaRect[2] + GalleryRowY[r], 0,
                                             canvas);
}

} // namespace

bool ModuleBuilt3(int game)
{
    return DealAllGamesForTest || std::find(std::begin(BuiltModules), std::end(BuiltModules), game) != std::end(BuiltModules);
}

void PaintTable3()
{
    const int game = CurrentGameId;
    if (game == PictureGallery) {
        if (auto* table = Kit::TableImage())
            PaintPictureGallery(table->canvas());
        return;
    }
    const int foundations = game == Calculation || game == Carpet || game == FlowerGarden ? 4 : (game == Sultan ? 6 : 8);
    if (game != Fig)
        for (int n = 1; n <= foundations; ++n)
            RedrawFoundation3(n);
    switch (game) {
    case Twenty: case Sultan: case Backbone: case Carpet: {
        const int columns = game == Twenty ? 7 : (game == Sultan ? 3 : (game == Backbone ? 2 : 5));
        const int rows = game == Twenty || game == Sultan ? 3 : 4;
        for (int a = 1; a <= columns; ++a)
            for (int b = 1; b <= rows; ++b)
                RedrawColumn3(a, b);
        break;
    }
    default: {
        const int columns = game == Fig ? 15 : (game == Calculation ? 4 : (game == FlowerGarden ? 6 : 8));
        for (int a = 1; a <= columns; ++a)
            RedrawColumn3(a, 0);
        break;
    }
    }
    if (game == Desire)
        for (int n = 1; n <= 11; ++n)
            RedrawReserve3(n);
    else if (game == Twenty || game == Calculation)
        RedrawReserve3(0);
    else if (game == Sultan || game == Backbone || game == Carpet || game == EightSages) {
        RedrawReserve3(1);
        RedrawReserve3(2);
    }
    RedrawBackbone();
    SadRedrawReserve();
}

bool NewDeal3(bool Redeal)
{
    const int game = CurrentGameId;
    if (!ModuleBuilt3(game)) {
        DealEmptyTable(Redeal, true);
        return RoundActive != 0;
    }
    const bool gallery = game == PictureGallery;
    if (!Redeal) {
        GalleryRedealCount = 1;
        if (!BeginRoundPlayer())
            return false;
    }

    CardDrawing::ChooseCardBack();
    LayoutTable();
    CardPictures::RescaleCardPictures();
    TTableSurface* f = Form1;
    // A redeal of the choice phase keeps the buttons and the table picture (its light).
    const bool keepTable = gallery && Redeal && GalleryRedealCount > 1;
    if (f && gallery) {
        for (QPushButton* b : {f->BitBtn1, f->BitBtn2})
            FontsAndCursors::SetCursorOf(b, FontsAndCursors::CursorKind::Hand, Settings::YellowCursor ? 1 : 0);
        if (!keepTable)
            PlaceDealButtons(*f);
    }
    if (f && !keepTable) {
        if (game == Desire)
            f->Button7->setEnabled(true);
        f->Button8->setText(Texts::Tx(Texts::TxtToMenu));
        f->ImageStol->setVisible(true);
        if (!CardPictures::TableBackground.isNull())
            f->ImageStol->canvas().draw(0, 0, CardPictures::TableBackground);
    }

    GameOver = 0;
    ClubResultPending = 0;
    PlaceActionButtons3();
    if (f) {
        f->Button7->setText(Texts::Tx(Texts::TxtInfo));
        f->Button7->setVisible(true);
        f->Button8->setVisible(true);
        // Picture Gallery's redeal leaves Button7 as the redeal button set it: enabled
        // with the third layout, so the score window stays reachable.
        if (!gallery)
            f->Button7->setEnabled(true);
        else if (!Redeal)
            f->Button7->setEnabled(false);
        f->Button8->setEnabled(false);
    }
    MoveCounter = 0;
    if (f)
        f->update();
    RoundPhase = 1;
    RoundActive = 1;
    UndoFlag = 0;
    if (f && f->Timer1) {
        f->Timer1->setInterval(200);
        f->Timer1->start();
    }
    GameWon = 0;

    DealTable3();
    PaintTable3();
    if (gallery && !Redeal)
        DrawTrafficLight(QStringLiteral("green"));
    if (!gallery) {
        SourceSelected = 0;
        if (f)
            f->Button7->setText(Texts::Tx(Texts::TxtToBegin));
    }
    if (HasPanel(game))
        DrawInfoPanel3();
    return true;
}

void PlaceActionButtons3()
{
    TTableSurface* f = Form1;
    if (!f || !f->Button7 || !f->Button8)
        return;
    const int game = CurrentGameId;
    const int W = CardWidth;
    const int h = Scaled(30);
    int left = 0, top = 0, width = 0;
    switch (game) {
    case PictureGallery:
        for (QWidget* b : {static_cast<QWidget*>(f->Button7), static_cast<QWidget*>(f->Button8)})
            SetTimesFont(b, Scaled(20));
        f->Button7->setGeometry(ButtonRect1[1], ButtonRect1[2], ButtonRect1[3] - ButtonRect1[1], ButtonRect1[4] - ButtonRect1[2]);
        f->Button8->setGeometry(ButtonRect2[1], ButtonRect2[2], ButtonRect2[3] - ButtonRect2[1], ButtonRect2[4] - ButtonRect2[2]);
        return;
    case Desire:
        left = DesireReserveX[9];
        top = DesireReserveY[11] + Scaled(20);
        width = DesireReserveX[10] + W - DesireReserveX[9];
        break;
    case Twenty:
        left = GridX[7][3] + W + Scaled(5);
        top = GridY[7][3] + Scaled(20);
        width = Scaled(105);
        break;
    case Calculation:
        left = PosX[4] + W + Scaled(30);
        top = PosY[4] + Scaled(250);
        width = Scaling::TableWidth - left - Scaled(30);
        break;
    case Sultan:
        left = SultanReserveX[6];
        top = AuxPile1Y + Scaled(20);
        width = 2 * W;
        break;
    case Backbone:
        left = FoundationPosX[7];
        top = AuxPile1Y + Scaled(20);
        width = FoundationPosX[8] - FoundationPosX[7] + W;
        break;
    case Carpet:
        left = Scaling::RoundHalfEven((GridX[5][1] + W + Scaling::TableWidth) / 2.0) - W;
        top = GridY[1][4] + Scaled(20);
        width = 2 * W;
        break;
    case Fig:
        left = PosX[7];
        top = PosY[15] + CardHeight + 3 * Scaled(30) + Scaled(10);
        width = 2 * W + Scaled(2);
        break;
    case FlowerGarden:
    case EightSages:
        left = ColumnX[game == FlowerGarden ? 6 : 7];
        top = ColumnTop + Scaled(280) + Scaled(10);
        width = 2 * W + Scaled(2);
        break;
    default:
        return;
    }
    for (QWidget* b : {static_cast<QWidget*>(f->Button7), static_cast<QWidget*>(f->Button8)})
        SetTimesFont(b, Scaled(game == Twenty ? 18 : 20));
    f->Button7->setGeometry(left, top, width, h);
    f->Button8->setGeometry(left, top + h, width, h);
}

void DrawTrafficLight(const QString& Color)
{
    auto* table = Kit::TableImage();
    const char* name = Color == QLatin1String("green")    ? "SvetoforG"
                       : Color == QLatin1String("yellow") ? "SvetoforY"
                       : Color == QLatin1String("red")    ? "SvetoforR"
                                                          : nullptr;
    if (!table || !name)
        return;
    QImage light = platform::resources::imageOfType(QLatin1String(name), QStringLiteral("png"));
    if (light.isNull())
        return;
    // Centred over the deal buttons; shrunk where the margin left of the gallery is
    // narrower than the picture, so it never covers the gallery.
    const int c = Scaling::RoundHalfEven(TopAreaRect[1] / 2.0);
    const int size = std::max(1, std::min(light.width(), 2 * c));
    if (size != light.width())
        light = light.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    table->canvas().draw(c - size / 2, MainAreaRect[2], light);
}

} // namespace Group3
