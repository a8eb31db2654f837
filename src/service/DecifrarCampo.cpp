#include "service/DecifrarCampo.h"

#include "repository/credenciais/CampoRequisicao.h"

QString DecifrarCampo(const QString& pTexto)
{
    return CampoRequisicao::decifrar(pTexto);
}

QString CifrarCampo(const QString& pTexto)
{
    return CampoRequisicao::cifrar(pTexto);
}
