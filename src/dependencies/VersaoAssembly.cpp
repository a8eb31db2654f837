#include "dependencies/VersaoAssembly.h"

#include <QRegularExpression>

qint64 VersaoParaInteiro(const QString& texto)
{
    static const QRegularExpression separadores(QStringLiteral("[. ]"));
    const QStringList partes = texto.split(separadores);
    QString digitos;
    for (const QString& parte : partes)
        digitos += parte.rightJustified(3, QLatin1Char('0'));
    bool ok = false;
    const qint64 valor = digitos.toLongLong(&ok, 10);
    return ok ? valor : 0;
}

bool VersaoAtendida(const QString& requerida, const QString& instalada)
{
    return VersaoParaInteiro(requerida) <= VersaoParaInteiro(instalada);
}
