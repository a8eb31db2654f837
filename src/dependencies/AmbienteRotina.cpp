#include "dependencies/AmbienteRotina.h"

#include "dependencies/VariavelPath.h"

#include <QProcessEnvironment>

QStringList MontarAmbienteDaRotina(const QStringList& pastas, const QStringList& linhas,
                                   const QStringList& base)
{
    QProcessEnvironment ambiente;
    for (const QString& linha : base) {
        const qsizetype igual = linha.indexOf(QLatin1Char('='));
        if (igual > 0)
            ambiente.insert(linha.left(igual), linha.mid(igual + 1));
    }
    if (!pastas.isEmpty()) {
        TVariavelPath path(ambiente.value(QStringLiteral("PATH")));
        path.AdicionarPastas(pastas);
        ambiente.insert(QStringLiteral("PATH"), path.ToString());
    }
    for (const QString& linha : linhas) {
        const qsizetype igual = linha.indexOf(QLatin1Char('='));
        const QString nome = igual < 0 ? linha : linha.left(igual);
        // A variable needs a name; an empty one cannot be set.
        if (!nome.isEmpty())
            ambiente.insert(nome, igual < 0 ? QString() : linha.mid(igual + 1));
    }
    return ambiente.toStringList();
}

QStringList MontarAmbienteDaRotina(const QStringList& pastas, const QStringList& linhas)
{
    return MontarAmbienteDaRotina(pastas, linhas,
                                  QProcessEnvironment::systemEnvironment().toStringList());
}
