#include "frame/PastasKorvane.h"

#include "frame/KXRegistro.h"

QString ObterDirInstalacao()
{
    return TKXRegistro().DirInstalacao();
}

QString ObterDirProd()
{
    return ObterDirInstalacao() + QStringLiteral("Prod/");
}

QString ObterDirLib()
{
    return ObterDirProd() + QStringLiteral("Lib/");
}

QString ObterDirSpool()
{
    return ObterDirInstalacao() + QStringLiteral("Spool/");
}

QString ObterDirExecutaveis()
{
    return ObterDirSpool() + QStringLiteral("Executaveis/");
}
