#include "frame/RegistroGrupoKX.h"

TRegistroGrupoKX::TRegistroGrupoKX()
{
    abrirChave(QStringLiteral("\\Software\\GrupoKX"));
}

TRegistroGrupoKX::~TRegistroGrupoKX() = default;

qint32 TRegistroGrupoKX::TipoAplicativo() const
{
    return lerInteiro({}, QStringLiteral("TipoAplicativo"), 0);
}

void TRegistroGrupoKX::setTipoAplicativo(qint32 valor)
{
    gravarInteiro({}, QStringLiteral("TipoAplicativo"), valor);
    Editor().setTipoAplicativo(valor);
}

TKXRegistro& TRegistroGrupoKX::Editor()
{
    if (!FEditor)
        FEditor = std::make_unique<TKXRegistro>(TipoAplicativo());
    return *FEditor;
}

void TRegistroGrupoKX::setEditor(std::unique_ptr<TKXRegistro> editor)
{
    FEditor = std::move(editor);
}
