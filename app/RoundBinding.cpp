#include "app/RoundBinding.h"

#include "app/OnlineServices.h"
#include "app/RoundEnd.h"
#include "app/RoundStart.h"
#include "app/TableDispatch.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/TableSurface.h"

#include <QAction>

void BindRoundHandlers(TTableSurface& form)
{
    TableDispatch::BindTableHandlers(form);
    OnlineServices::BindOnlineServices();
    RoundStart::BindRoundStartHandlers(form);
    QObject::connect(form.Button8, &QPushButton::clicked, &form,
                     [&form] { RoundStart::Guarded([&form] { RoundEnd::Button8Click(form); }); });
    if (QAction* quit = form.findChild<QAction*>(QStringLiteral("Quit")))
        QObject::connect(quit, &QAction::triggered, &form,
                         [&form] { RoundStart::Guarded([&form] { RoundEnd::QuitClick(form); }); });
}
