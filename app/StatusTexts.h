// The texts the main window writes into its status line and shows in its message boxes.
#pragma once

#include <QString>

namespace StatusTexts {

inline const QString kApplicationTitle = QStringLiteral("短信查询 - Velmora");
inline const QString kStartFailed = QStringLiteral("程序发生未知错误,请联系客服！");

// "共" N "条短信记录": the count of a full listing.
inline QString Total(int count) {
    return QStringLiteral("共%1条短信记录").arg(count);
}

} // namespace StatusTexts
