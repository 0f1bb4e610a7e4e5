// The duanxin-theme command line: pack, unpack, check and export.
#pragma once

#include <QStringList>
#include <QTextStream>

// `args` without the program's name. Reports go to `out`, faults to `err`. Answers the exit
// status: 0 done, 1 refused or failed (check: some roles missing), 2 a wrong command line
// (check: the file cannot be read).
int RunThemeTool(const QStringList& args, QTextStream& out, QTextStream& err);
