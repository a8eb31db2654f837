#include "dependencies/Dependencia.h"

#include "dependencies/RotinaDep.h"

#include <QRegularExpression>

QString NormalizarVersaoDependencia(const QString& versao)
{
    static const QRegularExpression separadores(QStringLiteral("[. ]"));
    const QStringList partes = versao.split(separadores);
    if (partes.size() < 4) {
        throw RotinaDep::ERotinaDep(
            QStringLiteral("A versão \"%1\" de uma dependência não tem quatro números.")
                .arg(versao));
    }
    int numeros[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numeros[i] = partes.at(i).toInt(&ok, 10);
        if (!ok) {
            throw RotinaDep::ERotinaDep(
                QStringLiteral("'%1' não é um valor inteiro válido (versão \"%2\" de uma "
                               "dependência).")
                    .arg(partes.at(i), versao));
        }
    }
    return QString::asprintf("%.2d.%.2d.%.2d.%.2d", numeros[0], numeros[1], numeros[2], numeros[3]);
}

QList<TDependencia> LerDependenciasDoManifesto(const QString& arquivo)
{
    const RotinaDep::IXMLRotinaType rotina = RotinaDep::LoadRotinaDep(arquivo);
    const RotinaDep::IXMLDependenciasTypeList lista = rotina->GetDependencias();
    const int total = lista->Count();
    QList<TDependencia> lidas;
    lidas.reserve(total);
    for (int i = 0; i < total; ++i) {
        const RotinaDep::IXMLDependenciasType item = lista->GetItem(i);
        TDependencia dependencia;
        dependencia.Rotina = item->GetRotinaDep();
        dependencia.Opcao = item->GetOpcao();
        dependencia.Versao = NormalizarVersaoDependencia(item->GetVersao());
        dependencia.Descricao = item->GetDescricao();
        lidas.append(dependencia);
    }
    return lidas;
}
