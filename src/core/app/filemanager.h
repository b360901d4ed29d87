#pragma once

#include <QString>

// File operations with the guarantees the editor relies on.
namespace FileManager {

// Moves FROM to TO. Fails, leaving both untouched, when anything already
// lies at TO: a plain rename would silently replace it.
bool moveItem(const QString &from, const QString &to);

} // namespace FileManager
