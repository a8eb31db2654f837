#include "frame/AplicacaoKX.h"

#include <QFileInfo>

TSiglaAplicacao AplicacaoKX::FamiliaDoPrograma(const QString& arquivo,
                                               const std::function<int()>& tipoDoGrupo)
{
    const QString nome = QFileInfo(arquivo).fileName();
    for (const char* prefixo : {"KXSIS", "KXINF", "KXAUX", "KXTRE", "KXZOR"}) {
        if (nome.contains(QLatin1String(prefixo), Qt::CaseSensitive)) {
            const int tipo = tipoDoGrupo ? tipoDoGrupo() : 0;
            return TSiglaAplicacao(tipo == 0 ? 1 : tipo);
        }
    }
    if (nome.contains(QLatin1String("KXTOR"), Qt::CaseSensitive))
        return saTorvo;
    if (nome.contains(QLatin1String("KXVEX"), Qt::CaseSensitive))
        return saVexil;
    return saDravi;
}

AplicacaoKX::TextosProduto AplicacaoKX::Textos(TSiglaAplicacao familia, int versaoMaior)
{
    const bool novo = versaoMaior >= 28;
    const QString topo = novo ? QStringLiteral("I101") : QStringLiteral("I1");
    const QString repeticao = novo ? QStringLiteral("I102") : QStringLiteral("I2");
    const QString softhouse = QStringLiteral("KX Rozedeve");
    const QString site = QStringLiteral("www.korvane.com.br");
    switch (familia) {
    case saTorvo:
        return {QStringLiteral("Korvane Torvo"), softhouse, site,
                QStringLiteral("KORVANE"),       topo,      repeticao};
    case saTrevan:
        return {QStringLiteral("Trevan"),
                softhouse,
                QStringLiteral("www.trevan.com.br"),
                QStringLiteral("TREVAN"),
                QStringLiteral("I3"),
                QStringLiteral("I4")};
    case saQuindo:
        return {QStringLiteral("QUINDO"),
                QStringLiteral("Quindo Tecnologia"),
                QStringLiteral("www.quindo.com.br"),
                QStringLiteral("QUINDO"),
                QStringLiteral("I5"),
                QStringLiteral("I6")};
    default:
        return {QStringLiteral("Korvane"), softhouse, site,
                QStringLiteral("KORVANE"), topo,      repeticao};
    }
}

QString AplicacaoKX::TextoSegmento(const QString& nomeERP)
{
    return QStringLiteral("Distribuição e Torvo (Linha %1)").arg(nomeERP);
}
