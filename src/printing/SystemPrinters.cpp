#include "SystemPrinters.h"

#include <QPrinterInfo>

#include <cups/cups.h>

#include <cstring>

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

    cups_dest_t* dests = nullptr;
    const int destCount = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    QList<InstalledPrinter> printers;
    for (const QPrinterInfo& queue : queues) {
        const QByteArray name = queue.printerName().toUtf8();
        const cups_dest_t* dest = cupsGetDest(name.constData(), nullptr, destCount, dests);
        const char* orientation =
            dest ? cupsGetOption("orientation-requested", dest->num_options, dest->options)
                 : nullptr;
        printers.append({queue.printerName(), orientationFromCups(orientation)});
    }
    cupsFreeDests(destCount, dests);
    return printers;
}
