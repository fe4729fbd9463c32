#include "app/TableDispatch.h"

#include "foundation/FontsAndCursors.h"
#include "foundation/GameState.h"
#include "foundation/Sprite.h"
#include "foundation/TableSurface.h"
#include "games/group1/Qyv_01_Vardelin.h"
#include "games/group1/Qyv_03_Yukon.h"
#include "games/group1/Qyv_05_Scorpion.h"
#include "games/group1/Qyv_07_Spider.h"
#include "games/group1/Qyv_10_FreeCell.h"
#include "games/group2/Group2.h"
#include "games/group3/Group3.h"
#include "games/group4/Group4.h"
#include "games/group5/Group5.h"
#include "games/kit/KitTable.h"

namespace TableDispatch {

namespace {

using namespace GameState;

#define VARDELIN_MODULE(ns, name) \
    TTableModule { #name, ns::name##MouseDown, ns::name##MouseMove, ns::name##MouseUp, {} }
#define VARDELIN_MODULE_DBL(ns, name) \
    TTableModule { #name, ns::name##MouseDown, ns::name##MouseMove, ns::name##MouseUp, ns::name##DblClick }

const TDispatchTable& realTable()
{
    static const TDispatchTable table = {{
        {431, VARDELIN_MODULE_DBL(Group1, Vardelin)},
        {71, VARDELIN_MODULE_DBL(Group1, Vardelin)},
        {404, VARDELIN_MODULE_DBL(Group1, Yukon)},
        {432, VARDELIN_MODULE_DBL(Group1, Yukon)},
        {403, VARDELIN_MODULE_DBL(Group1, Scorpion)},
        {433, VARDELIN_MODULE_DBL(Group1, Scorpion)},
        {413, VARDELIN_MODULE_DBL(Group1, Spider)},
        {414, VARDELIN_MODULE_DBL(Group1, Spider)},
        {421, VARDELIN_MODULE_DBL(Group1, Spider)},
        {430, VARDELIN_MODULE_DBL(Group1, FreeCell)},
        {424, VARDELIN_MODULE(Group2, Golf01)},
        {427, VARDELIN_MODULE(Group2, Golf02)},
        {434, VARDELIN_MODULE(Group2, Golf03)},
        {435, VARDELIN_MODULE(Group2, Golf04)},
        {436, VARDELIN_MODULE(Group2, Golf05)},
        {19, VARDELIN_MODULE(Group2, Tulip)},
        {401, VARDELIN_MODULE(Group2, Tulip)},
        {402, VARDELIN_MODULE(Group2, Tulip)},
        {407, VARDELIN_MODULE_DBL(Group4, Pairs)},
        {408, VARDELIN_MODULE_DBL(Group4, Wish)},
        {411, VARDELIN_MODULE_DBL(Group4, Monte)},
        {412, VARDELIN_MODULE_DBL(Group4, Monte)},
        {423, VARDELIN_MODULE_DBL(Group4, Pyramid)},
        {426, VARDELIN_MODULE_DBL(Group4, Pyramid)},
        {437, VARDELIN_MODULE_DBL(Group4, Pyramid)},
        {438, VARDELIN_MODULE_DBL(Group4, Diamond)},
        {439, VARDELIN_MODULE_DBL(Group4, Diamond)},
        {415, VARDELIN_MODULE_DBL(Group5, Crescent)},
        {416, VARDELIN_MODULE_DBL(Group5, Crescent)},
        {419, VARDELIN_MODULE_DBL(Group2, FunDeuces)},
        {420, VARDELIN_MODULE_DBL(Group2, Nap)},
        {18, VARDELIN_MODULE_DBL(Group4, Book)},
        {12, VARDELIN_MODULE(Group3, PG)},
        {405, VARDELIN_MODULE_DBL(Group3, Desire)},
        {406, VARDELIN_MODULE_DBL(Group3, Twenty)},
        {417, VARDELIN_MODULE(Group3, Calc)},
        {418, VARDELIN_MODULE_DBL(Group3, Sultan)},
        {425, VARDELIN_MODULE_DBL(Group3, Poz)},
        {428, VARDELIN_MODULE_DBL(Group3, Carpet)},
        {443, VARDELIN_MODULE_DBL(Group3, Fig)},
        {444, VARDELIN_MODULE_DBL(Group3, Sad)},
        {445, VARDELIN_MODULE_DBL(Group3, Mud)},
        {17, VARDELIN_MODULE(Group5, UnclePelk)},
        {409, VARDELIN_MODULE_DBL(Group5, BAces)},
        {410, VARDELIN_MODULE_DBL(Group5, Lucie)},
        {422, VARDELIN_MODULE_DBL(Group5, Alzhir)},
        {429, VARDELIN_MODULE_DBL(Group5, Demon)},
        {440, VARDELIN_MODULE_DBL(Group5, Klever)},
        {441, VARDELIN_MODULE_DBL(Group5, FortyThieves)},
        {442, VARDELIN_MODULE_DBL(Group5, Miss)},
    }};
    return table;
}

#undef VARDELIN_MODULE
#undef VARDELIN_MODULE_DBL

const TDispatchTable* tableOverride = nullptr;

const TTableModule* currentModule()
{
    const TDispatchTable& table = tableOverride ? *tableOverride : realTable();
    for (const TDispatchEntry& e : table)
        if (e.Code == CurrentGameId)
            return &e.Module;
    return nullptr;
}

bool tableLocked()
{
    return RoundPhase == 1 || GameOver;
}

} // namespace

const TDispatchTable& DispatchTable()
{
    return realTable();
}

void SetDispatchTableForTest(const TDispatchTable* table)
{
    tableOverride = table;
}

void ImageStolMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y)
{
    if (tableLocked())
        return;
    if (const TTableModule* m = currentModule(); m && m->MouseDown)
        m->MouseDown(Button, Shift, X, Y);
}

void ImageStolMouseMove(TTableSurface& form, platform::ShiftState Shift, int X, int Y)
{
    if (CurrentGameId != 17)
        PopupAutoPopup = true;
    if (DragActive) {
        Sprite::SpriteMoveTo(X - DragOffsetX, Y - DragOffsetY, 1);
        form.ImageStol->update();
    }
    if (RoundPhase == 1)
        return;
    if (GameOver) {
        form.ImageStol->setCursor(FontsAndCursors::CursorOf(FontsAndCursors::CursorKind::Arrow, FontsAndCursors::CurrentCursorSet()).FrameAt(0));
        form.ImageStol->setToolTip(QString());
        return;
    }
    if (const TTableModule* m = currentModule(); m && m->MouseMove)
        m->MouseMove(Shift, X, Y);
}

void ImageStolMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y)
{
    if (tableLocked())
        return;
    LastUpX = X;
    LastUpY = Y;
    if (const TTableModule* m = currentModule(); m && m->MouseUp)
        m->MouseUp(Button, Shift, X, Y);
}

void ImageStolDblClick()
{
    if (tableLocked())
        return;
    if (const TTableModule* m = currentModule(); m && m->DblClick)
        m->DblClick();
}

void ImageStolContextPopup() {}

void ImageKolodaMouseMove(TTableSurface& form, platform::ShiftState Shift, int X, int Y)
{
    if (tableLocked())
        return;
    if (CurrentGameId == 17) {
        form.ImageKoloda->setCursor(FontsAndCursors::CursorOf(FontsAndCursors::CursorKind::Arrow, FontsAndCursors::CurrentCursorSet()).FrameAt(0));
        Group5::UnclePelkKolodaMouseMove(Shift, X, Y);
    }
}

void ImageKolodaMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y)
{
    if (tableLocked())
        return;
    LastUpX = X;
    LastUpY = Y;
    if (CurrentGameId == 17)
        Group5::UnclePelkKolodaMouseUp(Button, Shift, X, Y);
}

