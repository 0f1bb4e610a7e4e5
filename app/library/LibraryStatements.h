// What the program says to the message library: the file it writes, how it connects, and the
// statements of every listing.
#pragma once

#include <QString>

namespace LibraryStatements {

// The library's file in the runtime folder, and the embedded resource it comes from.
inline const QString kFileName = QStringLiteral("_.dll");
inline const QString kResourceName = QStringLiteral("_");
inline const QString kResourceType = QStringLiteral("mdb");

// Start-up listing and refresh.
inline const QString kListAll = QStringLiteral("Select * from data");
// The listing after a search without hits.
inline const QString kListAfterNoHits = QStringLiteral("Select 短信内容 from data");

// The keyword search. A quote mark in the keyword is doubled so that it is searched for
// literally instead of ending the text; "%" and "_" keep their wildcard meaning. Without a
// quote mark the statement is exactly "Select 短信内容 from data where 短信内容 like '%K%' ".
QString SearchStatement(const QString& keyword);

// The library file inside folder W (given without a trailing separator).
QString LibraryFilePath(const QString& folder);
QString ConnectionString(const QString& folder);

} // namespace LibraryStatements
