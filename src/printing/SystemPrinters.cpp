#include "SystemPrinters.h"

#include <QLibrary>
#include <QPrinterInfo>

#include <cups/cups.h>

#include <cstring>

namespace {

// libcups and the twenty libraries it brings (TLS, Kerberos, Avahi...) cost start-up a
// tenth of its time, for a question asked only when printing. So it is loaded then, as
// Qt's own print plugin loads it.
struct CupsDestinations {
    decltype(&cupsGetDests2) getDests = nullptr;
    decltype(&cupsGetDest) getDest = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;

    bool loaded() const { return getDests && getDest && getOption && freeDests; }
};

const CupsDestinations& cups()
{
    static const CupsDestinations functions = [] {
        QLibrary library(QStringLiteral("cups"), 2);
        CupsDestinations found;
        if (!library.load())
            return found;
        found.getDests =
            reinterpret_cast<decltype(&cupsGetDests2)>(library.resolve("cupsGetDests2"));
        found.getDest = reinterpret_cast<decltype(&cupsGetDest)>(library.resolve("cupsGetDest"));
        found.getOption =
            reinterpret_cast<decltype(&cupsGetOption)>(library.resolve("cupsGetOption"));
        found.freeDests =
            reinterpret_cast<decltype(&cupsFreeDests)>(library.resolve("cupsFreeDests"));
        return found;
    }();
    return functions;
}

}  // namespace

PageOrientation orientationFromCups(const char* orientationRequested)
{
    if (orientationRequested == nullptr || std::strcmp(orientationRequested, "3") == 0)
        return PageOrientation::Portrait;
    return PageOrientation::Landscape;
}

QList<InstalledPrinter> systemPrinters()
{
    const QList<QPrinterInfo> queues = QPrinterInfo::availablePrinters();
    if (queues.isEmpty())
        return {};

    // Without libcups no queue can say it turns the page: each is taken as portrait.
    const CupsDestinations& lib = cups();
    cups_dest_t* dests = nullptr;
    const int destCount = lib.loaded() ? lib.getDests(CUPS_HTTP_DEFAULT, &dests) : 0;
    QList<InstalledPrinter> printers;
    for (const QPrinterInfo& queue : queues) {
        const QByteArray name = queue.printerName().toUtf8();
        const cups_dest_t* dest =
            lib.loaded() ? lib.getDest(name.constData(), nullptr, destCount, dests) : nullptr;
        const char* orientation =
            dest ? lib.getOption("orientation-requested", dest->num_options, dest->options)
                 : nullptr;
        printers.append({queue.printerName(), orientationFromCups(orientation)});
    }
    if (lib.loaded())
        lib.freeDests(destCount, dests);
    return printers;
}
