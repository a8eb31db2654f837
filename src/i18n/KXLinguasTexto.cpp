#include "i18n/KXLinguasTexto.h"

#include "i18n/KXLinguas.h"
#include "platform/EKorvane.h"

#include <QLocale>
#include <QMutex>
#include <QRegularExpression>

QString SubstituirParametros(const QString& Texto, const QStringList& Valores)
{
    QString resultado = Texto;
    for (const QString& valor : Valores) {
        const qsizetype pos = resultado.indexOf(QLatin1String("%s"));
        if (pos < 0)
            continue;
        resultado.replace(pos, 2, valor);
    }
    return resultado;
}

QString TrocarQuebrasDeLinha(const QString& Texto)
{
    QString resultado = Texto;
    resultado.replace(QLatin1String("^M"), QLatin1String("\r"), Qt::CaseInsensitive);
    return resultado;
}

QString TextoNoIdioma(TKXLinguas* Linguas, const QString& Texto, const QStringList& MsgParams)
{
    if (Linguas)
        return Linguas->ObtenhaTextoNoIdioma(Texto, MsgParams);
    return TrocarQuebrasDeLinha(SubstituirParametros(Texto, MsgParams));
}

QString AparaTexto(const QString& t)
{
    qsizetype inicio = 0;
    qsizetype fim = t.size();
    while (inicio < fim && t.at(inicio).unicode() <= 0x20)
        ++inicio;
    while (fim > inicio && t.at(fim - 1).unicode() <= 0x20)
        --fim;
    return t.mid(inicio, fim - inicio);
}

QString NormalizarTermoPesquisa(const QString& t)
{
    QString termo = t;
    // Outer "#" pairs: the marks of a text that was already reported unknown.
    qsizetype esquerda = 0;
    qsizetype direita = termo.size() - 1;
    while (esquerda < direita && termo.at(esquerda) == QLatin1Char('#') &&
           termo.at(direita) == QLatin1Char('#')) {
        ++esquerda;
        --direita;
    }
    if (esquerda < direita)
        termo = termo.mid(esquerda, direita - esquerda + 1);

    termo.replace(QLatin1String("\r\n"), QLatin1String("^M"));
    termo.replace(QLatin1Char('\r'), QLatin1String("^M"));
    termo.remove(QLatin1Char(' '));
    termo.remove(QLatin1Char('&'));
    qsizetype fim = termo.size();
    while (fim > 0 && termo.at(fim - 1) == QLatin1Char(':'))
        --fim;
    termo.truncate(fim);
    return termo.toUpper();
}

QString RemoverAcentos(const QString& t)
{
    static const QString acentuadas =
        QStringLiteral("ÀÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÑÒÓÔÕÖÙÚÛÜÝàáâãäåæçèéêëìíîïñòóôõöùúûüýÿ");
    static const QString simples =
        QStringLiteral("AAAAAAAACEEEEIIIINOOOOOUUUUYaaaaaaaceeeeiiiinooooouuuuyy");
    QString resultado = t;
    for (QChar& c : resultado) {
        const qsizetype pos = acentuadas.indexOf(c);
        if (pos >= 0)
            c = simples.at(pos);
    }
    return resultado;
}

