#pragma once
// What each request to the protocol server is and what it answers: the services of the
// program's built-in addresses on one port, told apart by path and, within a service,
// by the fields of the body.
#include "server/HttpReader.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace VardelinServer {

class Store;

// The path of each service under the server's address.
namespace Paths {
inline constexpr char Account[] = "/acc.php";
inline constexpr char World[] = "/world.php";
inline constexpr char Stat[] = "/stat.php";
inline constexpr char Table[] = "/table.php";
inline constexpr char Avatars[] = "/ava/";
inline constexpr char Upload[] = "/upload.php";
inline constexpr char TopUp[] = "/topup.html";
inline constexpr char Status[] = "/status.txt";
inline constexpr char Config[] = "/config.txt";
} // namespace Paths

enum class Kind {
    Register, Login, GameRead, GameSave, Place, MemberCount, TopTen, BalanceRead, BalanceChange,
    ProfileRead, ProfileSave,
    WorldCount, WorldSubmit, WorldOwn, WorldTopTen,
    StatRead, StatLike, Stat12, TableRead, Table40,
    Upload, Avatar, TopUp, Status, Config, Unknown,
};
const char* KindName(Kind kind);

struct Answer {
    int status = 200;
    QByteArray contentType = "text/html; charset=windows-1251";
    QByteArray body;
};

struct ProtocolOptions {
    bool pauseWorld = false;
    bool pauseChat = false;
};

// A form body: pairs split at "&", each at its first "="; "+" a blank, "%XX" a byte,
// other bytes as they come; names and values read as code page 1251.
using FormFields = QList<QPair<QString, QString>>;
FormFields ParseForm(const QByteArray& body);

// A game code and a field suffix of a per-game field name ("sol431konl" gives "sol431"
// and "konl"); false when the name holds no known game code and suffix.
bool SplitGameField(const QString& name, QString& code, QString& suffix);

Kind Classify(const HttpRequestData& request);
// Runs one request against the store; the caller wraps it in a transaction.
Answer Handle(Store& store, const HttpRequestData& request, Kind kind, const ProtocolOptions& options);

// Width and height of a baseline or progressive JPEG; false for anything else.
bool JpegSize(const QByteArray& bytes, int& width, int& height);

} // namespace VardelinServer
