#pragma once
// The server's state in one SQLite file (Qt's "QSQLITE" driver), written ahead in WAL
// mode. Each request runs in one transaction, so a killed server keeps either the whole
// change or none of it.
#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <optional>

namespace VardelinServer {

inline constexpr char SqlDriver[] = "QSQLITE";
inline constexpr char SqlDriverPackage[] = "libqt6sql6-sqlite";

struct Member {
    QString nick, pw, city, country1, country2, sex, email, dater, r01, r02, r03;
    qint64 r04 = 0, r05 = 0, r06 = 0;
    QStringList info;   // fourteen profile texts in the read order
};

struct GameRecord {
    qint64 kon = 0, best = 0, ses = 0, konl = 0, score = 0, r1 = 0;
    double rating = 0;
    QString r2 = QStringLiteral("#");
};

struct WorldRow {
    qint64 rid = 0, gid = 0, score = 0;
    QString nick, country, city, r07, r08, r09, r10;
    qint64 place = 0;
};

struct StatRecord {
    qint64 likes = 0;
    QString lastLike;
    qint64 x[12] = {};
};

class Store {
public:
    Store() = default;
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // Opens (creating) the file and its tables; false with error() set on failure.
    bool open(const QString& file);
    QString error() const { return error_; }

    bool begin();
    bool commit();
    void rollback();

    std::optional<Member> member(const QString& nick);
    bool addMember(const Member& m);
    bool saveMember(const Member& m);
    qint64 memberCount();

    std::optional<GameRecord> game(const QString& nick, const QString& code);
    bool saveGame(const QString& nick, const QString& code, const GameRecord& g);
    // Members with a record of the game, by rating, highest first.
    QList<QPair<Member, GameRecord>> gameList(const QString& code);
    // 1 + the number of records of the game rated higher.
    qint64 placeFor(const QString& code, double rating);

    // Adds the row and returns its place.
    qint64 addWorldRow(WorldRow& row);
    qint64 worldCount(qint64 gid);
    // By score, highest first, older rows first among equals; places filled.
    QList<WorldRow> worldRows(qint64 gid, int limit, const QString& nick = QString(), const QString& city = QString(),
                              bool own = false);

    StatRecord stat(qint64 gid);
    bool saveStat(qint64 gid, const StatRecord& s);
    QList<qint64> table(qint64 gid);
    bool saveTable(qint64 gid, const QList<qint64>& t);

    std::optional<QByteArray> photo(const QString& nick);
    bool savePhoto(const QString& nick, const QByteArray& jpeg);

private:
    bool exec(const QString& sql);
    QString name_;
    QString error_;
};

} // namespace VardelinServer
