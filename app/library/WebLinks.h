// The maker's web pages that the window links to.
#pragma once

#include <QString>

namespace WebLinks {

// The maker's web host; under a reserved top-level domain, so it names no real site.
inline const QString kMakerHost = QStringLiteral("www.velmora.example");
inline const QString kOnlineVersionPath = QStringLiteral("/duanxin/?qq=Zentrova");
inline const QString kUpgradePath = QStringLiteral("/?qq=Zentrova");

inline QString Address(const QString& path) {
    return QStringLiteral("http://") + kMakerHost + path;
}

} // namespace WebLinks
