#include "app/OnlineServices.h"

#include "app/RoundEnd.h"
#include "foundation/ServerRequest.h"
#include "online/Qyv_UAccC.h"
#include "online/Qyv_UWorldC.h"

namespace OnlineServices {

void BindOnlineServices()
{
    RoundEnd::SeriesServices& s = RoundEnd::Services();
    s.submitWorldResult = [](const QString& address, const QString& nick, const QString& city, const QString& country,
                             const QString& sex, const QString& score, int gameId, bool& ok) {
        int value = 0;
        if (!ServerRequest::StrictInt(score, value)) {
            ok = false;
            return 0;
        }
        return Online::SubmitWorldResult(address, nick, city, country, sex, value, gameId, QStringLiteral("#"),
                                         QStringLiteral("#"), ok);
    };
    s.saveBalance = [](const QString& address, const QString& nick, int amount, bool& ok) {
        Online::ServerSaveBalance(address, nick, amount, ok);
    };
    s.readBalance = [](const QString& address, const QString& nick, bool& ok) {
        return Online::ServerReadBalance(address, nick, ok);
    };
}

} // namespace OnlineServices
