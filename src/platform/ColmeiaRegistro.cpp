#include "platform/ColmeiaRegistro.h"

#include <QStringView>
#include <algorithm>
#include <utility>

namespace {

const QByteArray kCabecalho = QByteArrayLiteral("KorvaneRegistro 1");
const QString kPrefixoInteiro = QStringLiteral("inteiro:");

// Characters written as a backslash and a letter; other control characters
// become "\xHH".
constexpr std::pair<char16_t, char16_t> kEscapes[] = {
    {u'\\', u'\\'}, {u'"', u'"'}, {u'\n', u'n'}, {u'\r', u'r'}, {u'\t', u't'}};

QString aspas(const QString& s)
{
    QString r;
    r.reserve(s.size() + 2);
    r += QLatin1Char('"');
    for (const QChar c : s) {
        const auto e = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                    [&](const auto& p) { return p.first == c.unicode(); });
        if (e != std::end(kEscapes))
            r.append(QLatin1Char('\\')).append(QChar(e->second));
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            r += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            r += c;
    }
    r += QLatin1Char('"');
    return r;
}

// Reads a quoted text starting at pos; leaves pos after the closing quote.
bool lerAspas(QStringView linha, qsizetype& pos, QString& saida)
{
    if (pos >= linha.size() || linha[pos] != QLatin1Char('"'))
        return false;
    saida.clear();
    for (++pos; pos < linha.size(); ++pos) {
        const QChar c = linha[pos];
        if (c == QLatin1Char('"')) {
            ++pos;
            return true;
        }
        if (c != QLatin1Char('\\')) {
            saida += c;
            continue;
        }
        if (++pos >= linha.size())
            return false;
        const char16_t letra = linha[pos].unicode();
        const auto e = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                    [&](const auto& p) { return p.second == letra; });
        if (e != std::end(kEscapes)) {
            saida += QChar(e->first);
        } else if (letra == u'x') {
            bool ok = false;
            const int v = linha.mid(pos + 1, 2).toInt(&ok, 16);
            if (!ok || pos + 2 >= linha.size())
                return false;
            saida += QChar(v);
            pos += 2;
        } else {
            return false;
        }
    }
    return false;
}

QString escaparChave(const QString& caminho)
{
    QString r;
    for (const QChar c : caminho) {
        if (c == QLatin1Char('%') || c.unicode() < 0x20 || c.unicode() == 0x7f)
            r += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            r += c;
    }
    return r;
}

bool desescaparChave(QStringView s, QString& saida)
{
    saida.clear();
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] != QLatin1Char('%')) {
            saida += s[i];
            continue;
        }
        bool ok = false;
        const int v = s.mid(i + 1, 2).toInt(&ok, 16);
        if (!ok || i + 2 >= s.size())
            return false;
        saida += QChar(v);
        i += 2;
    }
    return true;
}

} // namespace

QString ColmeiaRegistro::normalizarCaminho(const QString& chave)
{
    return chave.split(QLatin1Char('\\'), Qt::SkipEmptyParts).join(QLatin1Char('\\'));
}

ColmeiaRegistro ColmeiaRegistro::deTexto(const QByteArray& texto, bool* valido)
{
    ColmeiaRegistro colmeia;
    if (valido)
        *valido = texto.isEmpty();
    const QStringList linhas = QString::fromUtf8(texto).split(QLatin1Char('\n'));
    if (linhas.isEmpty() || linhas.first().trimmed().toUtf8() != kCabecalho)
        return {};
    QString atual; // the root until a key header is read
    for (qsizetype n = 1; n < linhas.size(); ++n) {
        QString linha = linhas[n];
        if (linha.endsWith(QLatin1Char('\r')))
            linha.chop(1);
        if (linha.trimmed().isEmpty() || linha.startsWith(QLatin1Char(';')))
            continue;
        if (linha.startsWith(QLatin1Char('['))) {
            if (!linha.endsWith(QLatin1Char(']')))
                return {};
            QString caminho;
            if (!desescaparChave(QStringView(linha).mid(1, linha.size() - 2), caminho))
                return {};
            atual = normalizarCaminho(caminho);
            colmeia.criarChave(atual);
            continue;
        }
        qsizetype pos = 0;
        QString nome;
        if (!lerAspas(linha, pos, nome) || pos >= linha.size() || linha[pos] != QLatin1Char('='))
            return {};
        ++pos;
        Valor v;
        const QStringView resto = QStringView(linha).mid(pos);
        if (resto.startsWith(kPrefixoInteiro)) {
            bool ok = false;
            v.tipo = RegistroUsuario::TipoValor::Inteiro;
            v.inteiro = resto.mid(kPrefixoInteiro.size()).toInt(&ok);
            if (!ok)
                return {};
        } else {
            QString t;
            if (!lerAspas(linha, pos, t) || pos != linha.size())
                return {};
            v.texto = t;
        }
        colmeia.gravar(atual, nome, v);
    }
    if (valido)
        *valido = true;
    return colmeia;
}

