#pragma once
// The account service: the shared online state of the program and the requests that
// the menu screen, the deals and the round results make. It sits in the foundation
// because those callers do. The account window's own requests are in online/Qyv_UAccC.h.
#include "platform/Array.h"

#include <QImage>
#include <QString>

namespace Online {

// A contact profile: fourteen texts.
struct TInfo14 {
    QString Name1, Name2, About, Telephone, EMailO, Skype, WebSite, OK, VK, Telegram, FaceBook,
        Twitter, Instagramm, YouTube;
};

struct TQyvUser {
    QString Nick;
    QString Pw;
    QString City;
    QString Country1;
    QString Country2;
    QChar Sex = QLatin1Char('#');
    QString EMail;
    QString DateR;
    QString R01, R02, R03;
    int R04 = 0;
    int R05 = 0;
    int R06 = 0;
    QString PwC;
    TInfo14 Info;
};

struct TQyvGame {
    int Kon = 0;
    int Score = 0;
    int Sessions = 0;
    double Rating = 0;
    QChar PlayNow = QLatin1Char('N');
    int R1 = 0;
    QString R2 = QStringLiteral("#");
    int Place = 0;
    int Best = 0;
    int KonL = 0;
};

// One row of the account service's top ten of a game; Country holds the country code.
struct TQyvTop10 {
    QString Nick;
    QString City;
    QString Country;
    QChar Sex = QLatin1Char('M');
    double Rating = 0;
};

// 1 signed out (local player), 2 signed in, 3 signed in with rated play switched on.
inline int OnlineState = 1;
inline TQyvUser AccountUser;
inline TQyvGame AccountGame;
inline bool AccountGameLoaded = false;
inline bool OnlineStartSaved = false;
inline bool OnlineGameRunning = false;
inline bool AccountPlayAllowed = false;
inline bool UserFilePresent = false;
inline platform::Arr<TQyvTop10, 10> AccountTopTen;
// Contact profile of the chairman, the first member of AccountTopTen.
inline TInfo14 AccountInfo;
inline int AccountPlayerCount = 0;
// Photos of the signed-in member and of the chairman, and whether each holds one.
inline QImage AccountPhoto;
inline QImage LeaderPhoto;
inline bool AccountPhotoLoaded = false;
inline bool LeaderPhotoLoaded = false;

// Reads "QyvUser.qyv" in the folder above the program folder: header line, nick and
// scrambled password. False for a missing file or a wrong header; never a message.
bool ReadUserFile(TQyvUser& User, QString& PwC);
// Where the user file lives: "QyvUser.qyv" in the folder above the program folder.
QString UserFilePath();

// The requests below post to the plain (deciphered) account address, never throw and
// show nothing.

// Login: the record is preset from nick and password with placeholders, then filled
// from the reply. Ok False when the request fails, the service refuses ("no"), the
// reply holds no record or a number field is not a number.
void ServerLogin(const QString& Address, const QString& Nick, const QString& Pw, bool& Ok,
                 TQyvUser& User);
// The member's record of one game; Kon, Score, Sessions, Rating, PlayNow, R1 and R2 are
// reset first, the other fields keep the caller's values. Ok False when the request
// fails, the reply holds no record, a number is not one, the round of the running
// series is outside 0..9 or Kon or Sessions is outside 0..2147483646; fields read
// before the failure keep what was read.
void ServerReadGame(const QString& Address, const QString& Nick, const QString& Pw,
                    const QString& GameCode, bool& Ok, TQyvGame& Game);
// True when the service answers "ok".
bool ServerSaveGame(const QString& Address, const QString& Nick, const QString& Pw,
                    const QString& GameCode, const TQyvGame& Game);

} // namespace Online
