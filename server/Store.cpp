#include "server/Store.h"

#include <QAtomicInt>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace VardelinServer {

namespace {

QAtomicInt connectionSerial;

const char* const schema[] = {
    "CREATE TABLE IF NOT EXISTS members (nick TEXT PRIMARY KEY, pw TEXT, city TEXT, country1 TEXT, "
    "country2 TEXT, sex TEXT, email TEXT, dater TEXT, r01 TEXT, r02 TEXT, r03 TEXT, r04 INTEGER, "
    "r05 INTEGER, r06 INTEGER, info TEXT)",
    "CREATE TABLE IF NOT EXISTS games (nick TEXT, code TEXT, kon INTEGER, best INTEGER, rating REAL, "
    "ses INTEGER, konl INTEGER, score INTEGER, r1 INTEGER, r2 TEXT, PRIMARY KEY (nick, code))",
    "CREATE TABLE IF NOT EXISTS world (rid INTEGER PRIMARY KEY AUTOINCREMENT, gid INTEGER, score INTEGER, "
    "nick TEXT, country TEXT, city TEXT, r07 TEXT, r08 TEXT, r09 TEXT, r10 TEXT)",
    "CREATE INDEX IF NOT EXISTS world_list ON world (gid, score DESC, rid)",
    "CREATE TABLE IF NOT EXISTS stats (gid INTEGER PRIMARY KEY, likes INTEGER, lastlike TEXT, counters TEXT)",
    "CREATE TABLE IF NOT EXISTS tables40 (gid INTEGER PRIMARY KEY, counters TEXT)",
    "CREATE TABLE IF NOT EXISTS photos (nick TEXT PRIMARY KEY, jpeg BLOB)",
};

QString joinNumbers(const qint64* v, int n)
{
    QStringList parts;
    for (int i = 0; i < n; ++i)
        parts << QString::number(v[i]);
    return parts.join(QLatin1Char(' '));
}

void splitNumbers(const QString& text, qint64* v, int n)
{
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < n; ++i)
        v[i] = i < parts.size() ? parts[i].toLongLong() : 0;
}

Member memberOf(const QSqlQuery& q, int at = 0)
{
    Member m;
    QString* texts[] = {&m.nick, &m.pw, &m.city, &m.country1, &m.country2, &m.sex, &m.email, &m.dater,
                        &m.r01, &m.r02, &m.r03};
    for (int i = 0; i < 11; ++i)
        *texts[i] = q.value(at + i).toString();
    m.r04 = q.value(at + 11).toLongLong();
    m.r05 = q.value(at + 12).toLongLong();
    m.r06 = q.value(at + 13).toLongLong();
    m.info = q.value(at + 14).toString().split(QLatin1Char('~'));
    while (m.info.size() < 14)
        m.info << QString();
    return m;
}

GameRecord gameOf(const QSqlQuery& q, int at)
{
    GameRecord g;
    g.kon = q.value(at).toLongLong();
    g.best = q.value(at + 1).toLongLong();
    g.rating = q.value(at + 2).toDouble();
    g.ses = q.value(at + 3).toLongLong();
    g.konl = q.value(at + 4).toLongLong();
    g.score = q.value(at + 5).toLongLong();
    g.r1 = q.value(at + 6).toLongLong();
    g.r2 = q.value(at + 7).toString();
    return g;
}

const char memberColumns[] = "nick, pw, city, country1, country2, sex, email, dater, r01, r02, r03, r04, r05, r06, info";
const char gameColumns[] = "kon, best, rating, ses, konl, score, r1, r2";

} // namespace

