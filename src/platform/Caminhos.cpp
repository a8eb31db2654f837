#include "platform/Caminhos.h"

#include <QDir>
#include <QFileInfo>

namespace Caminhos {

QChar delimitador()
{
    return QLatin1Char('/');
}

QString dirUsuario()
{
    const QString home = qEnvironmentVariable("HOME");
    return home.isEmpty() ? QDir::homePath() : home;
}

QString dirConfiguracaoUsuario()
{
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!xdg.isEmpty() && QFileInfo(xdg).isAbsolute())
        return xdg;
    return dirUsuario() + QStringLiteral("/.config");
}

QString dirConfiguracaoLauncher()
{
    return dirConfiguracaoUsuario() + QStringLiteral("/KorvaneStart");
}

QString arquivoConfiguracaoLauncher()
{
    return dirConfiguracaoLauncher() + QStringLiteral("/config.ini");
}

QString arquivoRegistro()
{
    return dirConfiguracaoUsuario() + QStringLiteral("/Korvane/registro");
}

QString dirInstalacaoPadrao()
{
    return dirUsuario() + QStringLiteral("/Korvane/");
}

QString dirLogOperacoes()
{
    return dirUsuario() + QStringLiteral("/Korvane/Spool/KStart");
}

QString nomeLogOperacoes()
{
    return QStringLiteral("KStart.log");
}

} // namespace Caminhos
