#pragma once
// The options dialog: every setting of the program, applied the moment it changes.
// There is no cancel; the settings reach the settings file when the program closes.
#include <QCursor>
#include <QDialog>
#include <QGroupBox>
#include <QImage>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QMovie;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QButtonGroup;
class TQyvCardsButton;

namespace platform {
class PictureControl;
}

// A titled group of radio buttons, one selected (ItemIndex) or none (-1). Setting the
// index from code does not run the click handler.
class TRadioGroup : public QGroupBox {
    Q_OBJECT

public:
    TRadioGroup(int count, QWidget* parent);
    int ItemIndex() const;
    void SetItemIndex(int index);
    QRadioButton* Item(int index) const { return items_.at(std::size_t(index)); }
    int Count() const { return int(items_.size()); }
    // Runs on a selection by the player.
    std::function<void()> OnClick;

private:
    std::vector<QRadioButton*> items_;
    QButtonGroup* group_;
};

class TFormOptions : public QDialog {
    Q_OBJECT

public:
    explicit TFormOptions(QWidget* parent = nullptr);
    ~TFormOptions() override;

    platform::PictureControl* Image01 = nullptr;
    platform::PictureControl* Image00 = nullptr;
    platform::PictureControl* ImageDiv = nullptr;
    platform::PictureControl* ImageLogo = nullptr;
    QLabel* RxGIFAn1 = nullptr;
    TQyvCardsButton* Button1 = nullptr;
    QTabWidget* PageControl1 = nullptr;

    QWidget* TabSheet1 = nullptr;
    QComboBox* ComboBoxLan = nullptr;
    QComboBox* ComboBoxSol = nullptr;
    QComboBox* ComboBoxWSize = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QCheckBox* CheckBoxCur = nullptr;
    TRadioGroup* RadioGroup2 = nullptr;
    platform::PictureControl* ImageFlag = nullptr;
    TQyvCardsButton* ButtonDLLCalendar = nullptr;

    QWidget* TabSheet2 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    platform::PictureControl* Image1 = nullptr;
    TQyvCardsButton* ButtonDLLCardsA_1 = nullptr;
    TQyvCardsButton* ButtonDLLCardsB_1 = nullptr;
    TQyvCardsButton* ButtonDLLCardsC_1 = nullptr;

    QWidget* TabSheet3 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    TRadioGroup* RadioGroup3 = nullptr;
    platform::PictureControl* ImageDeck = nullptr;
    TQyvCardsButton* ButtonDLLCardsB_2 = nullptr;

    QWidget* TabSheet4 = nullptr;
    QComboBox* ComboBoxFont = nullptr;
    QFontComboBox* FontComboBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QPushButton* Button2 = nullptr;
    QLabel* Label1 = nullptr;

    QWidget* TabSheet5 = nullptr;
    QGroupBox* GroupBoxBG = nullptr;
    QComboBox* ComboBoxBG1 = nullptr;
    QComboBox* ComboBoxBG2 = nullptr;
    TQyvCardsButton* ButtonDLLBackG_1 = nullptr;

    // The six download buttons in the order A, B (cards), C, B (decks), backgrounds,
    // calendar.
    std::vector<TQyvCardsButton*> DownloadButtons() const;

    // Flags of the ten languages, 14 x 12.
    std::vector<QImage> LanguageFlags;

    void FormShow();
    void Button1Click();
    void CheckBox1Click();
    void CheckBox3Click();
    void CheckBoxCurClick();
    void CheckBoxCurMouseUp();
    void ComboBoxLanChange();
    void ComboBoxSolChange();
    void ComboBoxWSizeChange();
    void RadioGroup2Click();
    void ComboBox1Change();
    void ComboBox2Change();
    void RadioGroup3Click();
    void ComboBoxFontChange();
    void FontComboBox1Change();
    void SpinEdit1Change();
    void Button2Click();
    void ComboBoxBG1Change();
    void ComboBoxBG2Change();

    void ShowOptionsAnimation();
    void DrawFacePreview();
    void DrawBackPreview();
    void DrawLogo();
    void DrawLanguageFlag();
    void DrawCaption();

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void createControls();
    void registerCaptions();
    void registerFonts();
    void afterBackgroundChange();
    QMovie* movie_ = nullptr;
};

// The dialog, created with the main window; null before.
inline TFormOptions* FormOptions = nullptr;

namespace Options {

// Entries still in the window-size list (set by FillOptionControls for the screen).
inline bool WindowSize3Hidden = false;
inline bool WindowSize4Hidden = false;
inline bool WindowSize5Hidden = false;

// Cursors of a set (0 the system's, 1 the yellow ones).
QCursor ArrowCursors(int set);
QCursor HandCursors(int set);
QCursor WaitCursors(int set);
QCursor IBeamCursors(int set);

// Puts the settings into the dialog's controls; the window-size list keeps only the
// sizes that fit on a screen of screenWidth x screenHeight.
void FillOptionControls(int screenWidth, int screenHeight);
// The same for the screen the main window is on.
void FillOptionControls();
// The cursor set on the main window and, with dialogToo, on the dialog.
void ApplyCursorSet(bool dialogToo);
// Repaints the main window's menu buttons and panels after the background changed.
void RefreshMenuButtons();
// The game list entry of a game code (-1 for an unknown code) and back.
int GameEntryOf(int gameCode);
// Creates the dialog and fills it from the settings, once; the start-up does it while the
// intro shows, so its check boxes' handlers never touch the menu.
void CreateOptionsDialog();
// Shows the dialog modally (creating it when needed); for the main window's Options button.
void ShowOptionsDialog();

} // namespace Options
