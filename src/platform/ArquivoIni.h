#pragma once

#include <QString>
#include <QStringList>

// A small INI file kept in the Windows layout: "[section]" headers (the
// empty-named section written as "[]"), "key=value" lines, keys compared
// without regard to case. Every write goes to disk at once; a file that
// cannot be written raises EKorvane("Unable to write to <file>").
class ArquivoIni
{
public:
    explicit ArquivoIni(QString arquivo);

    const QString& arquivo() const noexcept { return m_arquivo; }

    QString lerTexto(const QString& secao, const QString& chave, const QString& padrao = {}) const;
    QStringList chaves(const QString& secao) const;
    void gravarTexto(const QString& secao, const QString& chave, const QString& valor);

private:
    QString m_arquivo;
};
