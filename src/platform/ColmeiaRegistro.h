#pragma once

#include "platform/RegistroUsuario.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The contents of the per-user registry hive in memory, and its text form:
//
//   KorvaneRegistro 1
//   [Software\GrupoKX]
//   "TipoAplicativo"="4"
//   "Contador"=inteiro:-5
//
// Keys keep the spelling they were created with and are found without regard
// to case; values keep the order they were first written in. Names and texts
// are quoted with C-like escapes, so any character survives; a "%" or control
// character in a key name is written as "%HH".
class ColmeiaRegistro
{
public:
    using Valor = RegistroUsuario::Valor;

    // Empty when the text is not a hive (missing header, damaged line).
    static ColmeiaRegistro deTexto(const QByteArray& texto, bool* valido = nullptr);
    QByteArray paraTexto() const;

    // "a\\\\b\\" -> "a\\b": empty parts are dropped.
    static QString normalizarCaminho(const QString& chave);

    bool chaveExiste(const QString& chave) const;
    QStringList subchaves(const QString& chave) const;
    QStringList nomesDosValores(const QString& chave) const;
    const Valor* valor(const QString& chave, const QString& nome) const;

    void criarChave(const QString& chave); // with the missing parents
    bool excluirChave(const QString& chave);
    void gravar(const QString& chave, const QString& nome, const Valor& valor);
    bool excluirValor(const QString& chave, const QString& nome);

private:
    struct Entrada
    {
        QString nome;
        Valor valor;
    };
    struct Chave
    {
        QString caminho; // normalized, as first spelled; empty for the root
        QList<Entrada> valores;
    };

    static QString comparavel(const QString& s) { return s.toCaseFolded(); }
    int indice(const QString& caminhoNormalizado) const;
    Chave& obter(const QString& chave); // creates it

    QList<Chave> m_chaves; // the root is created on demand
};
