#pragma once
// The controls of the main window that the games and the shared services touch, under
// the names the games use (Form1->ImageStol, Form1->Button7, ...). The surface creates
// them as plain children; the main window (app layer) derives from it, places and
// dresses them. A test builds a bare surface, so a game runs without the real window.
#include <QList>
#include <QMainWindow>

class QPushButton;
class QTimer;
class TQyvCardsButton;

namespace platform {
class AnimatedPicture;
class PictureControl;
class Canvas;
}

class TTableSurface : public QMainWindow {
    Q_OBJECT

public:
    explicit TTableSurface(QWidget* parent = nullptr);
    ~TTableSurface() override;

    // Help context of the window (game number + 1 during a round).
    int HelpContext = 0;

    // The card table and the pictures around it.
    platform::PictureControl* ImageStol = nullptr;
    platform::PictureControl* ImageKoloda = nullptr;
    platform::PictureControl* ImageRamka = nullptr;
    platform::PictureControl* ImageStol2 = nullptr;
    platform::PictureControl* ImageKon = nullptr;
    platform::PictureControl* ImageTuzi = nullptr;
    platform::PictureControl* ImageTablo2 = nullptr;
    platform::PictureControl* ImageHelp = nullptr;
    platform::PictureControl* ImageDiv = nullptr;
    // The intro picture.
    platform::PictureControl* Image1 = nullptr;

    // The menu screen.
    platform::PictureControl* ImageCaption = nullptr;
    platform::PictureControl* ImageElite = nullptr;
    platform::PictureControl* ImageSvLeft = nullptr;
    platform::PictureControl* ImageSvRight = nullptr;
    platform::AnimatedPicture* RxGIFAnL = nullptr;
    platform::AnimatedPicture* RxGIFAnR = nullptr;
    platform::PictureControl* ImCalL = nullptr;
    platform::PictureControl* ImCalR = nullptr;
    platform::PictureControl* ImWT = nullptr;
    platform::PictureControl* ImGP = nullptr;
    platform::PictureControl* ImCh = nullptr;
    platform::PictureControl* ImAn = nullptr;
    platform::PictureControl* ImSt = nullptr;
    platform::PictureControl* ImHp = nullptr;
    platform::PictureControl* ImAc = nullptr;
    // Places 1 to 3 of the top ten and the column title of the member list:
    // disabled card buttons.
    TQyvCardsButton* Panel1 = nullptr;
    TQyvCardsButton* Panel2 = nullptr;
    TQyvCardsButton* Panel3 = nullptr;
    TQyvCardsButton* Panel4 = nullptr;

    // Buttons 1..5 club members, 6 new player, 7 and 8 the two action buttons of a
    // round, 9..11 the menu screen's further buttons.
    TQyvCardsButton* Button1 = nullptr;
    TQyvCardsButton* Button2 = nullptr;
    TQyvCardsButton* Button3 = nullptr;
    TQyvCardsButton* Button4 = nullptr;
    TQyvCardsButton* Button5 = nullptr;
    TQyvCardsButton* Button6 = nullptr;
    TQyvCardsButton* Button7 = nullptr;
    TQyvCardsButton* Button8 = nullptr;
    TQyvCardsButton* Button9 = nullptr;
    TQyvCardsButton* Button10 = nullptr;
    TQyvCardsButton* Button11 = nullptr;
    // Picture Gallery: deal again / play the shown deal.
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

    QTimer* Timer1 = nullptr;   // intro and menu animation
    QTimer* Timer2 = nullptr;   // win celebration
    QTimer* TimerCal = nullptr; // calendar pictures

    // The window's own canvas (drawing "on the form" rather than on a picture): the
    // balloons of the celebration and the sprite target 0 draw here.
    platform::Canvas& FormCanvas();
    // The client area as a picture control (its mouse handlers are the form's).
    platform::PictureControl* FormArea() const;
    // Client size of the window (the table area).
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientSize(int width, int height);

protected:
    // Nothing is seen of a hidden or minimised window (both send a hide event): the
    // timers that run rest until it shows again, and then go on.
    void hideEvent(QHideEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    platform::PictureControl* formArea_ = nullptr;
    QList<QTimer*> restingTimers_;
};

// The main window; set when it is created (by the app, or by a test).
inline TTableSurface* Form1 = nullptr;
