#include "app/library/LibraryStatements.h"

namespace LibraryStatements {

QString LibraryFilePath(const QString& folder) {
    return folder + u'/' + kFileName;
}

QString ConnectionString(const QString& folder) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
           LibraryFilePath(folder) + QStringLiteral(";Persist Security Info=False");
}

} // namespace LibraryStatements
