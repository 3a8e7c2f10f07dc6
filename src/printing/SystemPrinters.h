#pragma once

#include "seams/PrintDevice.h"

// The CUPS queues as Qt lists them, each with the orientation its default options ask
// for. Qt never reads a queue's default orientation, so libcups is asked for it.
QList<InstalledPrinter> systemPrinters();

// The page orientation for a queue's "orientation-requested" default: none, or 3, is
// portrait; every other value turns the page.
PageOrientation orientationFromCups(const char* orientationRequested);
