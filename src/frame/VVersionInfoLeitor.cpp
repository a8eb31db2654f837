#include "frame/VVersionInfo.h"

// Reading a file's record goes through the platform's version-record reader.
TVVersionInfo::Registro TVVersionInfo::LerRegistro(const QString& arquivo)
{
    Q_UNUSED(arquivo);
    return {};
}
