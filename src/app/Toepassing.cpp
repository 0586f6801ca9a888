#include "app/Toepassing.h"

#include "common/Opmaak.h"

#include <fontconfig/fontconfig.h>

#include <thread>

std::unique_ptr<QApplication> MaakToepassing(int &argc, char *argv[])
{
    // The first text measured waits for the system's font configuration to be read: dozens of
    // files, more on a machine with the printing packages. Read on a second core while Qt
    // connects to the display, it is ready when the window is made. Fontconfig keeps what was
    // read first; Qt's own call finds it there (and reads anew if this reading failed).
    std::thread lettertypen([] { FcInit(); });
    auto toepassing = std::make_unique<QApplication>(argc, argv);
    lettertypen.join();

    QApplication::setStyle(QStringLiteral("Fusion"));
    // Every text is Arial. Qt lays out a new text box's first text in the application's font
    // before the box takes its own, so with the system's font there that costs loading a second
    // font family and its fallbacks at start-up for nothing.
    QApplication::setFont(Arial(9));
    return toepassing;
}
