#include "platform/MessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

void MessageBoxes::tell(QWidget *parent, const QString &text, const QString &title, Icon icon)
{
    show(parent, { text, title, icon, Buttons::Ok });
}

bool MessageBoxes::ask(
    QWidget *parent, const QString &text, const QString &title, DefaultButton defaultButton)
{
    return show(parent, { text, title, Icon::None, Buttons::YesNo, defaultButton }) == Answer::Yes;
}

MessageBoxes::Answer QtMessageBoxes::show(QWidget *parent, const Box &box)
{
    QMessageBox dialog(parent);
    dialog.setWindowTitle(box.title);
    // A description such as "<b>Huur</b>" is shown as typed, not as markup.
    dialog.setTextFormat(Qt::PlainText);
    dialog.setText(box.text);
    switch (box.icon) {
    case Icon::None:
        dialog.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        dialog.setIcon(QMessageBox::Information);
        break;
    case Icon::Critical:
        dialog.setIcon(QMessageBox::Critical);
        break;
    }

    if (box.buttons == Buttons::Ok) {
        dialog.setDefaultButton(dialog.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
        dialog.exec();
        return Answer::Ok;
    }

    QPushButton *yes = dialog.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton *no = dialog.addButton(QStringLiteral("Nee"), QMessageBox::NoRole);
    dialog.setDefaultButton(box.defaultButton == DefaultButton::No ? no : yes);
    dialog.setEscapeButton(no);
    dialog.exec();
    return dialog.clickedButton() == yes ? Answer::Yes : Answer::No;
}
