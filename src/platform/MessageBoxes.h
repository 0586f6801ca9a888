#pragma once

#include <QString>

class QWidget;

// Every message box of the program goes through this interface; the windows never call
// QMessageBox themselves, so a test can script the answers and see every box that was shown.
class MessageBoxes {
public:
    enum class Icon { None, Information, Critical };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };
    // The button of a Yes/No box that Enter presses. A question whose Yes throws data away
    // makes it No, so a reflexive Enter keeps the data; Escape always answers No.
    enum class DefaultButton { Yes, No };

    struct Box {
        QString text;
        QString title;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        DefaultButton defaultButton = DefaultButton::Yes; // of a Yes/No box
    };

    virtual ~MessageBoxes() = default;

    virtual Answer show(QWidget *parent, const Box &box) = 0;

    // An OK box.
    void tell(QWidget *parent, const QString &text, const QString &title, Icon icon = Icon::None);
    // A Yes/No box without icon; true when the answer is Yes.
    bool ask(QWidget *parent, const QString &text, const QString &title,
        DefaultButton defaultButton = DefaultButton::Yes);
};

// The real boxes, with the Dutch button texts "OK", "Ja" and "Nee".
class QtMessageBoxes final : public MessageBoxes {
public:
    Answer show(QWidget *parent, const Box &box) override;
};
