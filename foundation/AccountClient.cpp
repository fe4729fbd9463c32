#include "foundation/AccountClient.h"

#include "foundation/ServerRequest.h"
#include "platform/Cp1251.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <limits>

namespace Online {

namespace {


QByteArray stripLineEnd(QByteArray line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

} // namespace

QString UserFilePath()
{
    // The folder above the program folder; the root stays the root.
    QDir dir(platform::programFolder());
    dir.cdUp();
    return dir.filePath(QStringLiteral("QyvUser.qyv"));
}

bool ReadUserFile(TQyvUser& User, QString& PwC)
{
    User.Nick.clear();
    PwC.clear();
    QFile file(UserFilePath());
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

void ServerLogin(const QString& Address, const QString& Nick, const QString& Pw, bool& Ok, TQyvUser& User)
{
    Ok = false;
    User.Nick = Nick;
    User.Pw = Pw;
    const QString hash = QStringLiteral("#");
    User.City = User.Country1 = User.Country2 = User.EMail = hash;
    User.R01 = User.R02 = User.R03 = hash;
    User.Sex = QLatin1Char('#');
    User.DateR = QStringLiteral("00.00.0000");
    User.R04 = User.R05 = User.R06 = 0;

    const ServerRequest::Reply reply = ServerRequest::PostList(
        Address, {{QStringLiteral("nick"), Nick}, {QStringLiteral("pw"), Pw}, {QStringLiteral("label0"), QStringLiteral("0")}});
    if (!reply.ok || ServerRequest::HasStatusWord(reply.text, "no", QLatin1Char('$')))
        return;
    QString frame;
    // Without its record the reply cannot stand for a login.
    if (!ServerRequest::FirstFrame(reply.text, QLatin1Char('$'), frame))
        return;
    const QStringList f = ServerRequest::Fields(frame, QLatin1Char(' '));
    QString v;
    QString* texts[] = {&User.City, &User.Country1, &User.Country2};
    for (int i = 1; i <= 3; ++i)
        if (ServerRequest::Field(f, i, v))
            *texts[i - 1] = v;
    if (ServerRequest::Field(f, 4, v)) {
        if (v.isEmpty())
            return;
        User.Sex = v[0];
    }
    QString* more[] = {&User.EMail, &User.DateR, &User.R01, &User.R02, &User.R03};
    for (int i = 5; i <= 9; ++i)
        if (ServerRequest::Field(f, i, v))
            *more[i - 5] = v;
    int* numbers[] = {&User.R04, &User.R05, &User.R06};
    for (int i = 10; i <= 12; ++i)
        if (ServerRequest::Field(f, i, v) && !ServerRequest::StrictInt(v, *numbers[i - 10]))
            return;
    Ok = true;
}

void ServerReadGame(const QString& Address, const QString& Nick, const QString& Pw, const QString& GameCode,
                    bool& Ok, TQyvGame& Game)
{
    Ok = false;
    Game.Kon = 0;
    Game.Score = 0;
    Game.Sessions = 0;
    Game.Rating = 0;
    Game.PlayNow = QLatin1Char('N');
    Game.R1 = 0;
    Game.R2 = QStringLiteral("#");

    const ServerRequest::Reply reply = ServerRequest::PostList(
        Address, {{QStringLiteral("nick"), Nick}, {QStringLiteral("pw"), Pw}, {GameCode + QStringLiteral("best"), QStringLiteral("0")}});
    QString frame;
    // A reply without the record would be saved back as an empty one.
    if (!reply.ok || !ServerRequest::FirstFrame(reply.text, QLatin1Char('$'), frame))
        return;
    const QStringList f = ServerRequest::Fields(frame, QLatin1Char(' '));
    QString v;
    auto number = [&](int i, int& target) { return !ServerRequest::Field(f, i, v) || ServerRequest::StrictInt(v, target); };
    if (!number(1, Game.Kon) || !number(2, Game.Best))
        return;
    if (ServerRequest::Field(f, 3, v)) {
        bool ok = false;
        const double rating = ServerRequest::StrToFloatLoose(v, 0, ok);
        if (!ok)
            return;
        Game.Rating = rating;
    }
    if (!number(4, Game.Sessions) || !number(5, Game.KonL) || !number(6, Game.Score) || !number(7, Game.R1))
        return;
    if (ServerRequest::Field(f, 8, v))
        Game.R2 = v;
    // The round of a running series becomes the next round's number, and a rated start
    // and a series end add one to Kon and Sessions: a record that leaves no room is unusable.
    constexpr int MaxCount = std::numeric_limits<int>::max() - 1;
    Ok = Game.KonL >= 0 && Game.KonL <= 9 && Game.Kon >= 0 && Game.Kon <= MaxCount && Game.Sessions >= 0
        && Game.Sessions <= MaxCount;
}

bool ServerSaveGame(const QString& Address, const QString& Nick, const QString& Pw, const QString& GameCode,
                    const TQyvGame& Game)
{
    ServerRequest::StringBody body;
    body.add(QStringLiteral("nick"), Nick)
        .add(QStringLiteral("pw"), Pw)
        .add(GameCode + QStringLiteral("kon"), Game.Kon)
        .add(GameCode + QStringLiteral("best"), Game.Best)
        .add(GameCode + QStringLiteral("rating"), ServerRequest::FloatToDotStr(Game.Rating))
        .add(GameCode + QStringLiteral("ses"), Game.Sessions)
        .add(GameCode + QStringLiteral("konl"), Game.KonL)
        .add(GameCode + QStringLiteral("score"), Game.Score)
        .add(GameCode + QStringLiteral("R1"), Game.R1)
        .add(GameCode + QStringLiteral("R2"), Game.R2);
    const ServerRequest::Reply reply = ServerRequest::PostString(Address, body.bytes());
    return reply.ok && ServerRequest::HasStatusWord(reply.text, "ok");
}

} // namespace Online
