// Entries of the game-group tables, one block per table, one line per language.
// Languages whose card faces carry the letters A, J, Q, K keep them.
#include "foundation/TextsGames.h"

namespace Texts {

const TTextList<4, 1> CalcBuildingOrders = [] {
    TTextList<4, 1> t;

    // Foundation 1: one up.
    t[1] = Ten(
        /* English  */ "A,2,3,4,5,6,7,8,9,10,J,Q,K",
        /* Russian  */ "Т,2,3,4,5,6,7,8,9,10,В,Д,К",
        /* German   */ "A,2,3,4,5,6,7,8,9,10,B,D,K",
        /* French   */ "A,2,3,4,5,6,7,8,9,10,V,D,R",
        /* Spanish  */ "A,2,3,4,5,6,7,8,9,10,J,Q,K",
        /* Chinese  */ "A,2,3,4,5,6,7,8,9,10,J,Q,K",
        /* Italian  */ "A,2,3,4,5,6,7,8,9,10,J,Q,K",
        /* Czech    */ "A,2,3,4,5,6,7,8,9,10,J,Q,K",
        /* Japanese */ "A,2,3,4,5,6,7,8,9,10,J,Q,K",
        /* Korean   */ "A,2,3,4,5,6,7,8,9,10,J,Q,K");

    // Foundation 2: two up.
    t[2] = Ten(
        /* English  */ "2,4,6,8,10,Q,A,3,5,7,9,J,K",
        /* Russian  */ "2,4,6,8,10,Д,Т,3,5,7,9,В,К",
        /* German   */ "2,4,6,8,10,D,A,3,5,7,9,B,K",
        /* French   */ "2,4,6,8,10,D,A,3,5,7,9,V,R",
        /* Spanish  */ "2,4,6,8,10,Q,A,3,5,7,9,J,K",
        /* Chinese  */ "2,4,6,8,10,Q,A,3,5,7,9,J,K",
        /* Italian  */ "2,4,6,8,10,Q,A,3,5,7,9,J,K",
        /* Czech    */ "2,4,6,8,10,Q,A,3,5,7,9,J,K",
        /* Japanese */ "2,4,6,8,10,Q,A,3,5,7,9,J,K",
        /* Korean   */ "2,4,6,8,10,Q,A,3,5,7,9,J,K");

    // Foundation 3: three up.
    t[3] = Ten(
        /* English  */ "3,6,9,Q,2,5,8,J,A,4,7,10,K",
        /* Russian  */ "3,6,9,Д,2,5,8,В,Т,4,7,10,К",
        /* German   */ "3,6,9,D,2,5,8,B,A,4,7,10,K",
        /* French   */ "3,6,9,D,2,5,8,V,A,4,7,10,R",
        /* Spanish  */ "3,6,9,Q,2,5,8,J,A,4,7,10,K",
        /* Chinese  */ "3,6,9,Q,2,5,8,J,A,4,7,10,K",
        /* Italian  */ "3,6,9,Q,2,5,8,J,A,4,7,10,K",
        /* Czech    */ "3,6,9,Q,2,5,8,J,A,4,7,10,K",
        /* Japanese */ "3,6,9,Q,2,5,8,J,A,4,7,10,K",
        /* Korean   */ "3,6,9,Q,2,5,8,J,A,4,7,10,K");

    // Foundation 4: four up.
    t[4] = Ten(
        /* English  */ "4,8,Q,3,7,J,2,6,10,A,5,9,K",
        /* Russian  */ "4,8,Д,3,7,В,2,6,10,Т,5,9,К",
        /* German   */ "4,8,D,3,7,B,2,6,10,A,5,9,K",
        /* French   */ "4,8,D,3,7,V,2,6,10,A,5,9,R",
        /* Spanish  */ "4,8,Q,3,7,J,2,6,10,A,5,9,K",
        /* Chinese  */ "4,8,Q,3,7,J,2,6,10,A,5,9,K",
        /* Italian  */ "4,8,Q,3,7,J,2,6,10,A,5,9,K",
        /* Czech    */ "4,8,Q,3,7,J,2,6,10,A,5,9,K",
        /* Japanese */ "4,8,Q,3,7,J,2,6,10,A,5,9,K",
        /* Korean   */ "4,8,Q,3,7,J,2,6,10,A,5,9,K");

    return t;
}();

std::vector<TextTableEntry> GameTextTables()
{
    std::vector<TextTableEntry> out;
    for (int f = CalcBuildingOrders.Low; f <= CalcBuildingOrders.High; ++f)
        out.push_back({QStringLiteral("CalcBuildingOrders[%1]").arg(f), &CalcBuildingOrders[f]});
    return out;
}

} // namespace Texts
