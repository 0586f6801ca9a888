#pragma once

#include <QCoreApplication>
#include <QDialog>

class QLabel;
class VistaButton;

// The program information: a picture, who made Geldlog, its version, and the size and date of
// the program file. It changes nothing; "Annuleren" or Escape closes it.
class AboutForm final : public QDialog {
    Q_OBJECT

public:
    // `programmaBestand` is the running program's own file unless a test names another.
    explicit AboutForm(QWidget *parent = nullptr,
        const QString &programmaBestand = QCoreApplication::applicationFilePath());

private:
    QLabel *Image1;
    QLabel *Label1;
    VistaButton *CancelKnop;
};
