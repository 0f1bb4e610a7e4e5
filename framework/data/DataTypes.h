// Values the data components store by name, and the news a data set sends to its data sources.
#pragma once

#include <QObject>

// Published through the meta-object system so that the form reader turns "clUseClient" or
// "ctStatic" into values. The numbers are ADO's own.
namespace DataAccess {
Q_NAMESPACE
enum class TCursorLocation { clUseServer = 2, clUseClient = 3 };
Q_ENUM_NS(TCursorLocation)
enum class TCursorType {
    ctUnspecified = -1,
    ctOpenForwardOnly = 0,
    ctKeyset = 1,
    ctDynamic = 2,
    ctStatic = 3,
};
Q_ENUM_NS(TCursorType)
} // namespace DataAccess

using DataAccess::TCursorLocation;
using DataAccess::TCursorType;

// What a data set tells the links of its data sources.
enum class TDataEvent {
    deUpdateState = 0,   // opened or closed
    deDataSetChange = 1, // the whole content was replaced
    deDataSetScroll = 2, // the current row moved; the info is the signed distance
};
