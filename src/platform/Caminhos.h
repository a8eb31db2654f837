#pragma once

#include <QString>

// Where the files that Windows keeps in fixed places live on this system.
// Every path is absolute and uses "/" as delimiter.
namespace Caminhos {

// The path delimiter of the system ("/" here, "\\" on Windows).
QChar delimitador();

// The user's profile folder (HOME here, USERPROFILE on Windows).
QString dirUsuario();

// $XDG_CONFIG_HOME, or $HOME/.config when unset or not absolute.
QString dirConfiguracaoUsuario();

// Folder of config.ini: <config>/KorvaneStart
QString dirConfiguracaoLauncher();

// The launcher's settings file: <config>/KorvaneStart/config.ini
QString arquivoConfiguracaoLauncher();

// The per-user registry hive file: <config>/Korvane/registro
QString arquivoRegistro();

// Default installation folder, with its trailing delimiter: $HOME/Korvane/
QString dirInstalacaoPadrao();

// Folder and name of the operation log: $HOME/Korvane/Spool/KStart, KStart.log
QString dirLogOperacoes();
QString nomeLogOperacoes();

} // namespace Caminhos
