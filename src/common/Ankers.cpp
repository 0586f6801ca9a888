#include "common/Ankers.h"

#include <QWidget>

void Ankers::Zet(QWidget *besturing, int randen)
{
    m_ankers.push_back({ besturing, besturing->geometry(), randen });
}

void Ankers::Pas(QSize groei) const
{
    for (const Anker &anker : m_ankers) {
        QRect plaats = anker.plaats;
        const bool breder = (anker.randen & (Links | Rechts)) == (Links | Rechts);
        const bool hoger = (anker.randen & (Boven | Onder)) == (Boven | Onder);
        if (breder)
            plaats.setWidth(plaats.width() + groei.width());
        else if (anker.randen & Rechts)
            plaats.translate(groei.width(), 0);
        if (hoger)
            plaats.setHeight(plaats.height() + groei.height());
        else if (anker.randen & Onder)
            plaats.translate(0, groei.height());
        if (breder || hoger)
            anker.besturing->setGeometry(plaats);
        else
            anker.besturing->move(plaats.topLeft());
    }
}
