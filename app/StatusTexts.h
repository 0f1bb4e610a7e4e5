// The texts the main window writes into its status line and shows in its message boxes.
#pragma once

#include <QString>

namespace StatusTexts {

inline const QString kApplicationTitle = QStringLiteral("短信查询 - Velmora");
inline const QString kStartFailed = QStringLiteral("程序发生未知错误,请联系客服！");

inline const QString kEmptyKeyword = QStringLiteral("请输入搜索关键词！");
inline const QString kNoHits = QStringLiteral("对不起没有找到相关信息！请重新输入关键词");
inline const QString kNothingToCopy = QStringLiteral("请选择一条短信再复制！");

// "关于" K "的短信,共搜索到" N "条短信记录" (an ASCII comma): the count of a search.
inline QString Search(const QString& keyword, int count) {
    return QStringLiteral("关于") + keyword +
           QStringLiteral("的短信,共搜索到%1条短信记录").arg(count);
}

// "共" N "条短信记录": the count of a full listing.
inline QString Total(int count) {
    return QStringLiteral("共%1条短信记录").arg(count);
}

} // namespace StatusTexts
