#pragma once
// How the machine side is reached on the session bus. Every object of the machine side is an
// object path below the application's; its methods are the interfaces' method names with their
// arguments flattened in declaration order (strings s, lengths d, codes i, objects o; "/" stands
// for no object). Calls that hand back an object return its path; "Release" ends one. The
// callbacks are signals of the application's path, named as ITorvMachineResponse's methods.

#include <QString>

namespace torv::bus {

inline const QString kService = QStringLiteral("com.kestrom.TorvMachine");
inline const QString kApplicationPath = QStringLiteral("/com/kestrom/TorvMachine");
inline const QString kInterface = QStringLiteral("com.kestrom.TorvMachine");
// The path that names no object.
inline const QString kNoObject = QStringLiteral("/");
inline const QString kRelease = QStringLiteral("Release");

} // namespace torv::bus
