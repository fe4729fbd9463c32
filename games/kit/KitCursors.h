#pragma once
// The play kit's cursors and the table's hint.
//
// How a module uses it:
//   press:   Kit::SaveScreenCursor() where the game keeps the cursor of the press
//            (Kit::BeginPress in KitPress.h does it for the games that always do).
//   move:    no drag: Kit::SetTableCursor(Kit::CursorArrow), then CursorHand over a card
//            the player may take or a place that takes the selected card;
//            dragging: Kit::SetScreenCursor(legal drop here ? CursorHand : CursorArrow).
//            Kit::TableHintOff(), then Kit::SetTableHint(text) over a place that has one.
//   release: Kit::RestoreScreenCursor() first thing (ends the drag's screen cursor).
//   double:  nothing.
#include <QCursor>
#include <QString>
#include <functional>

namespace Kit {

// Cursor shapes of the screen cursor and of the table image. CursorDefault leaves each
// control its own cursor (the screen cursor is off).
enum CursorShape : int { CursorDefault = 0, CursorArrow = 1, CursorHand = 2 };

// The two cursor sets (0 the system's, 1 the yellow ones), chosen by YellowCursor.
// Empty hooks take the program's cursor sets; a test or the main window may hand in
// others.
inline std::function<QCursor(int set)> ArrowCursorSet;
inline std::function<QCursor(int set)> HandCursorSet;
QCursor CursorOf(int shape);

// The screen cursor: shown over every control while it is not CursorDefault.
void SetScreenCursor(int shape);
int ScreenCursor();
// SavedCursor := the screen cursor / the screen cursor := SavedCursor.
void SaveScreenCursor();
void RestoreScreenCursor();
// The table image's own cursor (the hand or the arrow).
void SetTableCursor(int shape);
// The cursor of a pointer move: while cards are held, the screen cursor shows the hand
// where `heldFits` says they may be dropped; otherwise the table shows the hand where
// `handOver` says a press would act. Only the test that applies is asked.
void ShowMoveCursor(const std::function<bool()>& heldFits, const std::function<bool()>& handOver);

// Name of the table image's property that holds the stock's hint text (kept there by
// the games with a stock; the hint itself stays off until the pointer is over it).
inline constexpr char StockHintProperty[] = "HintText";
// The table image's hint: the text kept in StockHintProperty shown, or off.
void SetStockHint(bool shown);
// The table image's hint showing `text`, or off.
void SetTableHint(const QString& text);
void TableHintOff();

} // namespace Kit
