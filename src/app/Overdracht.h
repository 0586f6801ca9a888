#pragma once

#include <QByteArray>
#include <QString>

class Main;

// One Geldlog per user and display. A second start ("Openen met", `geldlog <bestand>`, the menu)
// hands its statement file to the Geldlog that runs, and ends; that one comes to the front and
// reads the file in, so the month it holds open is what the file is checked against. The two meet
// at a local socket in the user's runtime folder. A lock beside it, which the system lets go
// when its program ends however it ends, tells a socket with a program from one a crashed
// program left behind, which is simply made anew.
class Overdracht {
public:
    // Before the application is made, so a second start costs little: hands `bankafschrift`, the
    // file of the command line (a path from the folder this start runs in), or only the wish to
    // be seen when it is empty, to the Geldlog that runs on this display; without one, this
    // program becomes the one that takes them.
    explicit Overdracht(const QString &bankafschrift);
    ~Overdracht();
    Overdracht(const Overdracht &) = delete;
    Overdracht &operator=(const Overdracht &) = delete;

    // The running Geldlog took this start over: this program ends.
    bool Overgedragen() const { return m_overgedragen; }

    // From here on `venster` takes what later starts hand over.
    void Ontvang(Main &venster);

private:
    int m_slot = -1; // the lock, held for the whole run
    int m_luister = -1; // the socket later starts reach this program at
    QByteArray m_socket; // its path, removed at the end
    bool m_overgedragen = false;
};