bool TextoSemLetras(const QString& t)
{
    if (AparaTexto(t).isEmpty())
        return false;
    for (QChar c : RemoverAcentos(t)) {
        const char16_t u = c.unicode();
        if (u == u' ' || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z'))
            return false;
    }
    return true;
}

namespace {

struct TOpcoesKXNac
{
    QMutex mutex;
    QStringList pares{QStringLiteral("AutoTraduzCaptionWallpaper=F")};
};

TOpcoesKXNac& OpcoesKXNac()
{
    static TOpcoesKXNac opcoes;
    return opcoes;
}

} // namespace

QString GetPropriedadeKXNac(const QString& NomePropriedade)
{
    TOpcoesKXNac& opcoes = OpcoesKXNac();
    QMutexLocker trava(&opcoes.mutex);
    const QString prefixo = NomePropriedade + QLatin1Char('=');
    for (const QString& par : std::as_const(opcoes.pares))
        if (par.startsWith(prefixo, Qt::CaseInsensitive))
            return par.mid(prefixo.size());
    return QString();
}

void SetPropriedadeKXNac(const QString& NomePropriedade, const QString& Valor)
{
    TOpcoesKXNac& opcoes = OpcoesKXNac();
    QMutexLocker trava(&opcoes.mutex);
    const QString prefixo = NomePropriedade + QLatin1Char('=');
    for (QString& par : opcoes.pares)
        if (par.startsWith(prefixo, Qt::CaseInsensitive)) {
            par = prefixo + Valor;
            return;
        }
    opcoes.pares.append(prefixo + Valor);
}

namespace {

[[noreturn]] void FormatoInvalido(const QString& formato)
{
    throw EKorvane(
        QStringLiteral("Formato \"%1\" inválido ou incompatível com o argumento.").arg(formato));
}

bool EhInteiro(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

bool EhNumero(const QVariant& v)
{
    return EhInteiro(v) || v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float;
}

} // namespace

QString FormatarTexto(const QString& Formato, const QVariantList& Args)
{
    static const QRegularExpression especificador(QStringLiteral(
        "%(?:(\\d+|\\*)?:)?(-)?(\\d+|\\*)?(?:\\.(\\d+|\\*))?([dueEfFgGnNmMpPsSxX])"));
    const QLocale local;
    QString resultado;
    int proximo = 0;
    auto argumento = [&](int indice) -> const QVariant& {
        if (indice < 0 || indice >= Args.size())
            FormatoInvalido(Formato);
        proximo = indice + 1;
        return Args.at(indice);
    };
    auto numeroOuAsterisco = [&](const QString& texto) -> int {
        if (texto.isEmpty())
            return -1;
        if (texto == QLatin1String("*")) {
            const QVariant& v = argumento(proximo);
            if (!EhInteiro(v))
                FormatoInvalido(Formato);
            return v.toInt();
        }
        return texto.toInt();
    };

    qsizetype pos = 0;
    while (pos < Formato.size()) {
        const qsizetype porcento = Formato.indexOf(QLatin1Char('%'), pos);
        if (porcento < 0) {
            resultado += Formato.mid(pos);
            break;
        }
        resultado += Formato.mid(pos, porcento - pos);
        if (Formato.mid(porcento, 2) == QLatin1String("%%")) {
            resultado += QLatin1Char('%');
            pos = porcento + 2;
            continue;
        }
        const QRegularExpressionMatch m =
            especificador.match(Formato, porcento, QRegularExpression::NormalMatch,
                                QRegularExpression::AnchorAtOffsetMatchOption);
        if (!m.hasMatch())
            FormatoInvalido(Formato);
        if (!m.captured(1).isEmpty())
            proximo = numeroOuAsterisco(m.captured(1));
        const bool aEsquerda = !m.captured(2).isEmpty();
        const int largura = numeroOuAsterisco(m.captured(3));
        const int precisao = numeroOuAsterisco(m.captured(4));
        const QChar tipo = m.captured(5).at(0).toLower();
        const QVariant& v = argumento(proximo);

        QString campo;
        if (tipo == QLatin1Char('d') || tipo == QLatin1Char('u') || tipo == QLatin1Char('x')) {
            if (!EhInteiro(v))
                FormatoInvalido(Formato);
            const qlonglong n = v.toLongLong();
            if (tipo == QLatin1Char('x'))
                campo = QString::number(static_cast<qulonglong>(n), 16).toUpper();
            else if (tipo == QLatin1Char('u'))
                campo = QString::number(static_cast<qulonglong>(n));
            else
                campo = QString::number(n < 0 ? -n : n);
            if (precisao > campo.size())
                campo = QString(precisao - campo.size(), QLatin1Char('0')) + campo;
            if (tipo == QLatin1Char('d') && n < 0)
                campo.prepend(QLatin1Char('-'));
        } else if (tipo == QLatin1Char('s')) {
            if (!v.canConvert<QString>() || EhNumero(v))
                FormatoInvalido(Formato);
            campo = v.toString();
            if (precisao >= 0)
                campo.truncate(precisao);
        } else if (tipo == QLatin1Char('p')) {
            if (!EhInteiro(v))
                FormatoInvalido(Formato);
            campo = QStringLiteral("%1").arg(v.toULongLong(), 16, 16, QLatin1Char('0')).toUpper();
        } else {
            if (!EhNumero(v))
                FormatoInvalido(Formato);
            const double d = v.toDouble();
            if (tipo == QLatin1Char('e'))
                campo = local.toString(d, 'E', precisao < 0 ? 15 : qMax(precisao - 1, 0));
            else if (tipo == QLatin1Char('f'))
                campo = local.toString(d, 'f', precisao < 0 ? 2 : precisao);
            else if (tipo == QLatin1Char('g'))
                campo = local.toString(d, 'g', precisao < 0 ? 15 : precisao);
            else if (tipo == QLatin1Char('n'))
                campo = local.toString(d, 'f', precisao < 0 ? 2 : precisao);
            else
                campo = local.toCurrencyString(d);
            if (tipo != QLatin1Char('n') && tipo != QLatin1Char('m'))
                campo.remove(local.groupSeparator());
        }
        if (largura > campo.size()) {
            const QString brancos(largura - campo.size(), QLatin1Char(' '));
            campo = aEsquerda ? campo + brancos : brancos + campo;
        }
        resultado += campo;
        pos = m.capturedEnd(0);
    }
    return resultado;
}
