#pragma once
// The end-of-game window: after the tenth round of a series it tells the player the
// place the final score reached, with a headline, an animation, a sound and, in rated
// online play, the reward in Qyvs.
#include "platform/Color.h"

#include <QDialog>
#include <QString>
#include <vector>

class TQyvCardsButton;
namespace platform {
class Canvas;
class PictureControl;
}
namespace WindowParts {
class GifAnimator;
}

namespace EndGame {

// Qyvs paid for a rated series: 25 for place 1, 10 for places 2 to 10, 0 otherwise,
// -1 when the payment failed. Set by the end of a rated series before the window shows.
inline int EndGameReward = 0;

// One text on the scroll, centred between X1 and X2 at Y.
struct TextRow {
    QString Text;
    int X1 = 0, X2 = 0, Y = 0;
    int Height = 0;
    platform::TColor Color = 0;
};

// Everything the window shows for a place, a score, an online state and a reward.
struct EndGameView {
    QString Animation;     // "GFiBest", "GFiGood" or "GFiBads"
    bool Loops = false;    // the animation runs on instead of resting on frame 15
    int StillFrame = 15;   // the frame shown when animations are off
    QString Sound;         // "WavFiGood" or "WavFiBads"
    std::vector<TextRow> Rows; // the four rows, then the reward line when there is one
    bool ShowReward = false;
    QString RewardNumber;  // the big number on the medallion
    bool ShowAccount = false;
};

EndGameView PlanEndGame(int place, int score, int onlineState, int reward);

// The row's height, made smaller (not below 8) until its text fits between X1 and X2
// in the canvas's font: longer translations must stay on the scroll.
int FittingHeight(const TextRow& row, platform::Canvas& canvas);

} // namespace EndGame

class TFormEndGame : public QDialog {
public:
    explicit TFormEndGame(QWidget* parent = nullptr);
    ~TFormEndGame() override;

    void FormActivate();
    void Button1Click();
    void RxGIFAn1FrameChanged(int frame);

    platform::PictureControl* Image01 = nullptr;
    platform::PictureControl* Image00 = nullptr;
    platform::PictureControl* ImageDiv = nullptr;
    platform::PictureControl* Image1 = nullptr;
    platform::PictureControl* ImageLogo = nullptr;
    WindowParts::GifAnimator* RxGIFAn1 = nullptr;
    TQyvCardsButton* Button1 = nullptr;

private:
    int place_ = 0;
};

// Shows the end-of-game window modally for EndGamePlace, EndGameScore, EndGameReward,
// the online state and the current game. The entry point of the end of a series.
int ShowFormEndGame(QWidget* parent);
