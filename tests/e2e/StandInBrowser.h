// A web browser that only writes down the addresses it is given: an xdg-open script in a
// folder to be put first on the program's PATH.
#pragma once

#include <QString>
#include <QStringList>

struct StandInBrowser {
    QString bin;    // the folder holding xdg-open; empty when it could not be written
    QString record; // the addresses opened, one a line
};

// Writes the stand-in into `folder`, which is created if needed.
StandInBrowser InstallStandInBrowser(const QString& folder);
// The addresses the stand-in was asked to open so far, in order.
QStringList OpenedAddresses(const QString& record);
