#pragma once

#include "frame/TiposKX.h"

#include <QString>
#include <functional>

// Who the running program is: its product family, taken from its file name,
// and the texts, icon and header images of that family.
namespace AplicacaoKX {

struct TextosProduto
{
    QString nomeERP;         // product name
    QString nomeSofthouse;   // company name
    QString webSite;         // internet address
    QString icone;           // icon resource
    QString imagemTopo;      // header image resource
    QString imagemRepeticao; // header tile resource
};

// The family of a program file; `tipoDoGrupo` gives the group key's
// application type and is asked only for the suite's own program names.
TSiglaAplicacao FamiliaDoPrograma(const QString& arquivo, const std::function<int()>& tipoDoGrupo);

// Texts and resources of a family; the header images depend on the
// program's major version.
TextosProduto Textos(TSiglaAplicacao familia, int versaoMaior);

// "Distribuição e Torvo (Linha %s)" filled with the product name.
QString TextoSegmento(const QString& nomeERP);

} // namespace AplicacaoKX
