#pragma once

#include "platform/RegistroVersao.h"

#include <QByteArray>
#include <QList>
#include <QString>

// What a version stamp says; empty texts are left out of the record.
struct DadosCarimboVersao
{
    QString versao;        // "a.b.c.d" (each 0..65535): FileVersion and the fixed numbers
    QString versaoProduto; // the same form; the file version when empty
    QString nomeOriginal;  // OriginalFilename
    QString nomeInterno;   // InternalName; the original name without extension when empty
    QString produto;       // ProductName
    QString empresa;       // CompanyName
    QString descricao;     // FileDescription; the product name when empty
    QList<RegistroVersao::Texto> outros;               // any other texts (RotinaAssinada, ...)
    RegistroVersao::Traducao traducao{0x0416, 0x04B0}; // Portuguese (Brazil), Unicode
    bool infoInferida = false;                         // set VS_FF_INFOINFERRED
};

// Builds the record of a stamp. Throws EKorvane for a malformed version text.
RegistroVersao montarRegistroVersao(const DadosCarimboVersao& dados);

// The four 16-bit numbers of "a.b.c.d" as the MS and LS words, or false.
bool interpretarVersao(const QString& texto, quint32& ms, quint32& ls);

// The ELF note (header, owner, descriptor) that carries a record, in the
// given byte order.
QByteArray montarNotaVersaoELF(const QByteArray& registro, bool bigEndian);

// Writes the record into an ELF executable as its version note, replacing
// any earlier one. The file is rewritten through a copy and replaced at once,
// so a failure leaves it as it was. Throws EKorvane with the reason.
void gravarRegistroVersaoELF(const QString& executavel, const RegistroVersao& registro);
