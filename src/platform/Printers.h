#pragma once

#include "platform/Printer.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

// One installed printer: the device name the user sees, and the key the system knows it by.
struct InstalledPrinter {
    QString deviceName;
    QString key;

    friend bool operator==(const InstalledPrinter &, const InstalledPrinter &) = default;
};

// Why a job on a printer that is no longer installed cannot print, in Dutch.
inline QString printerGoneReason(const InstalledPrinter &printer)
{
    return QStringLiteral("De printer '%1' is niet meer geïnstalleerd.").arg(printer.deviceName);
}

// The printers of the system, and print jobs on them.
class Printers {
public:
    virtual ~Printers() = default;

    // In the system's own order.
    virtual QList<InstalledPrinter> Installed() const = 0;
    // None when the system has no default printer.
    virtual std::optional<InstalledPrinter> SystemDefault() const = 0;
    // A job on that printer under the document name the queue shows. Always a printer: one
    // that cannot print says so when its document ends.
    virtual std::unique_ptr<Printer> Open(const InstalledPrinter &printer, const QString &document)
        = 0;
};
