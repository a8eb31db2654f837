#pragma once

#include "platform/Caminhos.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The per-user registry (HKEY_CURRENT_USER) as a hive file shared by every
// program of the suite. Keys are paths such as "Software\\GrupoKX" (backslash
// separated, compared without regard to case, a leading "\\" ignored); values
// are typed (text or 32-bit integer) and listed in the order written.
// Every call reads the file afresh, so a change made by another process is
// seen at once; every change is written atomically under a file lock.
class RegistroUsuario
{
public:
    enum class TipoValor
    {
        Texto,
        Inteiro
    };

    struct Valor
    {
        TipoValor tipo = TipoValor::Texto;
        QString texto;      // set when tipo == Texto
        qint32 inteiro = 0; // set when tipo == Inteiro
    };

    explicit RegistroUsuario(QString arquivo = Caminhos::arquivoRegistro());

    const QString& arquivo() const noexcept { return m_arquivo; }

    bool chaveExiste(const QString& chave) const;
    QStringList subchaves(const QString& chave) const;
    QStringList nomesDosValores(const QString& chave) const;
    std::optional<Valor> lerValor(const QString& chave, const QString& nome) const;

    // The writing calls raise EKorvane when the hive cannot be written.
    void criarChave(const QString& chave);
    bool excluirChave(const QString& chave); // with its subkeys
    void gravarTexto(const QString& chave, const QString& nome, const QString& texto);
    void gravarInteiro(const QString& chave, const QString& nome, qint32 valor);
    bool excluirValor(const QString& chave, const QString& nome);
    // Reads a value and writes what `mudanca` makes of it, with no other writer
    // in between (of this process or another); returns the value written.
    Valor alterarValor(const QString& chave, const QString& nome,
                       const std::function<Valor(const std::optional<Valor>&)>& mudanca);

private:
    QString m_arquivo;
};
