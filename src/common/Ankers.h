#pragma once

#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

// Keeps the controls of a window that the user can make larger at their places relative to its
// edges. Each control is placed for the window's smallest size and anchored to the edges it
// keeps its distance to: to the left and the right edge it grows with the width, to the right
// edge alone it moves with it; the same for top and bottom.
class Ankers {
public:
    enum Rand { Links = 1, Boven = 2, Rechts = 4, Onder = 8 };

    // Anchors `besturing` as it stands now. One that grows in neither direction keeps the size
    // it is given later, as a label sized to its text does.
    void Zet(QWidget *besturing, int randen);
    // Places every control for a window `groei` larger than its smallest size.
    void Pas(QSize groei) const;

private:
    struct Anker {
        QWidget *besturing;
        QRect plaats;
        int randen;
    };
    std::vector<Anker> m_ankers;
};
