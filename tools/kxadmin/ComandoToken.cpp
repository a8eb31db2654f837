#include "Comandos.h"

#include <QTextStream>

int comandoToken(const QStringList&)
{
    QTextStream(stderr) << "kxadmin: comando ainda não disponível\n";
    return 2;
}
