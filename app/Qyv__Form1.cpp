#include "app/Qyv__Form1.h"

#include "app/HelpKeys.h"
#include "app/MenuCommands.h"
#include "app/Qyv_FAbout.h"
#include "app/Qyv_FOptions.h"
#include "app/Qyv_FPapa.h"
#include "app/Qyv_FPassword.h"
#include "app/Qyv_FTopTen.h"
#include "app/RoundBinding.h"
#include "app/RoundEnd.h"
#include "app/TableDispatch.h"
#include "app/WindowSize.h"
#include "foundation/AccountClient.h"
#include "foundation/Calendar.h"
#include "foundation/CardPictures.h"
#include "foundation/Celebration.h"
#include "foundation/ClubFile.h"
#include "foundation/DrawHelpers.h"
#include "foundation/FontsAndCursors.h"
#include "foundation/GameState.h"
#include "foundation/HelpCommand.h"
#include "foundation/Language.h"
#include "foundation/MenuDecorations.h"
#include "foundation/MessageBox.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Qyv_FCount.h"
#include "foundation/Scaling.h"
#include "foundation/Scrambler.h"
#include "foundation/ServerAddresses.h"
#include "foundation/Settings.h"
#include "foundation/StartScreen.h"
#include "foundation/Texts.h"
#include "foundation/TextsOnline.h"
#include "games/group1/Qyv_Help2_1.h"
#include "games/group2/Group2.h"
#include "games/group3/Group3.h"
#include "games/group4/Group4.h"
#include "games/group5/Group5.h"
#include "online/FServerRead.h"
#include "online/FServerWrite.h"
#include "online/Qyv_UStatC.h"
#include "platform/AtomicFile.h"
#include "platform/PictureControl.h"
#include "platform/Presenter.h"
#include "platform/ProgramFolder.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QTime>
#include <QTimer>

namespace {
ServerAddresses::TStatusNews g_statusNews;
}

TForm1::TForm1(QWidget* parent) : TTableSurface(parent)
{
    Form1 = this;
    // An error inside a handler is reported and the program goes on.
    platform::setEventErrorReporter([](const QString& message) {
        platform::presenter().message(platform::MessageKind::Error, Texts::Tx(Texts::TxtAttention), message,
                                      platform::Buttons::Ok);
    });
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Quit = PopupMenu1->addAction(QString());
    Help = PopupMenu1->addAction(QString());
    About = PopupMenu1->addAction(QString());
    N1 = PopupMenu1->addAction(QString());
    N2 = PopupMenu1->addAction(QString());
    Quit->setObjectName(QStringLiteral("Quit"));
    Help->setObjectName(QStringLiteral("Help"));
    About->setObjectName(QStringLiteral("About"));
    N1->setObjectName(QStringLiteral("N1"));
    N2->setObjectName(QStringLiteral("N2"));
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) {
                // Game 17 keeps the right button for itself while the pointer is on the table.
                if (TableDispatch::PopupAutoPopup)
                    PopupMenu1->popup(mapToGlobal(p));
            });

    Image1->onClick = [this] { Image1Click(); };
    connect(Button11, &QPushButton::clicked, this, [this] { Button11Click(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2Timer(); });
    connect(TimerCal, &QTimer::timeout, this, [this] { TimerCalTimer(); });

    connect(N2, &QAction::triggered, this, [] { N2Click(); });
    // The score window's boards are filled by the result routine of the current group.
    FCount::SetGameResultRoutine(1, Group1::GameResult1);
    FCount::SetGameResultRoutine(2, Group2::GameResult2);
    FCount::SetGameResultRoutine(3, Group3::GameResult3);
    FCount::SetGameResultRoutine(4, Group4::GameResult4);
    FCount::SetGameResultRoutine(5, [] { Group5::GameResult5(); });

    // The icon bar, "Top Ten", "Options", "Help", "About" and "Dedication".
    MenuCommands::BindMenuCommands(*this);
    // F1 in any window opens that window's help page.
    HelpKeys::InstallHelpKey(this);

    // --- the round: table dispatch, player and action buttons, "Exit to menu" ---
    BindRoundHandlers(*this);
    // ---
    // A local player's finished series is offered to the world top ten.
    RoundEnd::Services().showWorldResultWindow = [] { ShowFormServerWrite(Form1); };

    Language::RegisterSurface(*this);
    Language::Caption(Quit, Texts::TxtExitToMenu);
    Language::Caption(Help, Texts::TxtHelp);
    Language::Caption(About, Texts::TxtAbout);
    Language::Caption(N1, Texts::TxtDedication);
    Language::Caption(N2, Texts::TxtChangeName);
    // The title and game caption pictures speak the language too; on the table they stay hidden.
    Language::Register(this, [] {
        if (!GameState::IntroActive && GameState::MenuActive)
            StartScreen::DrawGameCaption(0, StartScreen::GameCaptionSize);
    });

    FormCreate();
}

