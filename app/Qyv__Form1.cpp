#include "app/Qyv__Form1.h"

#include "foundation/Scaling.h"
#include "platform/PictureControl.h"
#include "platform/Resources.h"

#include <QApplication>

TForm1::TForm1(QWidget* parent) : TTableSurface(parent)
{
    Form1 = this;
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    setWindowTitle(QStringLiteral("Vardelin"));
    move(0, 0);
    SetClientSize(760, 500);

    // An empty card table until a game is dealt.
    ImageStol->setGeometry(0, 0, Scaling::TableWidth, Scaling::TableHeight);
    ImageStol->setPictureSize(Scaling::TableWidth, Scaling::TableHeight);
    platform::Canvas& c = ImageStol->canvas();
    const QImage felt = platform::resources::image(QStringLiteral("FonG"));
    if (!felt.isNull()) {
        c.stretchDraw(QRect(0, 0, Scaling::TableWidth, Scaling::TableHeight), felt);
    } else {
        c.brush.color = platform::rgbColor(0, 128, 0);
        c.brush.style = platform::BrushStyle::Solid;
        c.fillRect(0, 0, Scaling::TableWidth, Scaling::TableHeight);
    }
    ImageStol->show();
}
