#pragma once

#include <QList>
#include <QString>

// One translation of the language list.
struct TString
{
    QString Text;
};

// The terms of one language read from the language list: search key and
// translation, sorted for case-insensitive binary search.
class TListaTermos
{
public:
    // The language code whose lines are picked ("EN", "ES-MX", ...).
    const QString& Idioma() const { return m_idioma; }
    void SetIdioma(const QString& pIdioma) { m_idioma = pIdioma; }

    // Reads the list file (8-bit text in the locale's encoding). A file that
    // cannot be opened leaves the list empty, silently.
    void LoadFromFile(const QString& FileName);

    // The translation stored under the key, or an empty text.
    QString FindName(const QString& Name) const;

    int Count() const { return static_cast<int>(m_termos.size()); }
    void Clear() { m_termos.clear(); }

private:
    struct TTermo
    {
        QString Chave;
        TString Traducao;
    };

    QString m_idioma;
    QList<TTermo> m_termos;
};
