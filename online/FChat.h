#pragma once
// The chat of the players of the maker's games, carried by the world rating service.
#include <QDialog>

class TFormChat : public QDialog {
public:
    explicit TFormChat(QWidget* parent = nullptr);
};

// Creates the chat window and shows it modally; returns its result code.
//
// While the chat has no window in this program, opening it tells that the chat is
// unavailable and changes nothing.
int ShowFormChat(QWidget* owner);
