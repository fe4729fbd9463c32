#pragma once
// The champions list: the club's top ten of the current game, read from the club file,
// on a parchment scroll with an animated trophy.
#include <QDialog>
#include <QString>

class TQyvCardsButton;
namespace platform {
class PictureControl;
}
namespace WindowParts {
class GifAnimator;
}

namespace TopTen {

// One place of the list: the name (columns 1-20 of its top-ten line) and the score
// (columns 21-26), as they stand in the file.
struct TopTenRow {
    QString Name;
    QString Score;
};

// The ten places of a game's block of the club file `fileName` in the program folder;
// False (and blank places) when the file cannot be read or the game code is none of
// the fifty.
bool ReadTopTen(const QString& fileName, int gameCode, TopTenRow (&rows)[10]);

} // namespace TopTen

class TFormTopTen : public QDialog {
public:
    explicit TFormTopTen(QWidget* parent = nullptr);
    ~TFormTopTen() override;

    void FormActivate();
    void Button1Click();
    void DrawTopTenList();

    platform::PictureControl* Image2 = nullptr;
    platform::PictureControl* Image0 = nullptr;
    platform::PictureControl* ImageDiv = nullptr;
    platform::PictureControl* Image1 = nullptr;
    WindowParts::GifAnimator* RxGIFAn1 = nullptr;
    TQyvCardsButton* Button1 = nullptr;

    // Esc clears the animation and closes.
    void reject() override;
};

// Shows the champions list of the current game modally (the main window's "Top Ten").
int ShowFormTopTen(QWidget* parent);
