#include "Comandos.h"

#include <QTextStream>

int comandoCifrar(const QStringList&)
{
    QTextStream(stderr) << "kxadmin: comando ainda não disponível\n";
    return 2;
}

int comandoDecifrar(const QStringList&)
{
    QTextStream(stderr) << "kxadmin: comando ainda não disponível\n";
    return 2;
}

int comandoSenhaRotina(const QStringList&)
{
    QTextStream(stderr) << "kxadmin: comando ainda não disponível\n";
    return 2;
}

int comandoParametroRotina(const QStringList&)
{
    QTextStream(stderr) << "kxadmin: comando ainda não disponível\n";
    return 2;
}