Store::~Store()
{
    if (name_.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

bool Store::open(const QString& file)
{
    if (!QSqlDatabase::isDriverAvailable(QString::fromLatin1(SqlDriver))) {
        error_ = QStringLiteral("the SQLite driver of Qt is missing: install the Debian package %1")
                     .arg(QString::fromLatin1(SqlDriverPackage));
        return false;
    }
    name_ = QStringLiteral("vardelin-server-%1").arg(connectionSerial.fetchAndAddRelaxed(1));
    QSqlDatabase db = QSqlDatabase::addDatabase(QString::fromLatin1(SqlDriver), name_);
    db.setDatabaseName(file);
    if (!db.open()) {
        error_ = db.lastError().text();
        return false;
    }
    if (!exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !exec(QStringLiteral("PRAGMA synchronous=NORMAL")))
        return false;
    for (const char* s : schema)
        if (!exec(QString::fromLatin1(s)))
            return false;
    return true;
}

bool Store::exec(const QString& sql)
{
    QSqlQuery q(QSqlDatabase::database(name_, false));
    if (q.exec(sql))
        return true;
    error_ = q.lastError().text();
    return false;
}

bool Store::begin()
{
    return QSqlDatabase::database(name_, false).transaction();
}

bool Store::commit()
{
    return QSqlDatabase::database(name_, false).commit();
}

void Store::rollback()
{
    QSqlDatabase::database(name_, false).rollback();
}

std::optional<Member> Store::member(const QString& nick)
{
    QSqlQuery q(QSqlDatabase::database(name_, false));
    q.prepare(QStringLiteral("SELECT %1 FROM members WHERE nick = ?").arg(QLatin1String(memberColumns)));
    q.addBindValue(nick);
    if (!q.exec() || !q.next())
        return std::nullopt;
    return memberOf(q);
}

bool Store::addMember(const Member& m)
{
    QSqlQuery q(QSqlDatabase::database(name_, false));
    q.prepare(QStringLiteral("INSERT INTO members (%1) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)")
                  .arg(QLatin1String(memberColumns)));
    for (const QString* t : {&m.nick, &m.pw, &m.city, &m.country1, &m.country2, &m.sex, &m.email, &m.dater, &m.r01,
                             &m.r02, &m.r03})
        q.addBindValue(*t);
    q.addBindValue(m.r04);
    q.addBindValue(m.r05);
    q.addBindValue(m.r06);
    q.addBindValue(m.info.join(QLatin1Char('~')));
    return q.exec();
}

bool Store::saveMember(const Member& m)
{
    QSqlQuery q(QSqlDatabase::database(name_, false));
    q.prepare(QStringLiteral("UPDATE members SET r04 = ?, info = ? WHERE nick = ?"));
    q.addBindValue(m.r04);
    q.addBindValue(m.info.join(QLatin1Char('~')));
    q.addBindValue(m.nick);
    return q.exec();
}

qint64 Store::memberCount()
{
    QSqlQuery q(QSqlDatabase::database(name_, false));
    return q.exec(QStringLiteral("SELECT COUNT(*) FROM members")) && q.next() ? q.value(0).toLongLong() : 0;
}

std::optional<GameRecord> Store::game(const QString& nick, const QString& code)
{
    QSqlQuery q(QSqlDatabase::database(name_, false));
    q.prepare(QStringLiteral("SELECT %1 FROM games WHERE nick = ? AND code = ?").arg(QLatin1String(gameColumns)));
    q.addBindValue(nick);
    q.addBindValue(code);
    if (!q.exec() || !q.next())
        return std::nullopt;
    return gameOf(q, 0);
}

bool Store::saveGame(const QString& nick, const QString& code, const GameRecord& g)
{
    QSqlQuery q(QSqlDatabase::database(name_, false));
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO games (nick, code, %1) VALUES (?,?,?,?,?,?,?,?,?,?)")
                  .arg(QLatin1String(gameColumns)));
    q.addBindValue(nick);
    q.addBindValue(code);
    for (qint64 v : {g.kon, g.best})
        q.addBindValue(v);
    q.addBindValue(g.rating);
    for (qint64 v : {g.ses, g.konl, g.score, g.r1})
        q.addBindValue(v);
    q.addBindValue(g.r2);
    return q.exec();
}

QList<QPair<Member, GameRecord>> Store::gameList(const QString& code)
{
    QList<QPair<Member, GameRecord>> out;
    QSqlQuery q(QSqlDatabase::database(name_, false));
    QString members = QLatin1String(memberColumns);
    members.replace(QLatin1String(", "), QLatin1String(", m."));
    q.prepare(QStringLiteral("SELECT m.%1, g.kon, g.best, g.rating, g.ses, g.konl, g.score, g.r1, g.r2 "
                             "FROM games g JOIN members m ON m.nick = g.nick WHERE g.code = ? "
                             "ORDER BY g.rating DESC, m.nick")
                  .arg(members));
    q.addBindValue(code);
    if (q.exec())
        while (q.next())
            out.append({memberOf(q), gameOf(q, 15)});
    return out;
}

qint64 Store::placeFor(const QString& code, double rating)
{
    QSqlQuery q(QSqlDatabase::database(name_, false));
    q.prepare(QStringLiteral("SELECT COUNT(*) FROM games WHERE code = ? AND rating > ?"));
    q.addBindValue(code);
    q.addBindValue(rating);
    return 1 + (q.exec() && q.next() ? q.value(0).toLongLong() : 0);
}

qint64 Store::addWorldRow(WorldRow& row)
{
    QSqlQuery q(QSqlDatabase::database(name_, false));
    q.prepare(QStringLiteral("INSERT INTO world (gid, score, nick, country, city, r07, r08, r09, r10) "
                             "VALUES (?,?,?,?,?,?,?,?,?)"));
    q.addBindValue(row.gid);
    q.addBindValue(row.score);
    for (const QString* t : {&row.nick, &row.country, &row.city, &row.r07, &row.r08, &row.r09, &row.r10})
        q.addBindValue(*t);
    if (!q.exec())
        return -1;
    row.rid = q.lastInsertId().toLongLong();
    QSqlQuery p(QSqlDatabase::database(name_, false));
    p.prepare(QStringLiteral("SELECT COUNT(*) FROM world WHERE gid = ? AND (score > ? OR (score = ? AND rid < ?))"));
    p.addBindValue(row.gid);
    p.addBindValue(row.score);
    p.addBindValue(row.score);
    p.addBindValue(row.rid);
    row.place = 1 + (p.exec() && p.next() ? p.value(0).toLongLong() : 0);
    return row.place;
}

qint64 Store::worldCount(qint64 gid)
{
    QSqlQuery q(QSqlDatabase::database(name_, false));
    q.prepare(QStringLiteral("SELECT COUNT(*) FROM world WHERE gid = ?"));
    q.addBindValue(gid);
    return q.exec() && q.next() ? q.value(0).toLongLong() : 0;
}

QList<WorldRow> Store::worldRows(qint64 gid, int limit, const QString& nick, const QString& city, bool own)
{
    QList<WorldRow> out;
    QSqlQuery q(QSqlDatabase::database(name_, false));
    q.prepare(QStringLiteral("SELECT rid, gid, score, nick, country, city, r07, r08, r09, r10 FROM world "
                             "WHERE gid = ? ORDER BY score DESC, rid"));
    q.addBindValue(gid);
    if (!q.exec())
        return out;
    qint64 place = 0;
    while (q.next() && (own || out.size() < limit)) {
        ++place;
        WorldRow r;
        r.rid = q.value(0).toLongLong();
        r.gid = q.value(1).toLongLong();
        r.score = q.value(2).toLongLong();
        QString* texts[] = {&r.nick, &r.country, &r.city, &r.r07, &r.r08, &r.r09, &r.r10};
        for (int i = 0; i < 7; ++i)
            *texts[i] = q.value(3 + i).toString();
        r.place = place;
        if (own && (r.nick != nick || r.city != city))
            continue;
        out.append(r);
        if (out.size() >= limit)
            break;
    }
    return out;
}

StatRecord Store::stat(qint64 gid)
{
    StatRecord s;
    QSqlQuery q(QSqlDatabase::database(name_, false));
    q.prepare(QStringLiteral("SELECT likes, lastlike, counters FROM stats WHERE gid = ?"));
    q.addBindValue(gid);
    if (q.exec() && q.next()) {
        s.likes = q.value(0).toLongLong();
        s.lastLike = q.value(1).toString();
        splitNumbers(q.value(2).toString(), s.x, 12);
    }
    return s;
}

bool Store::saveStat(qint64 gid, const StatRecord& s)
{
    QSqlQuery q(QSqlDatabase::database(name_, false));
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO stats (gid, likes, lastlike, counters) VALUES (?,?,?,?)"));
    q.addBindValue(gid);
    q.addBindValue(s.likes);
    q.addBindValue(s.lastLike);
    q.addBindValue(joinNumbers(s.x, 12));
    return q.exec();
}

QList<qint64> Store::table(qint64 gid)
{
    qint64 v[40] = {};
    QSqlQuery q(QSqlDatabase::database(name_, false));
    q.prepare(QStringLiteral("SELECT counters FROM tables40 WHERE gid = ?"));
    q.addBindValue(gid);
    if (q.exec() && q.next())
        splitNumbers(q.value(0).toString(), v, 40);
    return QList<qint64>(v, v + 40);
}

bool Store::saveTable(qint64 gid, const QList<qint64>& t)
{
    QSqlQuery q(QSqlDatabase::database(name_, false));
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO tables40 (gid, counters) VALUES (?,?)"));
    q.addBindValue(gid);
    q.addBindValue(joinNumbers(t.constData(), int(t.size())));
    return q.exec();
}

std::optional<QByteArray> Store::photo(const QString& nick)
{
    QSqlQuery q(QSqlDatabase::database(name_, false));
    q.prepare(QStringLiteral("SELECT jpeg FROM photos WHERE nick = ?"));
    q.addBindValue(nick);
    if (!q.exec() || !q.next())
        return std::nullopt;
    return q.value(0).toByteArray();
}

bool Store::savePhoto(const QString& nick, const QByteArray& jpeg)
{
    QSqlQuery q(QSqlDatabase::database(name_, false));
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO photos (nick, jpeg) VALUES (?,?)"));
    q.addBindValue(nick);
    q.addBindValue(jpeg);
    return q.exec();
}

} // namespace VardelinServer