void FormMouseMove(TTableSurface& form, platform::ShiftState /*Shift*/, int X, int Y)
{
    const QRect r = form.ImageStol->geometry();
    const bool onTable = X >= r.left() && X <= r.left() + r.width() && Y >= r.top() && Y <= r.top() + r.height();
    if (CurrentGameId == 17 && onTable)
        return;
    PopupAutoPopup = true;
}

void Panel1Click() {}

void BindTableHandlers(TTableSurface& form)
{
    form.ImageStol->onMouseDown = ImageStolMouseDown;
    form.ImageStol->onMouseMove = [&form](platform::ShiftState s, int x, int y) { ImageStolMouseMove(form, s, x, y); };
    form.ImageStol->onMouseUp = ImageStolMouseUp;
    form.ImageStol->onDblClick = ImageStolDblClick;
    // Uncle Pelk's deck image takes no press: its right button peeks only on the table.
    form.ImageKoloda->onMouseDown = [](platform::MouseButton b, platform::ShiftState s, int x, int y) {
        if (CurrentGameId != 17)
            ImageStolMouseDown(b, s, x, y);
    };
    form.ImageKoloda->onDblClick = ImageStolDblClick;
    form.ImageKoloda->onMouseMove = [&form](platform::ShiftState s, int x, int y) {
        ImageKolodaMouseMove(form, s, x, y);
    };
    form.ImageKoloda->onMouseUp = ImageKolodaMouseUp;
    Kit::TableMenuHook = [](bool on) { PopupAutoPopup = on; };
    if (platform::PictureControl* area = form.FormArea())
        area->onMouseMove = [&form](platform::ShiftState s, int x, int y) { FormMouseMove(form, s, x, y); };
}

} // namespace TableDispatch
