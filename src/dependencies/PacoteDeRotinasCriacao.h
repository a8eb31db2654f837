#pragma once

#include <QList>
#include <QString>

// One file to put into a new package, under its stored name.
struct TItemNovoPacote
{
    QString Arquivo;      // path of the file on disk
    QString NomeNoPacote; // stored name ("/"-separated relative path)
};

enum class TCriptografiaPacote
{
    PkwareTradicional, // readable by every ZIP tool that takes a password
    Aes256,
};

// Writes a routine package at destino (replacing it only when the whole
// package was written): every item compressed, encrypted with the package's
// password, with its modification time and a comment holding the version
// record's "FileVersion" and that time (an empty comment when the file has
// no version record). Item order is kept: the first is the routine's main
// item. Raises EPacoteDeRotinas.
void CriarPacoteDeRotinas(
    const QString& destino, const QList<TItemNovoPacote>& itens,
    TCriptografiaPacote criptografia = TCriptografiaPacote::PkwareTradicional);

// The items for the given paths: a file under its own name, a folder's files
// (recursively) under "FOLDER/...". Raises EPacoteDeRotinas for a path that
// does not exist.
QList<TItemNovoPacote> ItensParaPacote(const QStringList& caminhos);