QByteArray ColmeiaRegistro::paraTexto() const
{
    QString s = QString::fromUtf8(kCabecalho) + QLatin1Char('\n');
    for (const Chave& c : m_chaves) {
        // The root header is only needed when the root holds values.
        if (c.caminho.isEmpty() && c.valores.isEmpty())
            continue;
        s += QLatin1String("\n[") + escaparChave(c.caminho) + QLatin1String("]\n");
        for (const Entrada& e : c.valores) {
            s += aspas(e.nome) + QLatin1Char('=');
            if (e.valor.tipo == RegistroUsuario::TipoValor::Inteiro)
                s += kPrefixoInteiro + QString::number(e.valor.inteiro);
            else
                s += aspas(e.valor.texto);
            s += QLatin1Char('\n');
        }
    }
    return s.toUtf8();
}

int ColmeiaRegistro::indice(const QString& caminhoNormalizado) const
{
    const QString alvo = comparavel(caminhoNormalizado);
    for (int i = 0; i < m_chaves.size(); ++i)
        if (comparavel(m_chaves[i].caminho) == alvo)
            return i;
    return -1;
}

bool ColmeiaRegistro::chaveExiste(const QString& chave) const
{
    const QString c = normalizarCaminho(chave);
    return c.isEmpty() || indice(c) >= 0;
}

QStringList ColmeiaRegistro::subchaves(const QString& chave) const
{
    const QString base = normalizarCaminho(chave);
    const QString prefixo = comparavel(base.isEmpty() ? base : base + QLatin1Char('\\'));
    QStringList nomes;
    for (const Chave& c : m_chaves) {
        if (c.caminho.isEmpty() || !comparavel(c.caminho).startsWith(prefixo))
            continue;
        const QString resto = c.caminho.mid(prefixo.size());
        if (!resto.isEmpty() && !resto.contains(QLatin1Char('\\')))
            nomes << resto;
    }
    return nomes;
}

QStringList ColmeiaRegistro::nomesDosValores(const QString& chave) const
{
    QStringList nomes;
    const int i = indice(normalizarCaminho(chave));
    if (i >= 0)
        for (const Entrada& e : m_chaves[i].valores)
            nomes << e.nome;
    return nomes;
}

const ColmeiaRegistro::Valor* ColmeiaRegistro::valor(const QString& chave,
                                                     const QString& nome) const
{
    const int i = indice(normalizarCaminho(chave));
    if (i < 0)
        return nullptr;
    const QString alvo = comparavel(nome);
    for (const Entrada& e : m_chaves[i].valores)
        if (comparavel(e.nome) == alvo)
            return &e.valor;
    return nullptr;
}

ColmeiaRegistro::Chave& ColmeiaRegistro::obter(const QString& chave)
{
    const QString c = normalizarCaminho(chave);
    int i = indice(c);
    if (i >= 0)
        return m_chaves[i];
    // Parents first, so that a listing always finds a key's parent.
    const qsizetype barra = c.lastIndexOf(QLatin1Char('\\'));
    if (!c.isEmpty())
        obter(barra < 0 ? QString() : c.left(barra));
    m_chaves.append(Chave{c, {}});
    return m_chaves.last();
}

void ColmeiaRegistro::criarChave(const QString& chave)
{
    obter(chave);
}

bool ColmeiaRegistro::excluirChave(const QString& chave)
{
    const QString c = normalizarCaminho(chave);
    if (c.isEmpty() || indice(c) < 0)
        return false;
    const QString alvo = comparavel(c);
    const QString prefixo = alvo + QLatin1Char('\\');
    m_chaves.removeIf([&](const Chave& k) {
        const QString kc = comparavel(k.caminho);
        return kc == alvo || kc.startsWith(prefixo);
    });
    return true;
}

void ColmeiaRegistro::gravar(const QString& chave, const QString& nome, const Valor& valor)
{
    Chave& k = obter(chave);
    const QString alvo = comparavel(nome);
    for (Entrada& e : k.valores) {
        if (comparavel(e.nome) == alvo) {
            e.valor = valor;
            return;
        }
    }
    k.valores.append(Entrada{nome, valor});
}

bool ColmeiaRegistro::excluirValor(const QString& chave, const QString& nome)
{
    const int i = indice(normalizarCaminho(chave));
    if (i < 0)
        return false;
    const QString alvo = comparavel(nome);
    return m_chaves[i].valores.removeIf(
               [&](const Entrada& e) { return comparavel(e.nome) == alvo; }) > 0;
}
