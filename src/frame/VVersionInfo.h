#pragma once

#include <QMap>
#include <QObject>
#include <QString>

// The version record of a program, read once at creation: the translation
// used, the "FileVersion" text, its four numbers and the suite's formatted
// version text.
class TVVersionInfo : public QObject
{
    Q_OBJECT

public:
    // What a version record holds: the first translation entry as eight
    // upper-case hex digits ("00000000" when there is none) and the texts of
    // that translation's table.
    struct Registro
    {
        QString languageCodePage = QStringLiteral("00000000");
        QMap<QString, QString> textos; // name -> value
    };

    TVVersionInfo(QObject* AOwner, const QString& AFileName);
    // A record given directly (a program carrying it some other way).
    TVVersionInfo(QObject* AOwner, const QString& AFileName, const Registro& registro);

    const QString& FileName() const { return FFileName; }
    const QString& LanguageCodePage() const { return FLanguageCodePage; }
    quint16 Language() const { return FLanguage; }
    quint16 CodePage() const { return FCodePage; }
    const QString& FileVersion() const { return FFileVersion; }
    const QString& FileVersionKX() const { return FFileVersionKX; }
    int Major() const { return FMajor; }
    int Minor() const { return FMinor; }
    int Release() const { return FRelease; }
    int Build() const { return FBuild; }
    // Other texts read at creation ("Especifico", "VersaoFixa", ...).
    QString Valor(const QString& nome) const;

    // The suite's version text of a FileVersion and the record's extras.
    static QString FormatarVersao(const QString& fileVersion, const QString& especifico,
                                  const QString& categoria, const QString& versaoFixa);

    // Reads the record of a file; an empty record when there is none.
    static Registro LerRegistro(const QString& arquivo);

private:
    void Carregar(const Registro& registro);

    QString FFileName;
    quint16 FLanguage = 0;
    quint16 FCodePage = 0;
    QString FLanguageCodePage;
    QString FFileVersion;
    QString FFileVersionKX;
    int FMajor = 0;
    int FMinor = 0;
    int FRelease = 0;
    int FBuild = 0;
    QMap<QString, QString> FValores;
};
