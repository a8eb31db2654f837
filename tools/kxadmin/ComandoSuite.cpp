#include "Comandos.h"

#include <QTextStream>

int comandoSuite(const QStringList&)
{
    QTextStream(stderr) << "kxadmin: comando ainda não disponível\n";
    return 2;
}
