#include "online/Qyv_FStat.h"

#include "foundation/MessageBox.h"
#include "foundation/Texts.h"

TFStat::TFStat(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FStat"));
    setWindowTitle(Texts::Tx(Texts::TxtStatistics));
}

int ShowFStat(QWidget*)
{
    MessageBox::ShowLinkMessage(Texts::Tx(Texts::TxtCouldNotConnect), QString(), QString());
    return QDialog::Rejected;
}