TForm1::~TForm1()
{
    FormDestroy();
}

void TForm1::FormCreate()
{
    ServerAddresses::FetchStatusPage(ServerAddresses::StatusPageAddress, ServerAddresses::NewsKey,
                                     ServerAddresses::DownloadKey, ServerAddresses::StoreKey,
                                     MenuDecorations::StoreLink, MenuDecorations::DownloadLink,
                                     MainWindowState::NewsPresent, g_statusNews);
    setWindowTitle(Texts::Tx(Texts::ProductNames));
    move(0, 0);
    SetClientSize(760, 500);
    Image1->setGeometry(0, 0, 760, 500);
    Image1->setPictureSize(760, 500);
    FirstPaintPending = true;
    GameState::IntroActive = 1;
    GameState::MenuActive = 0;
    GameState::RoundActive = 0;
    Quit->setEnabled(false);
    N2->setEnabled(false);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);
    FormCanvas().setSize(760, 500);
    FormCanvas().brush.color = platform::rgbColor(192, 192, 192);
    FormCanvas().fillRect(0, 0, 760, 500);
    ImageStol->hide();
    Online::WorldListKind = 1;
    Settings::ServerGameCode = QStringLiteral("solvd");
    Online::OnlineStartSaved = false;
    Online::OnlineGameRunning = false;
    HelpContext = 1;
    Timer1->setInterval(10);
}

void TForm1::showEvent(QShowEvent* e)
{
    TTableSurface::showEvent(e);
    if (FirstPaintPending)
        QTimer::singleShot(0, this, [this] { FormFirstShow(); });
}

void TForm1::FormFirstShow()
{
    if (!FirstPaintPending)
        return;
    FirstPaintPending = false;
    runStartupSequence();
}

void TForm1::runStartupSequence()
{
    // A write killed before its rename leaves a full copy under a temporary name.
    for (const QString& name : {ClubFile::ClubFileName, Settings::SettingsFileName})
        platform::removeAtomicLeftovers(platform::programFolder() + name);
    Settings::LoadSettings();
    FontsAndCursors::ApplyFormFonts();
    StartScreen::ShowSplash(0, Texts::Tx(Texts::ProductNamesUpper));
    Image1->show();
    Image1->raise();
    DrawHelpers::PlayWavResource(QStringLiteral("WavIntro"), false, Settings::SoundOn);

    if (!ClubFile::OpenClubFile(ClubFile::ClubFileName)) {
        // The message has been shown; without a valid club file the program ends through
        // the ordinary close, which keeps the settings. Closing the only window ends the
        // event loop.
        startupFailed_ = true;
        GameState::IntroActive = 1;
        close();
        return;
    }

    if (MainWindowState::NewsPresent)
        MessageBox::ShowLinkMessage(g_statusNews.Line1, g_statusNews.Line2, g_statusNews.Link);

    if (ClubFile::ClubLabel != QLatin1String("ozk")) {
        platform::Arr<int, 12> values;
        values.fill(0);
        values[3] = 1;
        if (!Settings::StartStatPosted)
            values[4] = 1;
        bool ok = false;
        Online::SendGameStat12(Settings::StatServiceAddress, 71, values, ok);
        Settings::StartStatPosted = ok;
        Settings::SaveSettings();
    }

    Online::OnlineState = 1;
    Online::UserFilePresent = false;
    automaticLogin();

    // Faces and backs are decoded by the first deal (or the options' previews).
    CardPictures::PrepareCardPictures();
    CardPictures::LoadTableBackground();

    // The options dialog is made when it is first opened: most sessions never open it.
    Options::ApplyCursorSet(false);
    Language::SetLanguage(Texts::LanguageIndex);
    Timer1->setInterval(10);
    Timer1->start();
}

