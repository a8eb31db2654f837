#include "frame/PastasKorvane.h"

#include "frame/KXRegistro.h"

QString ObterDirInstalacao()
{
    return TKXRegistro().DirInstalacao();
}

QString ObterDirProd()
{
    return TKXRegistro().DirProd();
}

QString ObterDirLib()
{
    return TKXRegistro().DirLib();
}

QString ObterDirSpool()
{
    return TKXRegistro().DirSpool();
}

QString ObterDirExecutaveis()
{
    return ObterDirSpool() + QStringLiteral("Executaveis/");
}
