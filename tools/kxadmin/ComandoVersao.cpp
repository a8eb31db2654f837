#include "Comandos.h"

#include <QTextStream>

int comandoVersao(const QStringList&)
{
    QTextStream(stderr) << "kxadmin: comando ainda não disponível\n";
    return 2;
}
