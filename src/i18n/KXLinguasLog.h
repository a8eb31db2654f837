#pragma once

#include <QString>

class TKXLinguas;

enum TLogMode
{
    lmDebugMode = 0,
    lmTranslation = 1
};

// The log of texts the dictionary did not know, in one of two formats: a
// dated line per occurrence, or a block ready to be filled in by a translator
// and appended to the language list.
class TLogTermoDesconhecido
{
public:
    explicit TLogTermoDesconhecido(TKXLinguas* pKXLinguas);

    const QString& NomeArquivo() const { return m_nomeArquivo; }
    void SetNomeArquivo(const QString& pNome) { m_nomeArquivo = pNome; }
    TLogMode LogMode() const { return m_logMode; }
    void SetLogMode(TLogMode pModo) { m_logMode = pModo; }

    // Appends one occurrence; a file that cannot be opened is silently skipped.
    void Escreva(const QString& TermoPesquisa, const QString& Texto);

private:
    QString m_nomeArquivo;
    QString m_nomeExecutavel;
    TKXLinguas* m_kxLinguas;
    TLogMode m_logMode = lmTranslation;
};
