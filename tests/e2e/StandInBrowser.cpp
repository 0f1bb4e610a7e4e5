#include "StandInBrowser.h"

#include <QDir>
#include <QFile>

StandInBrowser InstallStandInBrowser(const QString& folder) {
    StandInBrowser browser;
    const QString bin = folder + QStringLiteral("/bin");
    browser.record = folder + QStringLiteral("/opened.txt");
    QDir().mkpath(bin);
    QFile script(bin + QStringLiteral("/xdg-open"));
    if (!script.open(QIODevice::WriteOnly))
        return browser;
    script.write(QStringLiteral("#!/bin/sh\necho \"$@\" >> '%1'\n").arg(browser.record).toUtf8());
    script.close();
    if (script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                              QFileDevice::ExeOwner))
        browser.bin = bin;
    return browser;
}

QStringList OpenedAddresses(const QString& record) {
    QFile file(record);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
