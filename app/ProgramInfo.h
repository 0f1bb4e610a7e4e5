// Who the program is to the system: its command, version and the id its desktop entry, icon
// and metadata are named by. The build gives the values, from the one place they are set.
#pragma once

#include <QString>

#if !defined(DUANXIN_VERSION) || !defined(DUANXIN_APP_ID) || !defined(DUANXIN_EXECUTABLE)
#error "the build must define DUANXIN_VERSION, DUANXIN_APP_ID and DUANXIN_EXECUTABLE"
#endif

namespace ProgramInfo {

inline const QString kExecutable = QStringLiteral(DUANXIN_EXECUTABLE);
inline const QString kVersion = QStringLiteral(DUANXIN_VERSION);
inline const QString kApplicationId = QStringLiteral(DUANXIN_APP_ID);

} // namespace ProgramInfo
