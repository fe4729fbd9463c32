#include "online/FServerRead.h"

#include "foundation/MessageBox.h"
#include "foundation/Texts.h"

TFormServerRead::TFormServerRead(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormServerRead"));
    setWindowTitle(QStringLiteral("World Top Ten"));
}

int ShowFormServerRead(QWidget*)
{
    MessageBox::ShowLinkMessage(Texts::Tx(Texts::TxtWorldTopTenUnavailable), QString(), QString());
    return QDialog::Rejected;
}
