#include "app/library/LibraryStatements.h"

namespace LibraryStatements {

QString LibraryFilePath(const QString& folder) {
    return folder + u'/' + kFileName;
}

QString SearchStatement(const QString& keyword) {
    QString quoted = keyword;
    quoted.replace(u'\'', QStringLiteral("''"));
    return QStringLiteral("Select 短信内容 from data where 短信内容 like '%") + quoted +
           QStringLiteral("%' ");
}

QString ConnectionString(const QString& folder) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
           LibraryFilePath(folder) + QStringLiteral(";Persist Security Info=False");
}

} // namespace LibraryStatements
