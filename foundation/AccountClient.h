#pragma once
// The account service: the shared online state of the program and the requests that
// the menu screen, the deals and the round results make. It sits in the foundation
// because those callers do. The requests are stand-ins that fail quietly, as a request
// to an unreachable server does, until the account client is built.
#include "platform/Array.h"

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

// 1 signed out (local player), 2 signed in, 3 signed in with rated play switched on.
inline int OnlineState = 1;
inline TQyvUser AccountUser;
inline TQyvGame AccountGame;
inline bool AccountGameLoaded = false;
inline bool OnlineStartSaved = false;
inline bool OnlineGameRunning = false;
inline bool AccountPlayAllowed = false;
inline bool UserFilePresent = false;

// Reads "QyvUser.qyv" in the folder above the program folder: header line, nick and
// scrambled password. False for a missing file or a wrong header; never a message.
bool ReadUserFile(TQyvUser& User, QString& PwC);

// Login: the record is preset from nick and password with placeholders, then filled
// from the reply; Ok False when the request fails.
void ServerLogin(const QString& Address, const QString& Nick, const QString& Pw, bool& Ok,
                 TQyvUser& User);
// The member's record of one game; Game is reset first.
void ServerReadGame(const QString& Address, const QString& Nick, const QString& Pw,
                    const QString& GameCode, bool& Ok, TQyvGame& Game);
bool ServerSaveGame(const QString& Address, const QString& Nick, const QString& Pw,
                    const QString& GameCode, const TQyvGame& Game);

} // namespace Online
