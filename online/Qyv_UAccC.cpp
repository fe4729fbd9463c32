#include "online/Qyv_UAccC.h"

#include "foundation/Scrambler.h"
#include "foundation/ServerRequest.h"
#include "platform/Cp1251.h"
#include "platform/Http.h"

#include <QImage>
#include <array>

namespace Online {

namespace {

using ServerRequest::Field;
using ServerRequest::Fields;
using ServerRequest::HasStatusWord;
using ServerRequest::PostList;
using ServerRequest::PostString;
using ServerRequest::Reply;
using ServerRequest::StringBody;

QString S(const char* text)
{
    return QString::fromLatin1(text);
}

// The profile's fields in the order the service sends them back.
std::array<QString*, 14> infoReadOrder(TInfo14& i)
{
    return {&i.Name1, &i.Name2, &i.About, &i.Telephone, &i.EMailO, &i.WebSite, &i.Skype,
            &i.OK,    &i.VK,    &i.Telegram, &i.FaceBook, &i.Twitter, &i.Instagramm, &i.YouTube};
}

QString profileValue(QString v)
{
    v.replace(QLatin1Char('~'), QLatin1Char('-'));
    v.replace(QLatin1Char('$'), QLatin1Char('-'));
    return v;
}

} // namespace

int ServerRegister(const QString& Address, const TQyvUser& User)
{
    StringBody body;
    body.add(S("nick"), User.Nick)
        .add(S("pw"), User.Pw)
        .add(S("city"), User.City)
        .add(S("country1"), User.Country1)
        .add(S("country2"), User.Country2)
        .add(S("sex"), QString(User.Sex))
        .add(S("email"), User.EMail)
        .add(S("dater"), User.DateR)
        .add(S("R01"), User.R01)
        .add(S("R02"), User.R02)
        .add(S("R03"), User.R03)
        .add(S("R04"), User.R04)
        .add(S("R05"), User.R05)
        .add(S("R06"), User.R06);
    const Reply reply = PostString(Address, body.bytes());
    if (!reply.ok)
        return 2;
    int result = 2;
    if (HasStatusWord(reply.text, "ok"))
        result = 0;
    if (HasStatusWord(reply.text, "is"))
        result = 1;
    return result;
}

void ServerTopTen(const QString& Address, const QString& GameCode, bool& Ok, platform::Arr<TQyvTop10, 10>& Rows)
{
    Ok = false;
    for (TQyvTop10& r : Rows)
        r = TQyvTop10{};
    const Reply reply = PostList(Address, {{GameCode + S("kon"), S("0")}});
    if (!reply.ok)
        return;
    Ok = true;
    const QStringList frames = ServerRequest::Frames(reply.text, QLatin1Char('*'), 10);
    for (int row = 1; row <= frames.size(); ++row) {
        const QStringList f = Fields(frames[row - 1], QLatin1Char(' '));
        TQyvTop10& r = Rows[row];
        QString v;
        if (Field(f, 2, v))
            r.Nick = v;
        if (Field(f, 3, v))
            r.City = v;
        if (Field(f, 4, v))
            r.Country = v;
        if (Field(f, 5, v))
            r.Country = v;
        if (Field(f, 6, v) && !v.isEmpty())
            r.Sex = v[0];
        if (Field(f, 7, v)) {
            bool ok = false;
            const double rating = ServerRequest::StrToFloatLoose(v, 0, ok);
            if (!ok) {
                Ok = false;
                return;
            }
            r.Rating = rating;
        }
    }
}

int ServerPlaceForRating(const QString& Address, const QString& GameCode, double Rating, bool& Ok)
{
    Ok = false;
    const Reply reply =
        PostString(Address, StringBody().add(GameCode + S("rating"), ServerRequest::FloatToDotStr(Rating)).bytes());
    int place = -1;
    if (reply.ok && ServerRequest::NumberAfterLastDollar(reply.text, place)) {
        Ok = true;
        return place;
    }
    return -1;
}

int ServerPlayerCount(const QString& Address, bool& Ok)
{
    Ok = false;
    const Reply reply = PostString(Address, StringBody().add(S("label1"), S("0")).bytes());
    int count = -1;
    if (reply.ok && ServerRequest::NumberAfterLastDollar(reply.text, count)) {
        Ok = true;
        return count;
    }
    return -1;
}

int ServerReadBalance(const QString& Address, const QString& Nick, bool& Ok)
{
    Ok = false;
    const Reply reply = PostList(Address, {{S("nick"), Nick}, {S("labelqyvread"), S("0")}});
    if (!reply.ok || HasStatusWord(reply.text, "no", QLatin1Char('$')))
        return 0;
    QString frame;
    int balance = 0;
    if (!ServerRequest::FirstFrame(reply.text, QLatin1Char('$'), frame) || !ServerRequest::StrictInt(frame, balance))
        return 0;
    Ok = true;
    return balance;
}

bool ServerSaveBalance(const QString& Address, const QString& Nick, int Amount, bool& Ok)
{
    const Reply reply =
        PostString(Address, StringBody().add(S("nick"), Nick).add(S("labelqyvsave"), S("0")).add(S("R04"), Amount).bytes());
    Ok = reply.ok && HasStatusWord(reply.text, "ok");
    return Ok;
}

void ServerReadInfo(const QString& Address, const QString& Nick, bool& Ok, TInfo14& Info)
{
    Ok = false;
    const Reply reply = PostList(Address, {{S("nick"), Nick}, {S("labelinforead"), S("0")}});
    QString frame;
    if (!reply.ok || HasStatusWord(reply.text, "no", QLatin1Char('$')) ||
        !ServerRequest::FirstFrame(reply.text, QLatin1Char('$'), frame))
        return;
    const QStringList f = Fields(frame, QLatin1Char('~'));
    const auto targets = infoReadOrder(Info);
    QString v;
    for (int i = 1; i <= 14; ++i)
        if (Field(f, i, v))
            *targets[i - 1] = v;
    Ok = true;
}

bool ServerSaveInfo(const QString& Address, const QString& Nick, const TInfo14& Info, bool& Ok)
{
    StringBody body;
    body.add(S("nick"), Nick)
        .add(S("labelinfosave"), S("0"))
        .add(S("namei"), profileValue(Info.Name1))
        .add(S("name2"), profileValue(Info.Name2))
        .add(S("about"), profileValue(Info.About))
        .add(S("telephone"), profileValue(Info.Telephone))
        .add(S("emailo"), profileValue(Info.EMailO))
        .add(S("website"), profileValue(Info.WebSite))
        .add(S("skype"), profileValue(Info.Skype))
        .add(S("ok"), profileValue(Info.OK))
        .add(S("vk"), profileValue(Info.VK))
        .add(S("telegram"), profileValue(Info.Telegram))
        .add(S("facebook"), profileValue(Info.FaceBook))
        .add(S("twitter"), profileValue(Info.Twitter))
        .add(S("instagramm"), profileValue(Info.Instagramm))
        .add(S("youtube"), profileValue(Info.YouTube));
    const Reply reply = PostString(Address, body.bytes());
    Ok = reply.ok && HasStatusWord(reply.text, "ok");
    return Ok;
}

void ServerReadGame2(const QString& Address, const QString& Nick, const QString& Pw, const QString& GameCode,
                     bool& Ok, TQyvGame& Game)
{
    ServerReadGame(Address, Nick, Pw, GameCode, Ok, Game);
}

bool DownloadAvatar(const QString& Name, int Slot)
{
    try {
        const QString folder = Scrambler::UnscrambleText(AvatarFolderAddressCoded, Scrambler::KeyAccount);
        // The nick goes into the path as its code page 1251 bytes, escaped, so that no
        // nick can reach another path or a query.
        const QString url =
            folder + QString::fromLatin1(platform::cp1251::fromUnicode(Name).toPercentEncoding()) + S(".jpg");
        platform::HttpOptions options;
        options.userAgent.clear();
        const platform::HttpResult r = platform::httpGet(url, options);
        if (!r.ok)
            return false;
        QImage picture;
        if (!picture.loadFromData(r.body, "JPG"))
            return false;
        if (Slot == 1)
            AccountPhoto = picture;
        else if (Slot == 2)
            LeaderPhoto = picture;
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace Online
