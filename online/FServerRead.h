#pragma once
// The world top ten of the current game: the list sent from this program, the list of
// the phone edition and the list of rated account series, each with its count and the
// player's own rows.
#include <QDialog>
#include <QList>
#include <QString>
#include <functional>

class QTimer;
class TQyvCardsButton;
namespace platform {
class PictureControl;
}

namespace Online {
// The list shown: 1 this program's list, 2 the phone edition's, 3 rated account series.
// Kept between openings, so the window opens on the list last shown.
inline int WorldListKind = 1;
} // namespace Online

class TFormServerRead : public QDialog {
public:
    explicit TFormServerRead(QWidget* parent = nullptr);

    void FormShow();
    void Button1Click();
    void Button2Click();
    void Timer1Timer();
    void Image2MouseDown(int X, int Y);
    void Image2MouseMove(int X, int Y);
    void Image3Click();

    platform::PictureControl* Image1;
    platform::PictureControl* Image0;
    platform::PictureControl* Image3;
    platform::PictureControl* ImageDiv;
    platform::PictureControl* Image2;
    TQyvCardsButton* Button1;
    TQyvCardsButton* Button2;
    QTimer* Timer1;

    // A text the last drawing wrote on the board.
    struct Written {
        int x, y;
        QString text;
    };
    QList<Written> BoardTexts;

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
};

namespace FServerRead {
void SetTopTenFonts(TFormServerRead& form);
// The list icons, the ten best rows, the count and the own rows of the list shown, and
// the game's logo; three requests every time.
void DrawWorldTopTen(TFormServerRead& form);
// The list whose icon box holds (X, Y) on the board (bounds included); 0 for none.
int ListAt(int X, int Y);
} // namespace FServerRead

// Creates the world-top-ten window and shows it modally; returns its result code.
int ShowFormServerRead(QWidget* owner);
