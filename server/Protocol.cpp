#include "server/Protocol.h"

#include "foundation/Scrambler.h"
#include "platform/Cp1251.h"
#include "server/Store.h"

#include <QUrl>
#include <cmath>
#include <limits>

namespace VardelinServer {

namespace {

constexpr qint64 IntMax = std::numeric_limits<qint32>::max();
constexpr qint64 IntMin = std::numeric_limits<qint32>::min();

const char* const suffixes[] = {"konl", "kon", "best", "rating", "ses", "score", "R1", "R2"};

class Form {
public:
    explicit Form(const QByteArray& body) : fields_(ParseForm(body)) {}
    bool has(const char* name) const { return index(QString::fromLatin1(name)) >= 0; }
    QString value(const QString& name) const
    {
        const qsizetype i = index(name);
        return i < 0 ? QString() : fields_[i].second;
    }
    QString value(const char* name) const { return value(QString::fromLatin1(name)); }
    // The game code of the first field with that suffix; empty when none.
    QString gameCodeWith(const char* suffix) const
    {
        for (const auto& f : fields_) {
            QString code, s;
            if (SplitGameField(f.first, code, s) && s == QLatin1String(suffix))
                return code;
        }
        return QString();
    }
    const FormFields& fields() const { return fields_; }

private:
    qsizetype index(const QString& name) const
    {
        for (qsizetype i = 0; i < fields_.size(); ++i)
            if (fields_[i].first == name)
                return i;
        return -1;
    }
    FormFields fields_;
};

// A text that comes back blank-separated: no blank and none of the frame characters.
bool clean(const QString& text)
{
    for (const QChar c : text)
        if (c == QLatin1Char(' ') || c == QLatin1Char('$') || c == QLatin1Char('*') || c == QLatin1Char('~'))
            return false;
    return true;
}

bool int32(const QString& text, qint64& value)
{
    bool ok = false;
    value = text.toLongLong(&ok);
    return ok && !text.startsWith(QLatin1Char('+')) && value >= IntMin && value <= IntMax;
}

bool rating(const QString& text, double& value)
{
    bool ok = false;
    value = text.toDouble(&ok);
    return ok && std::isfinite(value);
}

QString number(double x)
{
    return QString::number(x, 'g', 15);
}

Answer text(const QString& body)
{
    Answer a;
    a.body = platform::cp1251::fromUnicode(body);
    return a;
}

Answer plain(int status, const QByteArray& body)
{
    Answer a;
    a.status = status;
    a.contentType = "text/plain";
    a.body = body;
    return a;
}

const char* const profileFields[] = {"namei", "name2", "about", "telephone", "emailo", "website", "skype",
                                     "ok", "vk", "telegram", "facebook", "twitter", "instagramm", "youtube"};

// --- account service ---

Answer registerMember(Store& store, const Form& form)
{
    Member m;
    QString* texts[] = {&m.nick, &m.pw, &m.city, &m.country1, &m.country2, &m.sex, &m.email, &m.dater,
                        &m.r01, &m.r02, &m.r03};
    const char* names[] = {"nick", "pw", "city", "country1", "country2", "sex", "email", "dater", "R01", "R02", "R03"};
    for (int i = 0; i < 11; ++i) {
        *texts[i] = form.value(names[i]);
        if (!clean(*texts[i]))
            return text(QStringLiteral("fail"));
    }
    if (m.nick.isEmpty() || m.pw.isEmpty())
        return text(QStringLiteral("fail"));
    qint64* numbers[] = {&m.r04, &m.r05, &m.r06};
    const char* numberNames[] = {"R04", "R05", "R06"};
    for (int i = 0; i < 3; ++i) {
        const QString v = form.value(numberNames[i]);
        if (!v.isEmpty() && !int32(v, *numbers[i]))
            return text(QStringLiteral("fail"));
    }
    if (m.r04 < 0)
        return text(QStringLiteral("fail"));
    for (int i = 0; i < 14; ++i)
        m.info << QString();
    if (store.member(m.nick))
        return text(QStringLiteral("is"));
    return text(store.addMember(m) ? QStringLiteral("ok") : QStringLiteral("fail"));
}

Answer login(Store& store, const Form& form)
{
    const auto m = store.member(form.value("nick"));
    if (!m || m->pw != form.value("pw"))
        return text(QStringLiteral("no"));
    const QStringList fields = {m->city, m->country1, m->country2, m->sex, m->email, m->dater, m->r01, m->r02, m->r03,
                                QString::number(m->r04), QString::number(m->r05), QString::number(m->r06)};
    return text(QLatin1Char('$') + fields.join(QLatin1Char(' ')) + QLatin1Char('$'));
}

Answer gameRead(Store& store, const Form& form)
{
    const auto m = store.member(form.value("nick"));
    if (!m || m->pw != form.value("pw"))
        return text(QStringLiteral("no"));
    const auto g = store.game(m->nick, form.gameCodeWith("best"));
    if (!g)
        return text(QStringLiteral("$0 0 0 0 0 0 0 #$"));
    const QStringList f = {QString::number(g->kon), QString::number(g->best), number(g->rating),
                           QString::number(g->ses), QString::number(g->konl), QString::number(g->score),
                           QString::number(g->r1), g->r2};
    return text(QLatin1Char('$') + f.join(QLatin1Char(' ')) + QLatin1Char('$'));
}

Answer gameSave(Store& store, const Form& form)
{
    const QString code = form.gameCodeWith("ses");
    const auto m = store.member(form.value("nick"));
    if (!m || m->pw != form.value("pw"))
        return text(QStringLiteral("no"));
    GameRecord g;
    qint64* numbers[] = {&g.kon, &g.best, &g.ses, &g.konl, &g.score, &g.r1};
    const char* names[] = {"kon", "best", "ses", "konl", "score", "R1"};
    for (int i = 0; i < 6; ++i)
        if (!int32(form.value(code + QLatin1String(names[i])), *numbers[i]))
            return text(QStringLiteral("fail"));
    if (!rating(form.value(code + QStringLiteral("rating")), g.rating))
        return text(QStringLiteral("fail"));
    g.r2 = form.value(code + QStringLiteral("R2"));
    if (!clean(g.r2))
        return text(QStringLiteral("fail"));
    if (g.r2.isEmpty())
        g.r2 = QStringLiteral("#");
    return text(store.saveGame(m->nick, code, g) ? QStringLiteral("ok") : QStringLiteral("fail"));
}

Answer topTen(Store& store, const Form& form)
{
    QString out;
    const QString code = form.gameCodeWith("kon");
    const auto list = store.gameList(code);
    for (qsizetype i = 0; i < list.size() && i < 10; ++i) {
        const Member& m = list[i].first;
        const double r = list[i].second.rating;
        const QStringList f = {QString::number(store.placeFor(code, r)), m.nick, m.city, m.country1, m.country2,
                               m.sex, number(r)};
        out += QLatin1Char('$') + f.join(QLatin1Char(' ')) + QLatin1Char('*');
    }
    return text(out);
}

Answer balanceChange(Store& store, const Form& form)
{
    auto m = store.member(form.value("nick"));
    if (!m)
        return text(QStringLiteral("no"));
    qint64 amount = 0;
    if (!int32(form.value("R04"), amount))
        return text(QStringLiteral("fail"));
    const qint64 balance = m->r04 + amount;
    if (balance < 0 || balance > IntMax)
        return text(QStringLiteral("fail"));
    m->r04 = balance;
    return text(store.saveMember(*m) ? QStringLiteral("ok") : QStringLiteral("fail"));
}

Answer profileSave(Store& store, const Form& form)
{
    auto m = store.member(form.value("nick"));
    if (!m)
        return text(QStringLiteral("no"));
    QStringList info;
    for (const char* name : profileFields) {
        const QString v = form.value(name);
        if (v.contains(QLatin1Char('~')) || v.contains(QLatin1Char('$')))
            return text(QStringLiteral("fail"));
        info << v;
    }
    m->info = info;
    return text(store.saveMember(*m) ? QStringLiteral("ok") : QStringLiteral("fail"));
}

Answer account(Store& store, const Form& form, Kind kind)
{
    switch (kind) {
    case Kind::Login: return login(store, form);
    case Kind::MemberCount: return text(QStringLiteral("$%1$").arg(store.memberCount()));
    case Kind::BalanceRead: {
        const auto m = store.member(form.value("nick"));
        return text(m ? QStringLiteral("$%1$").arg(m->r04) : QStringLiteral("no"));
    }
    case Kind::BalanceChange: return balanceChange(store, form);
    case Kind::ProfileRead: {
        const auto m = store.member(form.value("nick"));
        return text(m ? QLatin1Char('$') + m->info.join(QLatin1Char('~')) + QLatin1Char('$') : QStringLiteral("no"));
    }
    case Kind::ProfileSave: return profileSave(store, form);
    case Kind::Register: return registerMember(store, form);
    case Kind::GameSave: return gameSave(store, form);
    case Kind::GameRead: return gameRead(store, form);
    case Kind::Place: {
        double r = 0;
        const QString code = form.gameCodeWith("rating");
        if (!rating(form.value(code + QStringLiteral("rating")), r))
            return text(QStringLiteral("fail"));
        return text(QStringLiteral("$%1$").arg(store.placeFor(code, r)));
    }
    case Kind::TopTen: return topTen(store, form);
    default: return text(QStringLiteral("fail"));
    }
}

// --- world rating and chat ---

QString worldRows(const QList<WorldRow>& rows)
{
    QString out;
    for (const WorldRow& r : rows) {
        const QStringList f = {QString::number(r.place), QString::number(r.rid), QString::number(r.score), r.nick,
                               r.country, r.city, r.r07, r.r08, r.r09, r.r10};
        out += QLatin1Char('$') + f.join(QLatin1Char(' ')) + QLatin1Char('*');
    }
    return out;
}

Answer world(Store& store, const HttpRequestData& request, Kind kind)
{
    QByteArray body = request.body;
    if (kind == Kind::WorldSubmit && body.endsWith('*'))
        body.chop(1);
    const Form form(body);
    qint64 gid = 0;
    if (!int32(form.value(kind == Kind::WorldCount ? "rgid" : "gid"), gid))
        return text(kind == Kind::WorldCount || kind == Kind::WorldSubmit ? QStringLiteral("fail") : QString());
    switch (kind) {
    case Kind::WorldCount: return text(QStringLiteral("$%1#").arg(store.worldCount(gid)));
    case Kind::WorldSubmit: {
        WorldRow row;
        row.gid = gid;
        if (!int32(form.value("score"), row.score))
            return text(QStringLiteral("fail"));
        QString* texts[] = {&row.nick, &row.country, &row.city, &row.r07, &row.r08, &row.r09, &row.r10};
        const char* names[] = {"nick", "country", "city", "R7", "R8", "R9", "R10"};
        for (int i = 0; i < 7; ++i) {
            *texts[i] = form.value(names[i]);
            if (!clean(*texts[i]))
                return text(QStringLiteral("fail"));
        }
        if (row.nick.isEmpty())
            return text(QStringLiteral("fail"));
        const qint64 place = store.addWorldRow(row);
        return text(place < 1 ? QStringLiteral("fail") : QStringLiteral("$%1#").arg(place));
    }
    case Kind::WorldOwn:
        return text(worldRows(store.worldRows(gid, 10, form.value("nick"), form.value("city"), true)));
    default: return text(worldRows(store.worldRows(gid, 10)));
    }
}

// --- statistics and the per-group table ---

Answer counters(Store& store, const Form& form, Kind kind)
{
    qint64 gid = 0;
    if (!int32(form.value("gid"), gid))
        return text(kind == Kind::StatRead || kind == Kind::TableRead ? QString() : QStringLiteral("$fail#"));
    switch (kind) {
    case Kind::StatRead: {
        const StatRecord s = store.stat(gid);
        QStringList f = {QStringLiteral("0"), QStringLiteral("0"), QString::number(s.likes), s.lastLike};
        for (qint64 x : s.x)
            f << QString::number(x);
        f << QStringLiteral("0") << QStringLiteral("#");
        return text(QLatin1Char('$') + f.join(QLatin1Char(' ')) + QLatin1Char('*'));
    }
    case Kind::StatLike: {
        StatRecord s = store.stat(gid);
        const QString nick = form.value("stat4");
        if (!clean(nick) || s.likes >= IntMax)
            return text(QStringLiteral("$fail#"));
        ++s.likes;
        s.lastLike = nick;
        return text(store.saveStat(gid, s) ? QStringLiteral("$ok#") : QStringLiteral("$fail#"));
    }
    case Kind::Stat12:
    case Kind::Table40: {
        const int n = kind == Kind::Stat12 ? 12 : 40;
        StatRecord s;
        QList<qint64> t;
        if (kind == Kind::Stat12) {
            s = store.stat(gid);
            t = QList<qint64>(s.x, s.x + 12);
        } else {
            t = store.table(gid);
        }
        for (int i = 1; i <= n; ++i) {
            qint64 v = 0;
            if (!int32(form.value(QStringLiteral("R%1").arg(i)), v) || t[i - 1] + v < 0 || t[i - 1] + v > IntMax)
                return text(QStringLiteral("$fail#"));
            t[i - 1] += v;
        }
        bool saved = false;
        if (kind == Kind::Stat12) {
            std::copy(t.begin(), t.end(), s.x);
            saved = store.saveStat(gid, s);
        } else {
            saved = store.saveTable(gid, t);
        }
        return text(saved ? QStringLiteral("$ok#") : QStringLiteral("$fail#"));
    }
    default: {
        QStringList f;
        for (qint64 v : store.table(gid))
            f << QString::number(v);
        return text(QLatin1Char('$') + f.join(QLatin1Char(' ')) + QLatin1Char('*'));
    }
    }
}

// --- photos ---

// The part named "file" of a multipart body: its file name and bytes.
bool filePart(const HttpRequestData& request, QString& fileName, QByteArray& data)
{
    const QByteArray type = request.header("content-type");
    const qsizetype b = type.indexOf("boundary=");
    if (!type.startsWith("multipart/form-data") || b < 0)
        return false;
    QByteArray boundary = type.mid(b + 9);
    if (boundary.startsWith('"'))
        boundary = boundary.mid(1, boundary.indexOf('"', 1) - 1);
    const QByteArray delimiter = "--" + boundary;
    qsizetype pos = request.body.indexOf(delimiter);
    while (pos >= 0) {
        const qsizetype headStart = pos + delimiter.size() + 2;
        const qsizetype headEnd = request.body.indexOf("\r\n\r\n", headStart);
        if (headEnd < 0)
            return false;
        const qsizetype next = request.body.indexOf("\r\n" + delimiter, headEnd + 4);
        if (next < 0)
            return false;
        const QByteArray head = request.body.mid(headStart, headEnd - headStart);
        if (head.contains("name=\"file\"")) {
            const qsizetype f = head.indexOf("filename=\"");
            if (f < 0)
                return false;
            const qsizetype fEnd = head.indexOf('"', f + 10);
            fileName = QString::fromUtf8(head.mid(f + 10, fEnd - f - 10));
            data = request.body.mid(headEnd + 4, next - headEnd - 4);
            return true;
        }
        pos = next + 2;
    }
    return false;
}

Answer upload(Store& store, const HttpRequestData& request)
{
    QString fileName;
    QByteArray data;
    int w = 0;
    int h = 0;
    if (!filePart(request, fileName, data) || !fileName.endsWith(QLatin1String(".jpg")) || !JpegSize(data, w, h)
        || w != 200 || h != 250)
        return plain(200, "Refused");
    const QString nick = fileName.chopped(4);
    if (!store.member(nick) || !store.savePhoto(nick, data))
        return plain(200, "Refused");
    return plain(200, "Ok");
}

Answer avatar(Store& store, const HttpRequestData& request)
{
    const QString name = QUrl::fromPercentEncoding(request.bare().mid(qsizetype(sizeof(Paths::Avatars)) - 1));
    if (name.endsWith(QLatin1String(".jpg")))
        if (const auto photo = store.photo(name.chopped(4))) {
            Answer a;
            a.contentType = "image/jpeg";
            a.body = *photo;
            return a;
        }
    return plain(404, "Not Found");
}

// --- pages ---

Answer config(const HttpRequestData& request, const ProtocolOptions& options)
{
    QByteArray host = request.header("host");
    if (host.isEmpty())
        host = "127.0.0.1";
    const QString base = QStringLiteral("http://") + QString::fromLatin1(host);
    auto coded = [&](const char* path, std::uint16_t key) {
        return Scrambler::ScrambleText(base + QLatin1String(path), key);
    };
    const QString rating = coded(Paths::World, Scrambler::KeySettings);
    QString page = QStringLiteral("WTGamesPath=%1#\r\nWTGamesPatt=%1#\r\nStatPath=%2#\r\nAccPath=%3#\r\n")
                       .arg(rating, coded(Paths::Stat, Scrambler::KeySettings), coded(Paths::Account, Scrambler::KeyAccount));
    if (options.pauseWorld)
        page += QStringLiteral("WTGamesPause#\r\n");
    if (options.pauseChat)
        page += QStringLiteral("CTGamesPause#\r\n");
    return plain(200, page.toLatin1());
}

} // namespace

const char* KindName(Kind kind)
{
    static const char* const names[] = {
        "register", "login", "game-read", "game-save", "place", "member-count", "top-ten", "balance-read",
        "balance-change", "profile-read", "profile-save", "world-count", "world-submit", "world-own", "world-top-ten",
        "stat-read", "stat-like", "stat-12", "table-read", "table-40", "upload", "avatar", "top-up", "status",
        "config", "unknown"};
    return names[static_cast<int>(kind)];
}

FormFields ParseForm(const QByteArray& body)
{
    auto decode = [](const QByteArray& raw) {
        QByteArray out;
        for (qsizetype i = 0; i < raw.size(); ++i) {
            const char c = raw[i];
            if (c == '+') {
                out += ' ';
            } else if (c == '%' && i + 2 < raw.size() && isxdigit(uchar(raw[i + 1])) && isxdigit(uchar(raw[i + 2]))) {
                out += char(raw.mid(i + 1, 2).toInt(nullptr, 16));
                i += 2;
            } else {
                out += c;
            }
        }
        return platform::cp1251::toUnicode(out);
    };
    FormFields fields;
    if (body.isEmpty())
        return fields;
    for (const QByteArray& pair : body.split('&')) {
        const qsizetype eq = pair.indexOf('=');
        fields.append({decode(eq < 0 ? pair : pair.left(eq)), eq < 0 ? QString() : decode(pair.mid(eq + 1))});
    }
    return fields;
}

bool SplitGameField(const QString& name, QString& code, QString& suffix)
{
    for (const char* s : suffixes) {
        if (!name.endsWith(QLatin1String(s)))
            continue;
        const QString c = name.chopped(qsizetype(qstrlen(s)));
        bool known = false;
        for (const char* group : {"solvd", "soltu", "solpg", "solbo", "soluq"})
            known = known || c == QLatin1String(group);
        if (!known && c.size() == 6 && c.startsWith(QLatin1String("sol"))) {
            bool ok = false;
            const int n = c.mid(3).toInt(&ok);
            known = ok && n >= 401 && n <= 445;
        }
        if (known) {
            code = c;
            suffix = QString::fromLatin1(s);
            return true;
        }
    }
    return false;
}

Kind Classify(const HttpRequestData& request)
{
    const QByteArray path = request.bare();
    if (request.method == "GET") {
        if (path.startsWith(Paths::Avatars))
            return Kind::Avatar;
        if (path == Paths::TopUp)
            return Kind::TopUp;
        if (path == Paths::Status)
            return Kind::Status;
        if (path == Paths::Config)
            return Kind::Config;
        return Kind::Unknown;
    }
    if (path == Paths::Upload)
        return Kind::Upload;
    const Form form(request.body);
    if (path == Paths::Account) {
        const std::pair<const char*, Kind> labels[] = {
            {"label0", Kind::Login}, {"label1", Kind::MemberCount}, {"labelqyvread", Kind::BalanceRead},
            {"labelqyvsave", Kind::BalanceChange}, {"labelinforead", Kind::ProfileRead},
            {"labelinfosave", Kind::ProfileSave}, {"country1", Kind::Register}};
        for (const auto& [label, kind] : labels)
            if (form.has(label))
                return kind;
        if (!form.gameCodeWith("ses").isEmpty())
            return Kind::GameSave;
        if (form.has("pw") && !form.gameCodeWith("best").isEmpty())
            return Kind::GameRead;
        if (form.fields().size() == 1 && !form.gameCodeWith("rating").isEmpty())
            return Kind::Place;
        if (form.fields().size() == 1 && !form.gameCodeWith("kon").isEmpty())
            return Kind::TopTen;
        return Kind::Unknown;
    }
    if (path == Paths::World) {
        if (form.has("rgid"))
            return Kind::WorldCount;
        if (form.has("score"))
            return Kind::WorldSubmit;
        return form.has("nick") ? Kind::WorldOwn : Kind::WorldTopTen;
    }
    if (path == Paths::Stat) {
        if (form.has("stat3"))
            return Kind::StatLike;
        return form.has("R1") ? Kind::Stat12 : Kind::StatRead;
    }
    if (path == Paths::Table)
        return form.has("R1") ? Kind::Table40 : Kind::TableRead;
    return Kind::Unknown;
}

Answer Handle(Store& store, const HttpRequestData& request, Kind kind, const ProtocolOptions& options)
{
    switch (kind) {
    case Kind::Register: case Kind::Login: case Kind::GameRead: case Kind::GameSave: case Kind::Place:
    case Kind::MemberCount: case Kind::TopTen: case Kind::BalanceRead: case Kind::BalanceChange:
    case Kind::ProfileRead: case Kind::ProfileSave:
        return account(store, Form(request.body), kind);
    case Kind::WorldCount: case Kind::WorldSubmit: case Kind::WorldOwn: case Kind::WorldTopTen:
        return world(store, request, kind);
    case Kind::StatRead: case Kind::StatLike: case Kind::Stat12: case Kind::TableRead: case Kind::Table40:
        return counters(store, Form(request.body), kind);
    case Kind::Upload: return upload(store, request);
    case Kind::Avatar: return avatar(store, request);
    case Kind::TopUp:
        return text(QStringLiteral("<html><body><p>This local server takes no payments. A balance changes with "
                                   "<code>vardelin-server --credit NICK AMOUNT</code>.</p></body></html>"));
    case Kind::Status: return plain(200, "NewsVardelin2.1=N####\r\n");
    case Kind::Config: return config(request, options);
    case Kind::Unknown: break;
    }
    return plain(404, "Not Found");
}

bool JpegSize(const QByteArray& bytes, int& width, int& height)
{
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype n = bytes.size();
    if (n < 4 || p[0] != 0xFF || p[1] != 0xD8)
        return false;
    qsizetype i = 2;
    while (i + 4 <= n) {
        if (p[i] != 0xFF)
            return false;
        const uchar marker = p[i + 1];
        if (marker == 0xFF) {
            ++i;
            continue;
        }
        const int length = (p[i + 2] << 8) | p[i + 3];
        if (length < 2)
            return false;
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (i + 9 > n)
                return false;
            height = (p[i + 5] << 8) | p[i + 6];
            width = (p[i + 7] << 8) | p[i + 8];
            return true;
        }
        i += 2 + length;
    }
    return false;
}

} // namespace VardelinServer
