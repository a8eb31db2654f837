#pragma once

#include <QString>

// The folders of the local installation, read anew from the per-user registry
// at every call. Each is the installation folder as stored followed by its
// own part: no delimiter is added when the stored folder lacks one.
QString ObterDirInstalacao();
QString ObterDirProd();        // DirInstalacao + "Prod/"
QString ObterDirLib();         // DirProd + "Lib/"
QString ObterDirSpool();       // DirInstalacao + "Spool/"
QString ObterDirExecutaveis(); // DirSpool + "Executaveis/"
