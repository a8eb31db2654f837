#include "frame/FiltroKX.h"

#include "platform/EKorvane.h"

#include <QList>

namespace {

struct Simbolo
{
    enum Tipo
    {
        Nome,
        Texto,
        Numero,
        Operador,
        AbreParentese,
        FechaParentese,
        Fim
    } tipo;
    QString valor;
};

EKorvane ErroDeFiltro(const QString& texto)
{
    return EKorvane(QStringLiteral("Expressão de filtro inválida: %1").arg(texto));
}

QList<Simbolo> Separar(const QString& t)
{
    QList<Simbolo> r;
    int i = 0;
    while (i < t.size()) {
        const QChar c = t[i];
        if (c.isSpace()) {
            ++i;
        } else if (c == QLatin1Char('\'')) {
            QString v;
            ++i;
            for (;;) {
                if (i >= t.size())
                    throw ErroDeFiltro(t);
                if (t[i] == QLatin1Char('\'')) {
                    if (i + 1 < t.size() && t[i + 1] == QLatin1Char('\'')) {
                        v += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                v += t[i++];
            }
            r.append(Simbolo{Simbolo::Texto, v});
        } else if (c.isDigit() || ((c == QLatin1Char('-') || c == QLatin1Char('.')) &&
                                   i + 1 < t.size() && t[i + 1].isDigit())) {
            int j = i + 1;
            while (j < t.size() && (t[j].isDigit() || t[j] == QLatin1Char('.')))
                ++j;
            r.append(Simbolo{Simbolo::Numero, t.mid(i, j - i)});
            i = j;
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            int j = i + 1;
            while (j < t.size() && (t[j].isLetterOrNumber() || t[j] == QLatin1Char('_')))
                ++j;
            r.append(Simbolo{Simbolo::Nome, t.mid(i, j - i)});
            i = j;
        } else if (c == QLatin1Char('(')) {
            r.append(Simbolo{Simbolo::AbreParentese, QString()});
            ++i;
        } else if (c == QLatin1Char(')')) {
            r.append(Simbolo{Simbolo::FechaParentese, QString()});
            ++i;
        } else if (QStringLiteral("=<>").contains(c)) {
            QString op(c);
            if (i + 1 < t.size() &&
                (t.mid(i, 2) == QLatin1String("<>") || t.mid(i, 2) == QLatin1String("<=") ||
                 t.mid(i, 2) == QLatin1String(">=")))
                op = t.mid(i, 2);
            r.append(Simbolo{Simbolo::Operador, op});
            i += op.size();
        } else {
            throw ErroDeFiltro(t);
        }
    }
    r.append(Simbolo{Simbolo::Fim, QString()});
    return r;
}

class Comparacao : public FiltroKX
{
public:
    Comparacao(QString campo, QString op, QVariant valor)
        : m_campo(std::move(campo))
        , m_op(std::move(op))
        , m_valor(std::move(valor))
    {}

    bool Aceita(const Leitor& valorDe) const override
    {
        const QVariant atual = valorDe(m_campo);
        int cmp;
        if (m_valor.typeId() == QMetaType::Double) {
            bool ok = false;
            const double d = atual.toString().trimmed().toDouble(&ok);
            if (!ok)
                return m_op == QLatin1String("<>");
            const double v = m_valor.toDouble();
            cmp = d < v ? -1 : (d > v ? 1 : 0);
        } else {
            cmp = QString::compare(atual.toString(), m_valor.toString(), Qt::CaseSensitive);
            cmp = cmp < 0 ? -1 : (cmp > 0 ? 1 : 0);
        }
        if (m_op == QLatin1String("="))
            return cmp == 0;
        if (m_op == QLatin1String("<>"))
            return cmp != 0;
        if (m_op == QLatin1String("<"))
            return cmp < 0;
        if (m_op == QLatin1String(">"))
            return cmp > 0;
        if (m_op == QLatin1String("<="))
            return cmp <= 0;
        return cmp >= 0;
    }

private:
    QString m_campo, m_op;
    QVariant m_valor;
};

class Logica : public FiltroKX
{
public:
    enum Tipo
    {
        E,
        Ou,
        Nao
    };
    Logica(Tipo tipo, std::shared_ptr<const FiltroKX> a, std::shared_ptr<const FiltroKX> b = {})
        : m_tipo(tipo)
        , m_a(std::move(a))
        , m_b(std::move(b))
    {}
    bool Aceita(const Leitor& valorDe) const override
    {
        switch (m_tipo) {
        case E:
            return m_a->Aceita(valorDe) && m_b->Aceita(valorDe);
        case Ou:
            return m_a->Aceita(valorDe) || m_b->Aceita(valorDe);
        case Nao:
            break;
        }
        return !m_a->Aceita(valorDe);
    }

private:
    Tipo m_tipo;
    std::shared_ptr<const FiltroKX> m_a, m_b;
};

class Interpretador
{
public:
    Interpretador(const QString& texto)
        : m_texto(texto)
        , m_s(Separar(texto))
    {}

    std::shared_ptr<const FiltroKX> Tudo()
    {
        auto r = Ou();
        if (m_s[m_i].tipo != Simbolo::Fim)
            throw ErroDeFiltro(m_texto);
        return r;
    }

private:
    bool Palavra(const char* p)
    {
        if (m_s[m_i].tipo == Simbolo::Nome &&
            m_s[m_i].valor.compare(QLatin1String(p), Qt::CaseInsensitive) == 0) {
            ++m_i;
            return true;
        }
        return false;
    }
    std::shared_ptr<const FiltroKX> Ou()
    {
        auto a = E();
        while (Palavra("OR"))
            a = std::make_shared<Logica>(Logica::Ou, a, E());
        return a;
    }
    std::shared_ptr<const FiltroKX> E()
    {
        auto a = Fator();
        while (Palavra("AND"))
            a = std::make_shared<Logica>(Logica::E, a, Fator());
        return a;
    }
    std::shared_ptr<const FiltroKX> Fator()
    {
        if (Palavra("NOT"))
            return std::make_shared<Logica>(Logica::Nao, Fator());
        if (m_s[m_i].tipo == Simbolo::AbreParentese) {
            ++m_i;
            auto a = Ou();
            if (m_s[m_i].tipo != Simbolo::FechaParentese)
                throw ErroDeFiltro(m_texto);
            ++m_i;
            return a;
        }
        if (m_s[m_i].tipo != Simbolo::Nome || m_s[m_i + 1].tipo != Simbolo::Operador)
            throw ErroDeFiltro(m_texto);
        const QString campo = m_s[m_i].valor;
        const QString op = m_s[m_i + 1].valor;
        const Simbolo& v = m_s[m_i + 2];
        QVariant valor;
        if (v.tipo == Simbolo::Texto)
            valor = v.valor;
        else if (v.tipo == Simbolo::Numero)
            valor = v.valor.toDouble();
        else
            throw ErroDeFiltro(m_texto);
        m_i += 3;
        return std::make_shared<Comparacao>(campo, op, valor);
    }

    QString m_texto;
    QList<Simbolo> m_s;
    qsizetype m_i = 0;
};

} // namespace

std::shared_ptr<const FiltroKX> FiltroKX::Interpretar(const QString& texto)
{
    if (texto.trimmed().isEmpty())
        return {};
    return Interpretador(texto).Tudo();
}
