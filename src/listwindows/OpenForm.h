#pragma once

#include <QDialog>

class HoofdVenster;
class QLabel;
class QListWidget;
class VistaButton;

// Lists the saved lists by name, loads the chosen one into the main window, and deletes lists
// on request. The Data folder is read when the dialog is built.
class OpenForm final : public QDialog {
    Q_OBJECT

public:
    explicit OpenForm(HoofdVenster &hoofd, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString GekozenNaam() const;
    void OkKnopClick();
    void DelKnopClick();

    HoofdVenster &m_hoofd;
    QListWidget *List1;
    QLabel *Label2;
    QLabel *Label1;
    QLabel *Label3;
    VistaButton *DelKnop;
    VistaButton *CancelKnop;
    VistaButton *OkKnop;
};
