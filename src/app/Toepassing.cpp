#include "app/Toepassing.h"

#include "common/Opmaak.h"

#include <fontconfig/fontconfig.h>

#include <array>
#include <thread>
#include <utility>

namespace {

// The windows Qt makes on its own; their texts are not ours, and they read best in the font the
// user chose for the desktop.
constexpr std::array QtVensters { "QMessageBox", "QTipLabel", "QMenu", "QFileDialog",
    "QColorDialog", "QFontDialog", "QInputDialog", "QProgressDialog", "QErrorMessage" };

// Every text of the program's own windows is Arial. Qt lays out a new text box's first text in
// the application's font before the box takes its own, so with the desktop's font there that costs
// loading a second font family and its fallbacks at start-up for nothing; Qt's own windows take
// the desktop's font by their kind instead, and load it only when they first appear.
void KiesLettertypen()
{
    std::array<std::pair<const char *, QFont>, QtVensters.size()> bureaublad;
    for (std::size_t i = 0; i < QtVensters.size(); ++i)
        bureaublad[i] = { QtVensters[i], QApplication::font(QtVensters[i]) };
    QApplication::setFont(Arial(9));
    for (const auto &[soort, lettertype] : bureaublad)
        QApplication::setFont(lettertype, soort);
}

} // namespace

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
    KiesLettertypen();
    return toepassing;
}
