#include "foundation/AccountClient.h"

#include "platform/Cp1251.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>

namespace Online {

namespace {

QString userFilePath()
{
    // The folder above the program folder; the root stays the root.
    QDir dir(platform::programFolder());
    dir.cdUp();
    return dir.filePath(QStringLiteral("QyvUser.qyv"));
}

QByteArray stripLineEnd(QByteArray line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

} // namespace

bool ReadUserFile(TQyvUser& User, QString& PwC)
{
    User.Nick.clear();
    PwC.clear();
    QFile file(userFilePath());
    if (!file.exists())
        return false;
    if (!file.open(QIODevice::ReadOnly) && !file.open(QIODevice::ReadOnly))
        return false;
    if (stripLineEnd(file.readLine()) != "Qyv User File")
        return false;
    User.Nick = platform::cp1251::toUnicode(stripLineEnd(file.readLine()));
    PwC = platform::cp1251::toUnicode(stripLineEnd(file.readLine()));
    return true;
}

void ServerLogin(const QString& /*Address*/, const QString& Nick, const QString& Pw, bool& Ok,
                 TQyvUser& User)
{
    User.Nick = Nick;
    User.Pw = Pw;
    const QString hash = QStringLiteral("#");
    User.City = User.Country1 = User.Country2 = User.EMail = hash;
    User.R01 = User.R02 = User.R03 = hash;
    User.Sex = QLatin1Char('#');
    User.DateR = QStringLiteral("00.00.0000");
    User.R04 = User.R05 = User.R06 = 0;
    Ok = false;
}

void ServerReadGame(const QString& /*Address*/, const QString& /*Nick*/, const QString& /*Pw*/,
                    const QString& /*GameCode*/, bool& Ok, TQyvGame& Game)
{
    Game.Kon = 0;
    Game.Score = 0;
    Game.Sessions = 0;
    Game.Rating = 0;
    Game.PlayNow = QLatin1Char('N');
    Game.R1 = 0;
    Game.R2 = QStringLiteral("#");
    Ok = false;
}

bool ServerSaveGame(const QString& /*Address*/, const QString& /*Nick*/, const QString& /*Pw*/,
                    const QString& /*GameCode*/, const TQyvGame& /*Game*/)
{
    return false;
}

} // namespace Online
