#pragma once

#include "dependencies/VersaoAssembly.h"

#include <QString>

// Reads an item comment, "29.2.1.5 2020-11-26 14:05:09" (version, save date,
// save time), into the item's version and save time. Date and time are read
// by character position; a part that is not a number counts as 0. An empty
// comment leaves both empty. A version without date or time, or an impossible
// date or time, raises EPacoteDeRotinas.
void LerComentarioDoItem(const QString& comentario, TAssembly& item);

// The comment that records a version and a save time.
QString MontarComentarioDoItem(const QString& versao, const QDateTime& salvoEm);
