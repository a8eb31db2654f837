#pragma once

#include <QDateTime>
#include <QString>

// Version of one package item, as written in the item's comment.
struct TVersaoAssembly
{
    quint32 Major = 0;
    quint32 Minor = 0;
    quint32 Release = 0;
    quint32 Build = 0;
    QString Texto; // exactly as found in the comment
};

// One item of a routine package.
struct TAssembly
{
    QString Nome;       // stored name, may hold a relative folder path
    QDateTime DataHora; // save time (local); invalid when the comment is empty
    TVersaoAssembly Versao;
};

// A dotted version as one integer: every part left-padded with zeros to three
// digits and the parts read together ("29.2.1.5" -> 29002001005). Text that
// does not give a decimal 64-bit integer gives 0.
qint64 VersaoParaInteiro(const QString& texto);

// True when the installed version is at least the required one.
bool VersaoAtendida(const QString& requerida, const QString& instalada);
