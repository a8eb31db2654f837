#pragma once

#include <QByteArray>
#include <QString>

// The password of a package's items, built from the package's file name (so a
// package renamed cannot be opened). Both the reader and `kxadmin pacote`
// use it; the bytes are in the locale's encoding.
QByteArray SenhaDoPacote(const QString& nomeArquivoRotina);
