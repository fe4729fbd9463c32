#pragma once
// The main window.
#include "foundation/TableSurface.h"

class TForm1 : public TTableSurface {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    void FormCreate();
};
