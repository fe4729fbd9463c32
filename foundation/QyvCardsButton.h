#pragma once
// The card-styled push button used on every window. For now a plain push button; its
// own drawing (caps, strip, colour schemes) replaces this body without changing callers.
#include <QPushButton>

class TQyvCardsButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;
};
