#include "platform/ArquivoIni.h"

#include "platform/EKorvane.h"
#include "platform/TravaArquivo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

struct Linhas
{
    QStringList texto;
    bool crlf = false;
};

Linhas lerLinhas(const QString& arquivo)
{
    Linhas l;
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        return l;
    QByteArray dados = f.readAll();
    if (dados.startsWith("\xEF\xBB\xBF"))
        dados.remove(0, 3);
    l.crlf = dados.contains("\r\n");
    QString s = QString::fromUtf8(dados);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    l.texto = s.split(QLatin1Char('\n'));
    if (!l.texto.isEmpty() && l.texto.last().isEmpty())
        l.texto.removeLast();
    return l;
}

// "[name]" -> name; other lines -> nullopt.
std::optional<QString> secaoDaLinha(const QString& linha)
{
    const QString t = linha.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype fim = t.indexOf(QLatin1Char(']'));
    if (fim < 0)
        return std::nullopt;
    return t.mid(1, fim - 1).trimmed();
}

// "key=value" -> key (trimmed); comments and other lines -> empty.
QString chaveDaLinha(const QString& linha)
{
    const QString t = linha.trimmed();
    if (t.startsWith(QLatin1Char(';')))
        return {};
    const qsizetype igual = t.indexOf(QLatin1Char('='));
    return igual <= 0 ? QString() : t.left(igual).trimmed();
}

QString valorDaLinha(const QString& linha)
{
    QString v = linha.mid(linha.indexOf(QLatin1Char('=')) + 1).trimmed();
    // A value written between quotes is read without them.
    if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) &&
        v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v;
}

bool mesmoNome(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The lines [inicio, fim) of the first section of that name: inicio is the
// line after its header; both -1 when missing.
std::pair<qsizetype, qsizetype> localizarSecao(const QStringList& linhas, const QString& secao)
{
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        const auto nome = secaoDaLinha(linhas[i]);
        if (!nome || !mesmoNome(*nome, secao))
            continue;
        qsizetype fim = i + 1;
        while (fim < linhas.size() && !secaoDaLinha(linhas[fim]))
            ++fim;
        return {i + 1, fim};
    }
    return {-1, -1};
}

} // namespace

ArquivoIni::ArquivoIni(QString arquivo)
    : m_arquivo(std::move(arquivo))
{}

QString ArquivoIni::lerTexto(const QString& secao, const QString& chave,
                             const QString& padrao) const
{
    const QStringList linhas = lerLinhas(m_arquivo).texto;
    const auto [inicio, fim] = localizarSecao(linhas, secao.trimmed());
    for (qsizetype i = inicio; i >= 0 && i < fim; ++i)
        if (mesmoNome(chaveDaLinha(linhas[i]), chave.trimmed()))
            return valorDaLinha(linhas[i]);
    return padrao;
}

QStringList ArquivoIni::chaves(const QString& secao) const
{
    const QStringList linhas = lerLinhas(m_arquivo).texto;
    const auto [inicio, fim] = localizarSecao(linhas, secao.trimmed());
    QStringList nomes;
    for (qsizetype i = inicio; i >= 0 && i < fim; ++i) {
        const QString c = chaveDaLinha(linhas[i]);
        if (!c.isEmpty() && !nomes.contains(c, Qt::CaseInsensitive))
            nomes << c;
    }
    return nomes;
}

void ArquivoIni::gravarTexto(const QString& secao, const QString& chave, const QString& valor)
{
    const QString falha = QStringLiteral("Unable to write to %1").arg(m_arquivo);
    if (!QDir().mkpath(QFileInfo(m_arquivo).absolutePath()))
        throw EKorvane(falha);
    TravaArquivo trava(m_arquivo);
    if (!trava.travada())
        throw EKorvane(falha);

    // A line break inside a value would start a new entry of the file.
    QString umaLinha = valor;
    umaLinha.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));

    Linhas l = lerLinhas(m_arquivo);
    QStringList& linhas = l.texto;
    const QString nomeSecao = secao.trimmed();
    const QString nomeChave = chave.trimmed();
    auto [inicio, fim] = localizarSecao(linhas, nomeSecao);
    if (inicio < 0) {
        if (!linhas.isEmpty() && !linhas.last().trimmed().isEmpty())
            linhas << QString();
        linhas << QLatin1Char('[') + nomeSecao + QLatin1Char(']');
        inicio = fim = linhas.size();
    }
    bool feito = false;
    for (qsizetype i = inicio; i < fim && !feito; ++i) {
        const QString c = chaveDaLinha(linhas[i]);
        if (mesmoNome(c, nomeChave)) {
            linhas[i] = c + QLatin1Char('=') + umaLinha;
            feito = true;
        }
    }
    if (!feito) {
        // After the section's last entry, before the blank lines that part it
        // from the next one.
        qsizetype pos = fim;
        while (pos > inicio && linhas[pos - 1].trimmed().isEmpty())
            --pos;
        linhas.insert(pos, nomeChave + QLatin1Char('=') + umaLinha);
    }

    const QString fimDeLinha = l.crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    const QByteArray texto = (linhas.join(fimDeLinha) + fimDeLinha).toUtf8();
    QSaveFile saida(m_arquivo);
    if (!saida.open(QIODevice::WriteOnly) || saida.write(texto) != texto.size() || !saida.commit())
        throw EKorvane(falha);
}