void TForm1::automaticLogin()
{
    Online::TQyvUser& user = Online::AccountUser;
    if (!Online::ReadUserFile(user, user.PwC))
        return;
    Online::UserFilePresent = true;
    QString pw = Scrambler::UnscrambleText(user.PwC, Scrambler::KeyAccount);
    for (QChar& ch : pw)
        if (ch == QLatin1Char(' ') || ch == QLatin1Char('#') || ch == QLatin1Char('$'))
            ch = QLatin1Char('-');
    user.Pw = pw;
    bool ok = false;
    Online::TQyvUser fresh = user;
    Online::ServerLogin(Scrambler::UnscrambleText(Settings::AccountServiceAddress, Scrambler::KeyAccount),
                        user.Nick, pw, ok, fresh);
    user = fresh;
    user.PwC = Scrambler::ScrambleText(pw, Scrambler::KeyAccount);
    if (ok)
        Online::OnlineState = 2;
}

void TForm1::Image1Click()
{
    if (!GameState::IntroActive)
        return;
    GameState::IntroActive = 0;
    WindowSize::ApplyWindowSize(*this);
    Timer1->setInterval(20);
    GameState::MenuActive = 1;
}

void TForm1::Button11Click()
{
    close();
}

void TForm1::Timer1Timer()
{
    if (GameState::IntroActive)
        StartScreen::ShowSplash(1, Texts::Tx(Texts::ProductNamesUpper));
    if (GameState::MenuActive)
        StartScreen::ShowMainMenu(1, 0);
    if (GameState::RoundActive && (GameState::CurrentGameId == 71 || GameState::CurrentGameId == 431) &&
        GameState::StockCount == 0 && GameState::PassCount == 3)
        Button8->setEnabled(true);
}

void TForm1::Timer2Timer()
{
    Celebration::PlayWinBalloons();
}

void TForm1::TimerCalTimer()
{
    using namespace MenuDecorations;
    // A new day gets its page on the first tick after midnight, however late that tick is.
    if (GameState::MenuActive && Calendar::PageIsStale())
        LayoutCalendarImages();
    if (!GameState::MenuActive) {
        ImCalL->hide();
        ImCalR->hide();
    }
    if (CalendarPicIndex >= 1 && CalendarPicIndex <= 8) {
        ImCalR->setToolTip(CalendarInfo.Hint[CalendarPicIndex]);
        ImCalR->setPicture(CalendarInfo.TB[CalendarPicIndex]);
    }
    ++CalendarPicIndex;
    if (CalendarPicIndex > CalendarPicCount)
        CalendarPicIndex = 2;
}

bool TForm1::FormCloseQuery()
{
    bool canClose = true;
    if (!GameState::IntroActive && !GameState::MenuActive) {
        const QString text = Texts::Tx(Texts::TxtLeaveGame) + QLatin1Char(' ') + Texts::Tx(Texts::TxtDataWillBeLost);
        canClose = platform::presenter().message(platform::MessageKind::Confirmation, Texts::Tx(Texts::ProductNames),
                                                 text, platform::Buttons::YesNo) == platform::Answer::Yes;
    }
    if (canClose) {
        Settings::SaveSettings();
        Timer1->stop();
        Timer2->stop();
        TimerCal->stop();
    }
    return canClose;
}

void TForm1::closeEvent(QCloseEvent* e)
{
    if (FormCloseQuery()) {
        e->accept();
        return;
    }
    e->ignore();
}

void TForm1::FormDestroy()
{
    Timer1->stop();
    Timer2->stop();
    TimerCal->stop();
}
