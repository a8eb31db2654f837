#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

// The value of PATH as a list of folders, extended without duplicates.
class TVariavelPath
{
public:
    struct Formato
    {
        QChar separador;           // between the folders
        QChar delimitador;         // the path delimiter cut from added folders
        Qt::CaseSensitivity caixa; // how folders are compared
        bool separadorFinal;       // ToString ends every folder with the separator
    };
    // This system: ":" and "/", case-sensitive names, and no separator after
    // the last folder (an empty last entry would put the current folder on the
    // search path).
    static Formato formatoDoSistema();
    // Windows: ";" and "\\", letter case ignored, "a;b;".
    static Formato formatoWindows();

    // pVarAmbientePath with or without a leading "PATH=" (any letter case).
    explicit TVariavelPath(const QString& pVarAmbientePath,
                           const Formato& formato = formatoDoSistema());

    const QStringList& Pastas() const noexcept { return fPastas; }

    // Appends the folder, without its trailing delimiters and blanks, unless
    // it is present already (with or without a trailing delimiter).
    void AdicionarPasta(const QString& pPasta);
    void AdicionarPastas(const QStringList& pListaPastas);

    QString ToString() const;
    // "Path=" + the folders, without trailing separators and blanks.
    QString GetVarPath() const;
    // pTexto with "Path=" in front unless it begins with it (any letter case).
    static QString IncluirPathNoInicio(const QString& pTexto);

private:
    QStringList fPastas;
    Formato fFormato;
};

// texto without its trailing characters that occur in conjunto.
QString RemoverCaracteresFinais(const QString& texto, const QString& conjunto);

// The first n bytes as upper-case hexadecimal digits, without separators.
QString BytesParaHexa(const QByteArray& dados, qsizetype n);
